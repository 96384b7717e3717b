// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A tab control as assistive technologies see it: a page tab list whose
// children are its tabs, each named by its caption and selectable.

#include <QAccessibleWidget>
#include <QHash>

namespace rt {

class TabControl;

class AccessibleTabControl : public QAccessibleWidget {
public:
    explicit AccessibleTabControl(TabControl* tabs);
    ~AccessibleTabControl() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    // "Pages", unless the control was given a name of its own.
    QString text(QAccessible::Text t) const override;

    TabControl* tabControl() const;

private:
    // The tabs' interfaces, made when first asked for and registered with
    // Qt's cache, which hands out their ids.
    mutable QHash<int, QAccessible::Id> mTabs;
};

}  // namespace rt
