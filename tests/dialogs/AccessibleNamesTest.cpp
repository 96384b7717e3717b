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
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmAboutBox.h"
#include "standard/frmInput.h"
#include "tests/support/AccessibleFaults.h"
#include "tests/support/FakePlatform.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace {

TEST(AccessibleNames, EveryDialogAndBox)
{
    FakePlatform fake;
    rt::ComPtr<kestrel98::CSettingEx> settings(new kestrel98::CSettingEx);
    EXPECT_EQ(accessibleFaultsOf(settings->form()), QStringList());

    rt::ComPtr<kestrel98::CProperty> item(new kestrel98::CProperty);
    item->setItemInfo(QStringLiteral("/usr/bin/editor|A text editor"));
    EXPECT_EQ(accessibleFaultsOf(item->form()), QStringList());
    rt::ComPtr<kestrel98::CGroup> group(new kestrel98::CGroup);
    group->setItemInfo(QStringLiteral("group|Tools|:"));
    EXPECT_EQ(accessibleFaultsOf(group->form()), QStringList());

    rt::ComPtr<glintbox::CAboutBoxEx> about(new glintbox::CAboutBoxEx);
    about->setWebsite(QStringLiteral("https://kestrel98.example/"));
    about->setEmail(QStringLiteral("help@kestrel98.example"));
    EXPECT_EQ(accessibleFaultsOf(*about->form()), QStringList());

    rt::ComPtr<plainbox::CAboutBox> plain(new plainbox::CAboutBox);
    plain->SetInfo(QStringLiteral("About Kestrel 98"), QString(), QStringLiteral("Kestrel 98 2.1"),
                   QStringLiteral("Fenwright Software"), QStringLiteral("A launcher bar."));
    EXPECT_EQ(accessibleFaultsOf(plain->form()), QStringList());

    rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
    input->SetInfo(QStringLiteral("New Group"), QString(), QStringLiteral("&Name of the new group:"),
                   QStringLiteral("Tools"));
    EXPECT_EQ(accessibleFaultsOf(input->form()), QStringList());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&input->form().Text)->text(QAccessible::Name),
              QStringLiteral("Name of the new group"));
}

}  // namespace
