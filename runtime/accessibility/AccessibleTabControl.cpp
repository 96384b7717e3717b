// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/accessibility/AccessibleTabControl.h"

#include "runtime/accessibility/AccessiblePageTab.h"
#include "runtime/controls/TabControl.h"

namespace rt {

AccessibleTabControl::AccessibleTabControl(TabControl* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

AccessibleTabControl::~AccessibleTabControl()
{
    for (const QAccessible::Id id : std::as_const(mTabs))
        QAccessible::deleteAccessibleInterface(id);
}

TabControl* AccessibleTabControl::tabControl() const { return static_cast<TabControl*>(widget()); }

int AccessibleTabControl::childCount() const { return tabControl()->Tabs(); }

QAccessibleInterface* AccessibleTabControl::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = mTabs.constFind(index); known != mTabs.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* tab = new AccessiblePageTab(tabControl(), index);
    mTabs.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int AccessibleTabControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->role() != QAccessible::PageTab || child->parent() != this)
        return -1;
    return static_cast<const AccessiblePageTab*>(child)->index();
}

QAccessibleInterface* AccessibleTabControl::focusChild() const
{
    return tabControl()->hasFocus() ? child(tabControl()->Tab()) : nullptr;
}

QString AccessibleTabControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QStringLiteral("Pages");
    return QAccessibleWidget::text(t);
}

}  // namespace rt
