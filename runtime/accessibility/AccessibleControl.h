// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A runtime form or control as assistive technologies see it: the role it was
// made with, its caption as its name, only the controls that mean something
// as its children (the lines and shapes that draw frames and edges are left
// out), and a press action for a control that handles a click.

#include <QAccessibleWidget>
#include <QList>

namespace rt {

class Control;

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* widget, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Runs a control's click after the assistive tool's call has returned: a
    // click may open a modal window, and the tool waits for its answer.
    static void clickLater(Control* control);

protected:
    // The child widgets listed, in the order they are listed.
    virtual QList<QWidget*> listedChildren() const;
    Control* control() const;

private:
    bool pressable() const;
};

}  // namespace rt
