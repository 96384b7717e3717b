// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The group property dialog: group item strings in and out, and the checks
// of OK.

#include "DialogTestSupport.h"

#include "dialogs/CGroup.h"
#include "dialogs/frmGroup.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WhileShown.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <functional>

namespace {

using kestrel98::frmGroup;

class GroupPropertyDialog : public ::testing::Test {
protected:
    GroupPropertyDialog() { writeIcon(icon, Qt::green); }

    void show(const std::function<void(frmGroup&)>& act)
    {
        whileShown<frmGroup>(fake, act, [this] { dialog->Show(); });
    }

    // OK pressed on the group name; answers the message shown, if any.
    QString refusalOf(const QString& name)
    {
        fake.messageBoxes.clear();
        show([&](frmGroup& f) {
            f.txtGroupName.setText(name);
            f.cmdOK.click();
            if (f.isVisible())
                f.cmdCancel.click();
        });
        return fake.messageBoxes.isEmpty() ? QString() : fake.messageBoxes[0].prompt;
    }

    FakePlatform fake;
    QTemporaryDir dir;
    const QString icon = dir.filePath("tools.ico");
    rt::ComPtr<kestrel98::CGroup> dialog{new kestrel98::CGroup};
    frmGroup& form = dialog->form();
};

TEST_F(GroupPropertyDialog, UpperCaseGroupWithoutIconGetsTheDefaultIcon)
{
    dialog->setItemInfo("GROUP|Tools|:");
    EXPECT_EQ(form.txtGroupName.Text(), "Tools");
    EXPECT_EQ(form.lblIconPath.Caption(), "");
    EXPECT_TRUE(hasDrawing(form.pictIcon));
    show([](frmGroup& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "group|Tools|:");
}

TEST_F(GroupPropertyDialog, IconFileIsShownAndKept)
{
    dialog->setItemInfo("group|Tools|:" + icon);
    EXPECT_EQ(form.lblIconPath.Caption(), icon);
    EXPECT_EQ(form.pictIcon.surface().pixelColor(16, 16), QColor(Qt::green));
    show([](frmGroup& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "group|Tools|:" + icon);
}

TEST_F(GroupPropertyDialog, VanishedIconFileFallsBackToTheDefault)
{
    dialog->setItemInfo("group|Tools|:" + dir.filePath("gone.ico"));
    EXPECT_EQ(form.lblIconPath.Caption(), "");
    EXPECT_TRUE(hasDrawing(form.pictIcon));
    show([](frmGroup& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "group|Tools|:");
}

TEST_F(GroupPropertyDialog, TextThatIsNoGroupChangesNothing)
{
    dialog->setItemInfo("group|Tools|:");
    dialog->setItemInfo("/bin/ls|list");
    dialog->setItemInfo("");
    EXPECT_EQ(form.txtGroupName.Text(), "Tools");
}

TEST_F(GroupPropertyDialog, NamesAreCheckedAsTyped)
{
    EXPECT_EQ(refusalOf("   "), "Please input a valid group name. ");
    EXPECT_EQ(refusalOf(""), "Please input a valid group name. ");
    EXPECT_EQ(refusalOf("a|b"), "You cannot use the character \"|\" in Group Name. Please change it. ");
    EXPECT_EQ(fake.beeps, 3);
    EXPECT_EQ(fake.messageBoxes.value(0).title, "Group Property");
    EXPECT_EQ(fake.messageBoxes.value(0).style, platform::MessageIcon::Information);

    EXPECT_EQ(refusalOf("  Tools"), "");
    EXPECT_EQ(dialog->ItemInfo(), "group|  Tools|:");
}

TEST_F(GroupPropertyDialog, IconMustEndInLowerCaseIco)
{
    fake.fileChoices << platform::FileChoice{true, dir.filePath("TOOLS.ICO")};
    show([](frmGroup& f) {
        f.txtGroupName.setText("Tools");
        f.cmdChangeIcon.click();
        f.cmdOK.click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.focusWidget(), &f.cmdChangeIcon);
        f.cmdCancel.click();
    });
    EXPECT_EQ(fake.fileDialogFilters, QStringList({"Icon Files (*.ico)|*.ico|All Files (*.*)|*.*|"}));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, "You must provide a valid icon file. ");
    EXPECT_EQ(dialog->ItemInfo(), "");
}

TEST_F(GroupPropertyDialog, ChangedIconIsShownAndStored)
{
    fake.fileChoices << platform::FileChoice{true, icon};
    show([](frmGroup& f) {
        f.txtGroupName.setText("Tools");
        f.cmdChangeIcon.click();
        f.cmdChangeIcon.click();  // cancelled: no change
        f.cmdOK.click();
    });
    EXPECT_EQ(form.pictIcon.surface().pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(dialog->ItemInfo(), "group|Tools|:" + icon);
}

TEST_F(GroupPropertyDialog, CancelAfterAnEarlierOkLeavesNothing)
{
    dialog->setItemInfo("group|Tools|:");
    show([](frmGroup& f) { f.cmdOK.click(); });
    ASSERT_EQ(dialog->ItemInfo(), "group|Tools|:");
    show([](frmGroup& f) { f.cmdCancel.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "");
}

TEST_F(GroupPropertyDialog, FormTable)
{
    EXPECT_EQ(form.Caption(), "Group Property");
    EXPECT_EQ(QSize(form.Width(), form.Height()), QSize(3990, 1950));
    EXPECT_EQ(twipsRect(form.pictIcon), QRect(120, 120, 480, 480));
    EXPECT_EQ(form.lblTmp1.Caption(), "&Group Name: ");
    EXPECT_EQ(form.lblTmp1.font().family(), "Tahoma");
    EXPECT_EQ(twipsRect(form.txtGroupName), QRect(840, 435, 3015, 285));
    EXPECT_EQ(twipsRect(form.cmdChangeIcon), QRect(2520, 840, 1335, 375));
    EXPECT_EQ(form.cmdChangeIcon.Caption(), "Change &Icon...");
    EXPECT_EQ(twipsRect(form.cmdOK), QRect(1800, 1440, 975, 375));
    EXPECT_EQ(twipsRect(form.cmdCancel), QRect(2880, 1440, 975, 375));
    EXPECT_EQ(twipsRect(form.lblIconPath), QRect(120, 1560, 1335, 255));
    EXPECT_EQ(form.Line1[1].BorderColor(), rt::vb3DHighlight);
    EXPECT_EQ(form.CMDialog.DialogTitle, "Browse File...");
    EXPECT_EQ(form.defaultButton(), &form.cmdOK);
    EXPECT_EQ(form.cancelButton(), &form.cmdCancel);
    const auto chain = focusChain(&form.txtGroupName, 4);
    EXPECT_EQ(chain, (std::vector<QWidget*>{&form.txtGroupName, &form.cmdChangeIcon, &form.cmdOK, &form.cmdCancel}));
}

TEST_F(GroupPropertyDialog, AnIconThatIsAPipeOrADeviceOpensAtOnceWithNoPicture)
{
    const QString pipe = dir.filePath("pipe.ico");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath("zero.ico");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    for (const QString& path : {pipe, zero}) {
        rt::ComPtr<kestrel98::CGroup> fresh(new kestrel98::CGroup);
        fresh->setItemInfo("group|Tools|:" + path);
        EXPECT_EQ(fresh->form().lblIconPath.Caption(), path);
        EXPECT_FALSE(hasDrawing(fresh->form().pictIcon)) << path.toStdString();
    }
}

}  // namespace
