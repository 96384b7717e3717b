// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/accessibility/AccessiblePageTab.h"

#include "runtime/accessibility/Accessibility.h"
#include "runtime/controls/TabControl.h"

namespace rt {

AccessiblePageTab::AccessiblePageTab(TabControl* tabs, int index) : mTabs(tabs), mIndex(index) {}

bool AccessiblePageTab::isValid() const { return mTabs && mIndex < mTabs->Tabs(); }

QWindow* AccessiblePageTab::window() const { return mTabs ? mTabs->window()->windowHandle() : nullptr; }

QAccessibleInterface* AccessiblePageTab::parent() const { return QAccessible::queryAccessibleInterface(mTabs); }

QString AccessiblePageTab::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    return spokenCaption(mTabs->TabCaption(mIndex));
}

QRect AccessiblePageTab::rect() const
{
    if (!isValid())
        return {};
    const QRect tab = mTabs->tabRect(mIndex);
    return {mTabs->mapToGlobal(tab.topLeft()), tab.size()};
}

QAccessible::State AccessiblePageTab::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const bool current = mTabs->Tab() == mIndex;
    state.selectable = true;
    state.selected = current;
    state.focusable = true;
    state.focused = current && mTabs->hasFocus();
    state.invisible = !mTabs->isVisible();
    state.disabled = !mTabs->isEnabled();
    return state;
}

void* AccessiblePageTab::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessiblePageTab::actionNames() const { return {pressAction()}; }

void AccessiblePageTab::doAction(const QString& actionName)
{
    if (actionName == pressAction() && isValid() && mTabs->isEnabled())
        mTabs->setTab(mIndex);
}

}  // namespace rt
