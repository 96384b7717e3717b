// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ItemRowAccessible.h"

#include "core/ItemButton.h"
#include "core/ItemButtonAccessible.h"
#include "core/ItemRowForm.h"

namespace {

QAccessibleInterface* itemRowFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ItemRowForm"))
        return new ItemRowAccessible(static_cast<ItemRowForm*>(object));
    if (className == QLatin1String("ItemButton"))
        return new ItemButtonAccessible(static_cast<ItemButton*>(object));
    return nullptr;
}

}  // namespace

ItemRowAccessible::ItemRowAccessible(ItemRowForm* form) : rt::AccessibleControl(form, QAccessible::Window) {}

void ItemRowAccessible::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(itemRowFactory);
}

ItemRowForm* ItemRowAccessible::form() const { return static_cast<ItemRowForm*>(widget()); }

QList<QWidget*> ItemRowAccessible::listedChildren() const { return form()->controlsInScreenOrder(); }

QAccessibleInterface* ItemRowAccessible::focusChild() const
{
    const int selected = form()->keyboardSelection();
    if (selected == -1 || !form()->ItemImg.exists(selected))
        return rt::AccessibleControl::focusChild();
    return QAccessible::queryAccessibleInterface(&form()->ItemImg[selected]);
}
