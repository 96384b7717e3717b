// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/accessibility/Accessibility.h"

#include "runtime/accessibility/AccessibleApplication.h"
#include "runtime/accessibility/AccessibleControl.h"
#include "runtime/accessibility/AccessibleTabControl.h"
#include "runtime/controls/TabControl.h"

#include <QAccessible>
#include <QWidget>

namespace rt {

namespace {

QString gApplicationName;

QAccessibleInterface* applicationFactory(const QString& className, QObject* object)
{
    if (gApplicationName.isEmpty() || className != QLatin1String("QApplication") || object != qApp)
        return nullptr;
    return new AccessibleApplication(gApplicationName);
}

QAccessibleInterface* controlFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("rt::TabControl"))
        return new AccessibleTabControl(static_cast<TabControl*>(widget));
    if (className == QLatin1String("rt::DialogForm"))
        return new AccessibleControl(widget, QAccessible::Dialog);
    if (className == QLatin1String("rt::Form"))
        return new AccessibleControl(widget,
                                     widget->windowType() == Qt::ToolTip ? QAccessible::ToolTip : QAccessible::Window);
    if (className == QLatin1String("rt::Label"))
        return new AccessibleControl(widget, QAccessible::StaticText);
    if (className == QLatin1String("rt::Image") || className == QLatin1String("rt::PictureBox"))
        return new AccessibleControl(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(controlFactory);
    QAccessible::installFactory(applicationFactory);
}

void setAccessibleApplicationName(const QString& name)
{
    gApplicationName = name;
    installAccessibility();
}

QString spokenCaption(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a single "&" marks the access key.
        if (caption[i] == QLatin1Char('&') && ++i >= caption.size())
            break;
        spoken += caption[i];
    }
    spoken = spoken.trimmed();
    if (spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    return spoken.trimmed();
}

}  // namespace rt
