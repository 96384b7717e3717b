// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/AccessibleFaults.h"

#include "runtime/controls/Label.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace {

bool isLabel(const QObject* object, QString& caption)
{
    if (const auto* label = qobject_cast<const rt::Label*>(object))
        caption = label->Caption();
    else if (const auto* label = qobject_cast<const QLabel*>(object))
        caption = label->text();
    else
        return false;
    return true;
}

void collectFaults(QAccessibleInterface* node, const QString& path, QStringList& faults)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        const QString name = child->text(QAccessible::Name);
        const QString where = path + QLatin1Char('/') + (child->object() ? child->object()->objectName() : name);
        if (child->state().focusable && name.isEmpty())
            faults << where + QStringLiteral(": focusable without a name");
        QString caption;
        if (isLabel(child->object(), caption) && !caption.isEmpty() &&
            (name.isEmpty() || child->role() == QAccessible::Client))
            faults << where + QStringLiteral(": a label not read as text");
        collectFaults(child, where, faults);
    }
}

}  // namespace

QStringList accessibleFaultsOf(QWidget& dialog)
{
    QStringList faults;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
    if (window->role() != QAccessible::Dialog)
        faults << QStringLiteral("not a dialog");
    if (window->text(QAccessible::Name) != dialog.windowTitle())
        faults << QStringLiteral("named \"%1\"").arg(window->text(QAccessible::Name));
    collectFaults(window, dialog.windowTitle(), faults);
    return faults;
}
