// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One tab of a tab control, for assistive technologies: a page tab named by
// its caption, selected while it is the current one; its press action (or
// a selection through the tool) makes it current.

#include <QAccessibleInterface>
#include <QPointer>

namespace rt {

class TabControl;

class AccessiblePageTab : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessiblePageTab(TabControl* tabs, int index);

    int index() const { return mIndex; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TabControl> mTabs;
    int mIndex;
};

}  // namespace rt
