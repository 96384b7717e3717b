// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of the group window's menus: new items and separators at the
// insertion point, the window's length after each change, deleting, item
// properties, and a full row.

#include "tests/menus/MenuFixture.h"

#include "runtime/forms/Interaction.h"

namespace {

class GroupCommands : public MenuFixture {
protected:
    void openInEditMode(const QString& name)
    {
        load();
        open(name);
        mMain::EditMode = true;
    }
};

TEST_F(GroupCommands, NewItemsLandAtTheInsertionPointAndTheWindowGrows)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    openInEditMode(QStringLiteral("Tools"));
    answerItem(QStringLiteral("/var"), QStringLiteral("v"));
    onGroupBackground(14 + 22 + 3, QStringLiteral("mnuGrpNewItem2"));  // (585 - 50) \ 330 = 1
    EXPECT_EQ(groupTags(), (QStringList{"/bin|g0", "/var|v", "/usr|g1"}));
    EXPECT_EQ(group().Width(), 3 * 330 + 330);
    onButton(group().ItemImg[0], 12, QStringLiteral("mnuGrpSeparator"));
    EXPECT_EQ(groupTags(), (QStringList{"/bin|g0", "sep", "/var|v", "/usr|g1"}));
    EXPECT_EQ(group().Width(), 4 * 330 + 330);
    EXPECT_EQ(group().Line1[7].X1(), 4 * 330 + 330 - 15);
    EXPECT_TRUE(group().isVisible());
}

TEST_F(GroupCommands, AnInsertionPointPastTheEndLeavesTheNewItemLastAndHiddenButtonsAlone)
{
    storeGroup(QStringLiteral("Games"), {"/bin|a", "/usr|b", "/etc|c", "/var|d", "/tmp|e"});
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0")});
    load();
    open(QStringLiteral("Games"));
    open(QStringLiteral("Tools"));
    mMain::EditMode = true;
    ASSERT_EQ(group().ItemImg[3].Tag, QStringLiteral("False"));
    onGroupBackground(14 + 22 * 3 + 3, QStringLiteral("mnuGrpSeparator2"));
    EXPECT_EQ(mMain::GroupInsertIndex, 3);
    EXPECT_EQ(groupTags(), (QStringList{"/bin|g0", "sep"}));
    EXPECT_EQ(group().ItemImg[3].Tag, QStringLiteral("False"));
    EXPECT_TRUE(group().ItemImg[3].isHidden());
    EXPECT_EQ(group().Width(), 2 * 330 + 330);
}

TEST_F(GroupCommands, DeletingDownToOneAndToNoItemsGives660And900Twips)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    openInEditMode(QStringLiteral("Tools"));
    fake.answers = {rt::vbNo};
    onButton(group().ItemImg[0], 5, QStringLiteral("mnuGrpDelete"));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, QStringLiteral("Are you sure you want to delete this item?"));
    EXPECT_EQ(groupTags().size(), 2);
    EXPECT_EQ(group().Width(), 990);

    onButton(group().ItemImg[0], 5, QStringLiteral("mnuGrpDelete"));
    EXPECT_EQ(groupTags(), QStringList{QStringLiteral("/usr|g1")});
    EXPECT_EQ(group().Width(), 660);
    onButton(group().ItemImg[0], 5, QStringLiteral("mnuGrpDelete"));
    EXPECT_EQ(mMain::GroupItemCount, -1);
    EXPECT_EQ(group().Width(), 900);
    EXPECT_EQ(group().Height(), 450);
    EXPECT_TRUE(group().isVisible());
    EXPECT_EQ(fake.beeps, 3);

    mMain::cmdForceHide->setValue(true);
    EXPECT_EQ(storedList(section("Tools")), QStringList());
    EXPECT_TRUE(present(section("Tools"), QStringLiteral("0")));
}

TEST_F(GroupCommands, AGroupItemsNewPropertiesReplaceItsTagAndAreStoredOnClose)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    openInEditMode(QStringLiteral("Tools"));
    answerItem(QStringLiteral("/etc"), QStringLiteral("Etc"));
    onButton(group().ItemImg[1], 5, QStringLiteral("mnuGrpProperty"));
    EXPECT_EQ(groupTags(), (QStringList{"/bin|g0", "/etc|Etc"}));
    EXPECT_TRUE(group().isVisible());
    mMain::cmdForceHide->setValue(true);
    EXPECT_EQ(storedList(section("Tools")), (QStringList{"/bin|g0", "/etc|Etc"}));
}

TEST_F(GroupCommands, AFullGroupLeavesEveryButtonAsItWas)
{
    storeGroup(QStringLiteral("Tools"), QStringList(44, QStringLiteral("sep")));
    openInEditMode(QStringLiteral("Tools"));
    ASSERT_EQ(mMain::GroupItemCount, 43);
    const int32_t width = group().Width();
    onGroupBackground(20, QStringLiteral("mnuGrpSeparator2"));
    answerItem(QStringLiteral("/var"), QStringLiteral("v"));
    onGroupBackground(20, QStringLiteral("mnuGrpNewItem2"));
    EXPECT_EQ(groupTags(), QStringList(44, QStringLiteral("sep")));
    EXPECT_EQ(group().Width(), width);
    ASSERT_EQ(fake.messageBoxes.size(), 2);
    EXPECT_EQ(fake.messageBoxes[1].prompt,
              QStringLiteral("Kestrel 98 cannot create a new item because it already has too many items. "));
}

}  // namespace
