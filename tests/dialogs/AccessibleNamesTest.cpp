// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every dialog and box as assistive technologies see it: a dialog named by
// its caption, its labels read as text, and no control that takes the focus
// without a name to speak.

#include "aboutbox/CAboutBoxEx.h"
#include "aboutbox/frmAbout.h"
#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"
#include "dialogs/frmGroup.h"
#include "dialogs/frmProperty.h"
#include "dialogs/frmSettingEx.h"
#include "runtime/controls/Label.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmAboutBox.h"
#include "standard/frmInput.h"
#include "tests/support/FakePlatform.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace {

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
        const auto* label = qobject_cast<const rt::Label*>(child->object());
        if (label && !label->Caption().isEmpty() && (name.isEmpty() || child->role() == QAccessible::Client))
            faults << where + QStringLiteral(": a label not read as text");
        collectFaults(child, where, faults);
    }
}

// What is wrong with a dialog for a screen reader; empty when nothing is.
QStringList faultsOf(QWidget& form)
{
    QStringList faults;
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&form);
    if (dialog->role() != QAccessible::Dialog)
        faults << QStringLiteral("not a dialog");
    if (dialog->text(QAccessible::Name) != form.windowTitle())
        faults << QStringLiteral("named \"%1\"").arg(dialog->text(QAccessible::Name));
    collectFaults(dialog, form.windowTitle(), faults);
    return faults;
}

TEST(AccessibleNames, EveryDialogAndBox)
{
    FakePlatform fake;
    rt::ComPtr<kestrel98::CSettingEx> settings(new kestrel98::CSettingEx);
    EXPECT_EQ(faultsOf(settings->form()), QStringList());

    rt::ComPtr<kestrel98::CProperty> item(new kestrel98::CProperty);
    item->setItemInfo(QStringLiteral("/usr/bin/editor|A text editor"));
    EXPECT_EQ(faultsOf(item->form()), QStringList());
    rt::ComPtr<kestrel98::CGroup> group(new kestrel98::CGroup);
    group->setItemInfo(QStringLiteral("group|Tools|:"));
    EXPECT_EQ(faultsOf(group->form()), QStringList());

    rt::ComPtr<glintbox::CAboutBoxEx> about(new glintbox::CAboutBoxEx);
    about->setWebsite(QStringLiteral("https://kestrel98.example/"));
    about->setEmail(QStringLiteral("help@kestrel98.example"));
    EXPECT_EQ(faultsOf(*about->form()), QStringList());

    rt::ComPtr<plainbox::CAboutBox> plain(new plainbox::CAboutBox);
    plain->SetInfo(QStringLiteral("About Kestrel 98"), QString(), QStringLiteral("Kestrel 98 2.1"),
                   QStringLiteral("Fenwright Software"), QStringLiteral("A launcher bar."));
    EXPECT_EQ(faultsOf(plain->form()), QStringList());

    rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
    input->SetInfo(QStringLiteral("New Group"), QString(), QStringLiteral("&Name of the new group:"),
                   QStringLiteral("Tools"));
    EXPECT_EQ(faultsOf(input->form()), QStringList());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&input->form().Text)->text(QAccessible::Name),
              QStringLiteral("Name of the new group"));
}

}  // namespace
