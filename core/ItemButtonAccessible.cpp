// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ItemButtonAccessible.h"

#include "core/ItemButton.h"
#include "core/ItemRowForm.h"

ItemButtonAccessible::ItemButtonAccessible(ItemButton* button) : rt::AccessibleControl(button, QAccessible::PushButton)
{
}

ItemButton* ItemButtonAccessible::button() const { return static_cast<ItemButton*>(widget()); }

ItemRowForm* ItemButtonAccessible::form() const { return qobject_cast<ItemRowForm*>(widget()->parentWidget()); }

bool ItemButtonAccessible::isSeparator() const { return button()->Tag == QLatin1String("sep"); }

QString ItemButtonAccessible::text(QAccessible::Text t) const
{
    ItemRowForm* row = form();
    if (!row)
        return rt::AccessibleControl::text(t);
    if (t == QAccessible::Name)
        return row->buttonName(button()->index());
    if (t == QAccessible::Description)
        return row->buttonDescription(button()->index());
    return rt::AccessibleControl::text(t);
}

QAccessible::Role ItemButtonAccessible::role() const
{
    return isSeparator() ? QAccessible::Separator : QAccessible::PushButton;
}

QAccessible::State ItemButtonAccessible::state() const
{
    QAccessible::State state = rt::AccessibleControl::state();
    ItemRowForm* row = form();
    if (isSeparator() || !row)
        return state;
    state.focusable = true;
    state.focused = row->keyboardSelection() == button()->index() && row->isActiveWindow();
    return state;
}

QStringList ItemButtonAccessible::actionNames() const
{
    return isSeparator() ? QStringList() : rt::AccessibleControl::actionNames();
}
