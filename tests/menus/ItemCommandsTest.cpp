// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of the bar's item and background menus: where new items,
// separators and groups land, what Cancel and an unchanged OK leave, group
// renames and their copies, deleting, the settings entry, GetBetween.

#include "tests/menus/MenuFixture.h"

#include "menus/MenuForm.h"
#include "runtime/forms/Interaction.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

namespace {

class ItemCommands : public MenuFixture {
protected:
    // Edit Mode entered as the user does, through the mode button.
    void loadInEditMode()
    {
        load();
        showBar();
        click(&bar->ItemImg[mMain::ItemCount - 2]);
        ASSERT_TRUE(mMain::EditMode);
    }
};

TEST_F(ItemCommands, NewItemsLandWhereTheBackgroundOrTheButtonHalfPutsThem)
{
    storeItems({QStringLiteral("/bin|b0"), QStringLiteral("/usr|b1"), QStringLiteral("/etc|b2")});
    loadInEditMode();
    answerItem(QStringLiteral("/var"), QStringLiteral("v"));
    onBarBackground(14 + 22 + 3, QStringLiteral("mnuFormNewItem"));  // (585 - 50) \ 330 = 1
    EXPECT_EQ(barTags().mid(0, 4), (QStringList{"/bin|b0", "/var|v", "/usr|b1", "/etc|b2"}));

    answerItem(QStringLiteral("/tmp"), QStringLiteral("t"));
    onButton(bar->ItemImg[0], 10, QStringLiteral("mnuNewItem"));  // 150 twips in: after it
    EXPECT_EQ(barTags().mid(0, 3), (QStringList{"/bin|b0", "/tmp|t", "/var|v"}));
    onButton(bar->ItemImg[0], 9, QStringLiteral("mnuSeparator"));  // 135 twips in: before it
    EXPECT_EQ(barTags().mid(0, 2), (QStringList{"sep", "/bin|b0"}));

    // Beyond the last item the new one still goes before the built-in buttons.
    onBarBackground(600, QStringLiteral("mnuFormSeparator"));
    EXPECT_EQ(barTags().mid(5), (QStringList{"/etc|b2", "sep", "exec", "prop", "help"}));
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(ItemCommands, ANewGroupStartsFromAnEmptyNameAndLandsLikeAnItem)
{
    storeItems({QStringLiteral("/bin|b0")});
    loadInEditMode();
    QString offeredName = QStringLiteral("<not shown>");
    fake.onModal = [&](QWidget* window) {
        auto& form = *static_cast<kestrel98::frmGroup*>(window);
        offeredName = form.txtGroupName.Text();
        form.txtGroupName.setText(QStringLiteral("Tools"));
        form.cmdOK.click();
    };
    onBarBackground(14 + 3, QStringLiteral("mnuNewGroup2"));
    EXPECT_EQ(offeredName, QString());
    EXPECT_EQ(barTags().mid(0, 2), (QStringList{"group|Tools|:", "/bin|b0"}));
    EXPECT_FALSE(present(section("Tools"), QStringLiteral("0")));
}

TEST_F(ItemCommands, CancelInEveryDialogLeavesNoTrace)
{
    storeItems({QStringLiteral("/bin|b0"), QStringLiteral("group|Tools|:")});
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/usr|g0")});
    loadInEditMode();
    pressInDialogs("cmdCancel");
    const QStringList before = barTags();
    onBarBackground(600, QStringLiteral("mnuFormNewItem"));
    onBarBackground(600, QStringLiteral("mnuNewGroup2"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(barTags(), before);

    click(&bar->ItemImg[1]);  // opens the group's window
    ASSERT_TRUE(group().isVisible());
    onButton(group().ItemImg[0], 5, QStringLiteral("mnuGrpProperty"));
    onGroupBackground(38, QStringLiteral("mnuGrpNewItem2"));
    EXPECT_EQ(groupTags(), QStringList{QStringLiteral("/usr|g0")});
    EXPECT_EQ(group().Width(), 660);
    EXPECT_TRUE(group().isVisible());

    EXPECT_EQ(fake.modalWindows.size(), 6);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
    EXPECT_FALSE(present(section("Tools"), QStringLiteral("Left")));
    EXPECT_FALSE(present(QStringLiteral("group"), QStringLiteral("0")));
}

TEST_F(ItemCommands, OkWithoutChangesChangesNothingAndCopiesNoSection)
{
    storeItems({QStringLiteral("/bin|b0"), QStringLiteral("group|Tools|:")});
    loadInEditMode();
    pressInDialogs("cmdOK");
    const QStringList before = barTags();
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(fake.modalWindows.size(), 2);
    EXPECT_EQ(barTags(), before);
    for (const char* key : {"Left", "Top", "0"})
        EXPECT_FALSE(present(section("Tools"), QLatin1String(key))) << key;
}

TEST_F(ItemCommands, AnItemsNewPropertiesReplaceItsTag)
{
    storeItems({QStringLiteral("/bin|b0")});
    loadInEditMode();
    answerItem(QStringLiteral("/usr"), QStringLiteral("Usr"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(0), QStringLiteral("/usr|Usr"));
}

TEST_F(ItemCommands, ARenameCopiesPositionAndItemsAndEndsTheCopiedList)
{
    storeItems({QStringLiteral("group|Old|:")});
    storeGroup(QStringLiteral("Old"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    save(section("Old"), QStringLiteral("Left"), QStringLiteral("1500"));
    save(section("Old"), QStringLiteral("Top"), QStringLiteral("3000"));
    loadInEditMode();
    answerGroup(QStringLiteral("New"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(0), QStringLiteral("group|New|:"));
    EXPECT_EQ(storedList(section("New")), (QStringList{"/bin|g0", "/usr|g1"}));
    EXPECT_EQ(stored(section("New"), QStringLiteral("Left")), QStringLiteral("1500"));
    EXPECT_EQ(stored(section("New"), QStringLiteral("Top")), QStringLiteral("3000"));
    EXPECT_EQ(stored(section("New"), QStringLiteral("2")), QString());
    EXPECT_EQ(storedList(section("Old")), (QStringList{"/bin|g0", "/usr|g1"}));
}

TEST_F(ItemCommands, CopyRegistryEndsALongerListAndCopiesAMissingPositionAsEmpty)
{
    storeGroup(QStringLiteral("Long"), {"a|1", "b|2", "c|3", "d|4"});
    storeGroup(QStringLiteral("Short"), {"x|1", "y|2"});
    MenuForm::CopyRegistry(QStringLiteral("Long"), QStringLiteral("Short"));
    EXPECT_EQ(storedList(section("Long")), (QStringList{"x|1", "y|2"}));
    EXPECT_EQ(stored(section("Long"), QStringLiteral("Left")), QString());
    EXPECT_EQ(stored(section("Long"), QStringLiteral("Top")), QString());
    EXPECT_EQ(storedList(section("Short")), (QStringList{"x|1", "y|2"}));
}

TEST_F(ItemCommands, ARenameOntoAnotherStoredGroupIsRefusedAndChangesNothing)
{
    storeItems({QStringLiteral("group|Tools|:"), QStringLiteral("group|Games|:")});
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|t0")});
    save(section("Tools"), QStringLiteral("Left"), QStringLiteral("600"));
    save(section("Tools"), QStringLiteral("Top"), QStringLiteral("900"));
    storeGroup(QStringLiteral("Games"), {QStringLiteral("/usr|g0"), QStringLiteral("/etc|g1")});
    loadInEditMode();
    answerGroup(QStringLiteral("Tools"));
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].title, QStringLiteral("Kestrel 98"));
    EXPECT_TRUE(fake.messageBoxes[0].prompt.contains(QStringLiteral("\"Tools\" already exists")));
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(tagOf(1), QStringLiteral("group|Games|:"));
    EXPECT_EQ(storedList(section("Tools")), QStringList{QStringLiteral("/bin|t0")});
    EXPECT_EQ(stored(section("Tools"), QStringLiteral("Left")), QStringLiteral("600"));
    EXPECT_EQ(stored(section("Tools"), QStringLiteral("Top")), QStringLiteral("900"));

    // A new icon under the same name, and a name no stored group has, go through.
    QTemporaryDir dir;
    const QString icon = dir.filePath(QStringLiteral("games.ico"));
    ASSERT_TRUE(writeIcon(icon, Qt::green));
    answerGroup(QStringLiteral("Games"), icon);
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(1), QStringLiteral("group|Games|:") + icon);
    answerGroup(QStringLiteral("Fresh"));
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(1), QStringLiteral("group|Fresh|:"));
    EXPECT_EQ(storedList(section("Fresh")), (QStringList{"/usr|g0", "/etc|g1"}));
    // Names differing in case only are different groups.
    answerGroup(QStringLiteral("fresh"));
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(1), QStringLiteral("group|fresh|:"));
    EXPECT_EQ(fake.messageBoxes.size(), 1);
}

TEST_F(ItemCommands, ARenameBackOrOntoADeletedGroupsNameTakesOnlyThisGroupsItems)
{
    storeItems({QStringLiteral("group|A|:"), QStringLiteral("group|Gone|:")});
    storeGroup(QStringLiteral("A"), {QStringLiteral("/bin|a0"), QStringLiteral("/usr|a1")});
    save(section("A"), QStringLiteral("Left"), QStringLiteral("1500"));
    storeGroup(QStringLiteral("Gone"),
               {QStringLiteral("/etc|x0"), QStringLiteral("/var|x1"), QStringLiteral("/opt|x2")});
    save(section("Gone"), QStringLiteral("Top"), QStringLiteral("777"));
    save(section("Gone"), QStringLiteral("5"), QStringLiteral("/srv|stale"));
    loadInEditMode();
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuDelete"));
    ASSERT_EQ(barTags().first(), QStringLiteral("group|A|:"));

    answerGroup(QStringLiteral("B"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    answerGroup(QStringLiteral("A"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(0), QStringLiteral("group|A|:"));
    EXPECT_EQ(storedList(section("A")), (QStringList{"/bin|a0", "/usr|a1"}));
    EXPECT_EQ(stored(section("A"), QStringLiteral("Left")), QStringLiteral("1500"));

    answerGroup(QStringLiteral("Gone"));
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    EXPECT_EQ(tagOf(0), QStringLiteral("group|Gone|:"));
    EXPECT_EQ(storedList(section("Gone")), (QStringList{"/bin|a0", "/usr|a1"}));
    EXPECT_EQ(stored(section("Gone"), QStringLiteral("Left")), QStringLiteral("1500"));
    EXPECT_EQ(stored(section("Gone"), QStringLiteral("Top")), QString());
    EXPECT_FALSE(present(section("Gone"), QStringLiteral("5")));
    // Only the delete question was asked; no rename was refused.
    EXPECT_EQ(fake.messageBoxes.size(), 1);
    // What the renames left behind stays, as after any rename.
    EXPECT_EQ(storedList(section("B")), (QStringList{"/bin|a0", "/usr|a1"}));
}

TEST_F(ItemCommands, AFullRowLeavesEveryButtonAsItWas)
{
    storeItems(QStringList(60, QStringLiteral("sep")));
    loadInEditMode();
    fake.messageBoxes.clear();
    const QStringList before = barTags();
    onBarBackground(20, QStringLiteral("mnuFormSeparator"));
    answerItem(QStringLiteral("/var"), QStringLiteral("v"));
    onBarBackground(20, QStringLiteral("mnuFormNewItem"));
    answerGroup(QStringLiteral("Tools"));
    onBarBackground(20, QStringLiteral("mnuNewGroup2"));
    EXPECT_EQ(barTags(), before);
    ASSERT_EQ(fake.messageBoxes.size(), 3);
    for (const auto& message : fake.messageBoxes)
        EXPECT_EQ(message.prompt,
                  QStringLiteral("Kestrel 98 cannot create a new item because it already has too many "
                                 "items. Use groups to add more items. "));
}

TEST_F(ItemCommands, DeletingAsksFirstAndLeavesAGroupsSectionInTheStore)
{
    storeItems({QStringLiteral("/bin|b0"), QStringLiteral("group|Tools|:"), QStringLiteral("/usr|b2")});
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/etc|g0")});
    loadInEditMode();
    fake.answers = {rt::vbNo};
    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuDelete"));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, QStringLiteral("Are you sure you want to delete this item?"));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbYesNo | rt::vbQuestion);
    EXPECT_EQ(fake.messageBoxes[0].title, QStringLiteral("Kestrel 98"));
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(mMain::ItemCount, 5);

    onButton(bar->ItemImg[1], 5, QStringLiteral("mnuDelete"));
    EXPECT_EQ(barTags(), (QStringList{"/bin|b0", "/usr|b2", "exec", "prop", "help"}));
    EXPECT_FALSE(bar->ItemImg.exists(5));
    EXPECT_EQ(storedList(section("Tools")), QStringList{QStringLiteral("/etc|g0")});
}

TEST_F(ItemCommands, TheBackgroundsPropertyEntryOpensTheSettingsAppliedOnLeavingEditMode)
{
    load();
    showBar();
    const int modeButton = mMain::ItemCount - 2;
    click(&bar->ItemImg[modeButton]);
    ASSERT_TRUE(mMain::EditMode);
    fake.onModal = [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kestrel 98 Property"));
        save(QStringLiteral("Setting"), QStringLiteral("Speed"), QStringLiteral("1000"));
    };
    onBarBackground(600, QStringLiteral("mnuFormProperty"));
    EXPECT_EQ(fake.modalWindows.size(), 1);
    EXPECT_TRUE(mMain::SettingsPending);
    EXPECT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_NE(mMain::Speed, 1000);
    click(&bar->ItemImg[modeButton]);
    EXPECT_FALSE(mMain::EditMode);
    EXPECT_FALSE(mMain::SettingsPending);
    EXPECT_EQ(mMain::Speed, 1000);
}

TEST_F(ItemCommands, ADialogLibraryThatWillNotLoadIsToldAndTheCommandDoesNothing)
{
    storeItems({QStringLiteral("/bin|b0")});
    loadInEditMode();
    QTemporaryDir broken;
    ASSERT_TRUE(writeFile(broken.filePath(QStringLiteral("libkestrel98.so")), "not a library"));
    const ScopedEnv onlyBroken("K98_COMPONENT_PATH", broken.path().toLocal8Bit());
    const QStringList before = barTags();
    onButton(bar->ItemImg[0], 5, QStringLiteral("mnuProperty"));
    onBarBackground(600, QStringLiteral("mnuFormProperty"));

    EXPECT_EQ(barTags(), before);
    EXPECT_TRUE(fake.modalWindows.isEmpty());
    ASSERT_EQ(fake.messageBoxes.size(), 2);
    EXPECT_TRUE(
        fake.messageBoxes[0].prompt.startsWith(QStringLiteral("The dialog kestrel98.CProperty cannot be opened.")));
    EXPECT_TRUE(fake.messageBoxes[0].prompt.contains(QStringLiteral("libkestrel98.so")));
    EXPECT_TRUE(
        fake.messageBoxes[1].prompt.startsWith(QStringLiteral("The dialog kestrel98.CSettingEx cannot be opened.")));
}

TEST(GetBetween, FindsTheTextBetweenTheFirstBeforeAndTheNextAfterIgnoringCase)
{
    EXPECT_EQ(MenuForm::GetBetween("group|Tools|:/icons/t.ico", "|", "|:"), QStringLiteral("Tools"));
    EXPECT_EQ(MenuForm::GetBetween("group||:", "|", "|:"), QString());
    EXPECT_EQ(MenuForm::GetBetween("aXbYc", "x", "y"), QStringLiteral("b"));
    EXPECT_EQ(MenuForm::GetBetween("group|Tools", "#", "|"), QString());
    EXPECT_EQ(MenuForm::GetBetween("group|Tools", "|", "|:"), QString());
    // The After is looked for from the character after the Before's start.
    EXPECT_EQ(MenuForm::GetBetween("a|:b|:", "|", "|:"), QStringLiteral(":b"));
}

}  // namespace
