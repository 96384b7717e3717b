// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The item property dialog: ItemInfo in and out, the checks of OK, browsing
// and the icons.

#include "DialogTestSupport.h"

#include "dialogs/CProperty.h"
#include "dialogs/frmProperty.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/WhileShown.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

using kestrel98::frmProperty;

const QString Missing = "Specified file/directory/item does not exist. Enter a valid file/directory/item name. ";

class ItemPropertyDialog : public ::testing::Test {
protected:
    ItemPropertyDialog() { QFile(file).open(QIODevice::WriteOnly); }

    void show(const std::function<void(frmProperty&)>& act)
    {
        whileShown<frmProperty>(fake, act, [this] { dialog->Show(); });
    }

    FakePlatform fake;
    QTemporaryDir dir;
    const QString file = dir.filePath("tool.sh");
    rt::ComPtr<kestrel98::CProperty> dialog{new kestrel98::CProperty};
    frmProperty& form = dialog->form();
};

TEST_F(ItemPropertyDialog, ListedSpecialItemIsAcceptedWithoutALookUp)
{
    dialog->setItemInfo("Printer Folder|Printers");
    show([](frmProperty& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "Printer Folder|Printers");
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(ItemPropertyDialog, UnknownPathIsRefusedWithItsOwnTitle)
{
    show([](frmProperty& f) {
        f.Text1.setText("Fonts Folder");  // known to the icons, not to the list
        f.cmdOK.click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.focusWidget(), &f.Text1);
        f.cmdCancel.click();
    });
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, Missing);
    EXPECT_EQ(fake.messageBoxes[0].title, "Fonts Folder");
    EXPECT_EQ(fake.messageBoxes[0].style, platform::MessageIcon::Information);
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(dialog->ItemInfo(), "");
}

TEST_F(ItemPropertyDialog, TooltipHoldingABarRoundTrips)
{
    dialog->setItemInfo(file + "|run it|now");
    EXPECT_EQ(form.Text1.Text(), file);
    EXPECT_EQ(form.Text2.Text(), "run it|now");
    show([](frmProperty& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), file + "|run it|now");

    rt::ComPtr<kestrel98::CProperty> again(new kestrel98::CProperty);
    again->setItemInfo(dialog->ItemInfo());
    EXPECT_EQ(again->form().Text2.Text(), "run it|now");
}

TEST_F(ItemPropertyDialog, ExistingPathWithEmptyTooltipEndsInTheBar)
{
    show([&](frmProperty& f) {
        f.Text1.setText(file);
        f.cmdOK.click();
    });
    EXPECT_EQ(dialog->ItemInfo(), file + "|");
}

TEST_F(ItemPropertyDialog, CancelKeepsTheResultOfTheLastOk)
{
    show([](frmProperty& f) { f.cmdCancel.click(); });
    EXPECT_EQ(dialog->ItemInfo(), "");
    dialog->setItemInfo("My Computer|");
    show([](frmProperty& f) { f.cmdOK.click(); });
    show([](frmProperty& f) {
        f.Text1.setText("Recycle Bin");
        f.cmdCancel.click();
    });
    EXPECT_EQ(dialog->ItemInfo(), "My Computer|");
}

TEST_F(ItemPropertyDialog, ItemInfoWithoutBarFillsNeitherBoxAndEmptyChangesNothing)
{
    dialog->setItemInfo(file + "|tip");
    dialog->setItemInfo("");
    EXPECT_EQ(form.Text1.Text(), file);
    dialog->setItemInfo("no bar");
    EXPECT_EQ(form.Text1.Text(), "");
    EXPECT_EQ(form.Text2.Text(), "");
}

TEST_F(ItemPropertyDialog, IconsOfSpecialItemsPathsAndUnknownNames)
{
    dialog->setItemInfo("Fonts Folder|");
    EXPECT_TRUE(hasDrawing(form.Picture1));
    dialog->setItemInfo(dir.filePath("gone") + "|");
    EXPECT_FALSE(hasDrawing(form.Picture1));
    dialog->setItemInfo(file + "|");
    EXPECT_TRUE(hasDrawing(form.Picture1));
}

