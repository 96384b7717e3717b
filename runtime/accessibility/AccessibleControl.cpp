// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/accessibility/AccessibleControl.h"

#include "runtime/accessibility/Accessibility.h"
#include "runtime/controls/Control.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/Shape.h"

#include <QPointer>
#include <QTimer>

namespace rt {

namespace {

bool isDecoration(const QWidget* widget)
{
    return qobject_cast<const Line*>(widget) || qobject_cast<const Shape*>(widget);
}

}  // namespace

AccessibleControl::AccessibleControl(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

Control* AccessibleControl::control() const { return dynamic_cast<Control*>(widget()); }

QList<QWidget*> AccessibleControl::listedChildren() const
{
    QList<QWidget*> listed;
    for (QObject* child : widget()->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (childWidget && !childWidget->isWindow() && !isDecoration(childWidget))
            listed << childWidget;
    }
    return listed;
}

int AccessibleControl::childCount() const { return int(listedChildren().size()); }

QAccessibleInterface* AccessibleControl::child(int index) const
{
    const QList<QWidget*> listed = listedChildren();
    if (index < 0 || index >= listed.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(listed[index]);
}

int AccessibleControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return int(listedChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QString AccessibleControl::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    if (const auto* label = qobject_cast<const Label*>(widget()))
        return spokenCaption(label->Caption());
    // A tip window says what its labels show.
    if (widget()->windowType() == Qt::ToolTip) {
        QStringList shown;
        for (const Label* label : widget()->findChildren<const Label*>())
            shown << spokenCaption(label->Caption());
        return shown.join(QLatin1Char(' '));
    }
    return QAccessibleWidget::text(t);
}

bool AccessibleControl::pressable() const
{
    const Control* shown = control();
    return shown && shown->Click && !widget()->isWindow();
}

QAccessible::Role AccessibleControl::role() const
{
    // A label that takes a click is a button; a picture box holding
    // controls is a pane.
    if (pressable())
        return QAccessible::PushButton;
    const QAccessible::Role made = QAccessibleWidget::role();
    if (made == QAccessible::Graphic && childCount() > 0)
        return QAccessible::Pane;
    return made;
}

QStringList AccessibleControl::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable())
        names.prepend(pressAction());
    return names;
}

void AccessibleControl::doAction(const QString& actionName)
{
    if (actionName == pressAction() && pressable())
        clickLater(control());
    else
        QAccessibleWidget::doAction(actionName);
}

void AccessibleControl::clickLater(Control* control)
{
    const QPointer<QWidget> alive(control->widget());
    QTimer::singleShot(0, control->widget(), [alive, control] {
        if (alive && alive->isEnabled() && alive->isVisible())
            control->clickWithoutPointer();
    });
}

}  // namespace rt