TEST_F(ItemPropertyDialog, PickingASpecialItemFromTheListShowsItsIcon)
{
    ASSERT_EQ(form.Text1.ListCount(), 6);
    const QStringList listed = {"My Computer", "Network Neighborhood", "Control Panel",
                                "Recycle Bin", "Printer Folder",       "Desktop Folder"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(form.Text1.List(i), listed[i]);
    EXPECT_EQ(form.Text1.Text(), "");

    form.Text1.setCurrentIndex(3);
    emit form.Text1.activated(3);
    EXPECT_TRUE(hasDrawing(form.Picture1));
}

TEST_F(ItemPropertyDialog, BrowsingFillsThePathAndItsIcon)
{
    fake.fileChoices << platform::FileChoice{true, file};
    fake.folderChoices << dir.path();
    show([](frmProperty& f) {
        f.cmdFile.click();
        f.cmdFolder.click();
        f.cmdOK.click();
    });
    EXPECT_EQ(fake.fileDialogFilters, QStringList({"All Files (*.*)|*.*|Executable Files (*.exe)|*.exe|"}));
    EXPECT_EQ(fake.folderTitles, QStringList({"Choose a folder."}));
    EXPECT_EQ(dialog->ItemInfo(), dir.path() + "|");
    EXPECT_TRUE(hasDrawing(form.Picture1));
}

TEST_F(ItemPropertyDialog, CancelledBrowsingLeavesBoxAndIcon)
{
    dialog->setItemInfo("Recycle Bin|");
    const QImage icon = form.Picture1.surface().copy();
    show([](frmProperty& f) {
        f.cmdFolder.click();
        f.cmdFile.click();
        f.cmdCancel.click();
    });
    EXPECT_EQ(form.Text1.Text(), "Recycle Bin");
    EXPECT_EQ(form.Picture1.surface(), icon);
}

TEST_F(ItemPropertyDialog, FormTable)
{
    EXPECT_EQ(form.Caption(), "Item Property");
    EXPECT_EQ(QSize(form.Width(), form.Height()), QSize(3960, 2520));
    EXPECT_EQ(form.Label1[0].Caption(), "File/Fol&der");
    EXPECT_EQ(form.Label1[1].Caption(), "&Tooltip");
    EXPECT_EQ(twipsRect(form.Text1), QRect(720, 360, 3135, 330));
    EXPECT_EQ(twipsRect(form.Text2), QRect(720, 1440, 3135, 315));
    EXPECT_EQ(form.Text1.font().family(), "Arial");
    EXPECT_EQ(twipsRect(form.cmdFolder), QRect(1320, 780, 1215, 375));
    EXPECT_EQ(form.cmdFolder.Caption(), "Browse F&older");
    EXPECT_EQ(form.cmdFile.Caption(), "Browse &File");
    EXPECT_EQ(twipsRect(form.cmdOK), QRect(1800, 2040, 975, 375));
    EXPECT_EQ(twipsRect(form.cmdCancel), QRect(2880, 2040, 975, 375));
    EXPECT_EQ(twipsRect(form.Picture1), QRect(120, 120, 480, 480));
    EXPECT_EQ(form.Line1[0].BorderColor(), rt::vbButtonShadow);
    EXPECT_EQ(form.Line1[1].X1(), 6360);
    EXPECT_EQ(form.Line1[1].X2(), -240);
    EXPECT_EQ(form.defaultButton(), &form.cmdOK);
    EXPECT_EQ(form.cancelButton(), &form.cmdCancel);
    const auto chain = focusChain(&form.Text1, 7);
    EXPECT_EQ(chain,
              (std::vector<QWidget*>{&form.Text1, &form.cmdFolder, &form.cmdFile, &form.Text2, &form.cmdOK,
                                     &form.cmdCancel, &form.Picture1}));
}

TEST_F(ItemPropertyDialog, APathHoldingABarIsRefusedWithTheMessageOfADrop)
{
    const QString barred = dir.filePath("a|b.sh");
    QFile(barred).open(QIODevice::WriteOnly);
    show([&](frmProperty& f) {
        f.Text1.setText(barred);
        f.cmdOK.click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.focusWidget(), &f.Text1);
        f.cmdCancel.click();
    });
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              "\"" + barred + "\" cannot be added because its name contains the character \"|\".");
    EXPECT_EQ(fake.messageBoxes[0].title, "Kestrel 98");
    EXPECT_EQ(dialog->ItemInfo(), "");
}

TEST_F(ItemPropertyDialog, TextsBeyondTheUsualLineLimitComeBackWhole)
{
    const QString tip = QString("tip ").repeated(10000);
    dialog->setItemInfo(file + "|" + tip);
    show([](frmProperty& f) { f.cmdOK.click(); });
    EXPECT_EQ(dialog->ItemInfo(), file + "|" + tip);

    const QString longPath = "/" + QString("d/").repeated(20000);
    show([&](frmProperty& f) {
        f.Text1.setText(longPath);
        EXPECT_EQ(f.Text1.Text(), longPath);
        f.cmdCancel.click();
    });
}

}  // namespace
