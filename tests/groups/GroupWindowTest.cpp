// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The group window: opening and closing through the bar's hidden buttons,
// its place and size, its row in the store, running its items, its mouse,
// drags, drops and keys, and the bar's idle timer closing it.

#include "tests/groups/GroupFixture.h"

#include "core/MTooltip.h"
#include "platform/window/DropFiles.h"
#include "platform/window/WindowMessage.h"
#include "runtime/forms/DragSession.h"
#include "runtime/forms/Interaction.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

namespace {

class GroupWindow : public GroupFixture {
protected:
    bool barParked() { return bar->Left() == 1024 * 15 - 135; }

    // Drags a button (as the press and the move past the threshold would)
    // and drops it at a point of the screen.
    void drag(rt::Image& source, QPoint dropAtGlobal)
    {
        QTest::mousePress(&source, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(15, 5), source.mapToGlobal(QPointF(15, 5)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&source, &move);
        ASSERT_TRUE(rt::DragSession::active());
        rt::DragSession::finish(dropAtGlobal);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&group(), &event);
    }
};

TEST_F(GroupWindow, ANewGroupOpensAtThePointerAndAfterItsFirstCloseWhereItWas)
{
    load();
    fake.cursor = QPoint(100, 200);
    open(QStringLiteral("Fresh"));
    EXPECT_TRUE(mMain::GroupVisible);
    EXPECT_TRUE(group().isVisible());
    EXPECT_EQ(mMain::GroupItemCount, -1);
    EXPECT_EQ(group().Left(), 100 * 15 - 210);
    EXPECT_EQ(group().Top(), 200 * 15 - 210);
    EXPECT_EQ(group().Width(), 900);
    EXPECT_EQ(group().Height(), 450);

    mMain::cmdHideGroup->setValue(true);
    EXPECT_FALSE(group().isVisible());
    EXPECT_EQ(stored(section("Fresh"), QStringLiteral("Left")), QStringLiteral("1290"));
    EXPECT_EQ(stored(section("Fresh"), QStringLiteral("Top")), QStringLiteral("2790"));
    EXPECT_EQ(stored(section("Fresh"), QStringLiteral("0")), QString());

    fake.cursor = QPoint(600, 600);
    open(QStringLiteral("Fresh"));
    EXPECT_EQ(group().Left(), 1290);
    EXPECT_EQ(group().Top(), 2790);
}

TEST_F(GroupWindow, AGroupWithItemsButNoStoredPlaceOpensAtTheCornerAsLongAsItsRow)
{
    storeGroup(QStringLiteral("Tools"),
               {QStringLiteral("/bin|Bin"), QStringLiteral("sep"), QStringLiteral("/usr|Usr")});
    load();
    fake.cursor = QPoint(300, 300);
    open(QStringLiteral("Tools"));
    EXPECT_EQ(groupTags(), (QStringList{"/bin|Bin", "sep", "/usr|Usr"}));
    EXPECT_EQ(group().Left(), 0);
    EXPECT_EQ(group().Top(), 0);
    EXPECT_EQ(group().Width(), 3 * 330 + 330);
    EXPECT_EQ(group().Height(), 450);
    EXPECT_EQ(group().ItemImg[2].Left(), 210 + 660);
    EXPECT_EQ(group().ItemImg[2].Top(), 45);
    EXPECT_EQ(group().Line1[7].X1(), 3 * 330 + 330 - 15);
}

TEST_F(GroupWindow, AVerticalBarGivesAVerticalGroupWindow)
{
    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("top"));
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|Bin"), QStringLiteral("/usr|Usr")});
    load();
    open(QStringLiteral("Tools"));
    EXPECT_EQ(group().Width(), 450);
    EXPECT_EQ(group().Height(), 2 * 330 + 330);
    EXPECT_EQ(group().ItemImg[1].Left(), 45);
    EXPECT_EQ(group().ItemImg[1].Top(), 210 + 330 - 120);
    ASSERT_TRUE(group().insertRowItem(0, QStringLiteral("sep"), QString()));
    EXPECT_EQ(group().Height(), 3 * 330 + 330);
    EXPECT_EQ(group().Width(), 450);
}

TEST_F(GroupWindow, OpeningAnotherGroupWritesTheOpenOneFirst)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|Bin")});
    storeGroup(QStringLiteral("Games"), {QStringLiteral("/usr|Usr"), QStringLiteral("/etc|Etc")});
    load();
    open(QStringLiteral("Tools"));
    group().Move(3000, 1500);
    ASSERT_TRUE(group().AddNewGroupItem(QStringLiteral("sep"), QString()));
    open(QStringLiteral("Games"));
    EXPECT_EQ(storedList(section("Tools")), (QStringList{"/bin|Bin", "sep"}));
    EXPECT_EQ(stored(section("Tools"), QStringLiteral("Left")), QStringLiteral("3000"));
    EXPECT_EQ(stored(section("Tools"), QStringLiteral("Top")), QStringLiteral("1500"));
    EXPECT_EQ(group().Section(), QStringLiteral("groupGames"));
    EXPECT_EQ(groupTags(), (QStringList{"/usr|Usr", "/etc|Etc"}));
    EXPECT_TRUE(group().isVisible());
}

TEST_F(GroupWindow, OnlyTheForcedCloseWorksInEditModeAndEveryCloseLeavesFalseTags)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|a"), QStringLiteral("/usr|b"), QStringLiteral("/etc|c")});
    load();
    open(QStringLiteral("Tools"));
    mMain::EditMode = true;
    mMain::cmdHideGroup->setValue(true);
    EXPECT_TRUE(group().isVisible());
    EXPECT_TRUE(mMain::GroupVisible);

    mMain::cmdForceHide->setValue(true);
    EXPECT_FALSE(group().isVisible());
    EXPECT_FALSE(mMain::GroupVisible);
    EXPECT_TRUE(mMain::cmdShowGroup->Tag.isEmpty());
    EXPECT_TRUE(group().Section().isEmpty());
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(group().ItemImg[i].Tag, QStringLiteral("False"));
        EXPECT_TRUE(group().ItemImg[i].isHidden());
    }
    EXPECT_EQ(storedList(section("Tools")), (QStringList{"/bin|a", "/usr|b", "/etc|c"}));
    // With no group open there is nothing to write, and nothing is written.
    mMain::cmdForceHide->setValue(true);
    EXPECT_EQ(stored(QStringLiteral("group"), QStringLiteral("0")), QStringLiteral("<absent>"));
}

TEST_F(GroupWindow, RunningAnItemClosesBothWindowsUnlessShiftIsHeld)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin/sh|Shell"), QStringLiteral("sep")});
    load();
    showBar();
    open(QStringLiteral("Tools"));
    click(&group().ItemImg[0], Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, QStringList{QStringLiteral("/bin/sh")});
    EXPECT_TRUE(group().isVisible());
    EXPECT_EQ(bar->Left(), 0);
    click(&group().ItemImg[1]);
    EXPECT_TRUE(group().isVisible());
    click(&group().ItemImg[0]);
    EXPECT_EQ(fake.opened.size(), 2);
    EXPECT_FALSE(group().isVisible());
    EXPECT_FALSE(mMain::GroupVisible);
    EXPECT_TRUE(barParked());
}

TEST_F(GroupWindow, TheModeButtonInsideAGroupSwitchesModesAndKeepsTheWindowOpen)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("edit")});
    load();
    open(QStringLiteral("Tools"));
    click(&group().ItemImg[0]);
    EXPECT_TRUE(mMain::EditMode);
    EXPECT_EQ(group().ItemImg[0].Tag, QStringLiteral("exec"));
    click(&group().ItemImg[0]);
    EXPECT_FALSE(mMain::EditMode);
    EXPECT_EQ(group().ItemImg[0].Tag, QStringLiteral("edit"));
    EXPECT_TRUE(group().isVisible());
}

TEST_F(GroupWindow, ButtonsMoveInsideTheGroupButADragBetweenTheWindowsOnlyBeeps)
{
    storeItems({QStringLiteral("group|Tools|:"), QStringLiteral("/usr|b1")});
    storeGroup(QStringLiteral("Tools"),
               {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1"), QStringLiteral("/etc|g2")});
    save(section("Tools"), QStringLiteral("Left"), QStringLiteral("0"));
    save(section("Tools"), QStringLiteral("Top"), QStringLiteral("3000"));
    load();
    showBar();
    mMain::EditMode = true;
    const QStringList barBefore = barTags();

    // The press on the group's button opens its window; the drop onto it beeps.
    drag(bar->ItemImg[0], QPoint(14 + 22 * 2 + 15, 200 + 3 + 5));
    ASSERT_TRUE(group().isVisible());
    EXPECT_EQ(fake.beeps, 1);
    drag(group().ItemImg[0], bar->ItemImg[1].mapToGlobal(QPoint(15, 5)));
    EXPECT_EQ(fake.beeps, 2);
    EXPECT_EQ(barTags(), barBefore);
    EXPECT_EQ(groupTags(), (QStringList{"/bin|g0", "/usr|g1", "/etc|g2"}));

    drag(group().ItemImg[0], group().ItemImg[2].mapToGlobal(QPoint(15, 5)));
    EXPECT_EQ(groupTags(), (QStringList{"/usr|g1", "/etc|g2", "/bin|g0"}));
    // Past the last button of a group is its end.
    drag(group().ItemImg[0], group().mapToGlobal(QPoint(84, 2)));
    EXPECT_EQ(groupTags(), (QStringList{"/etc|g2", "/bin|g0", "/usr|g1"}));
    EXPECT_EQ(fake.beeps, 2);
}

TEST_F(GroupWindow, TheBackgroundsRightButtonClosesOutsideEditModeAndOpensTheMenuInIt)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    load();
    open(QStringLiteral("Tools"));
    click(&group(), Qt::RightButton, {}, QPoint(60, 3));
    EXPECT_FALSE(group().isVisible());
    EXPECT_TRUE(fake.menus.isEmpty());

    open(QStringLiteral("Tools"));
    mMain::EditMode = true;
    click(&group(), Qt::RightButton, {}, QPoint(14 + 22 + 3, 2));
    EXPECT_TRUE(group().isVisible());
    ASSERT_EQ(fake.menus.size(), 1);
    EXPECT_EQ(fake.menus[0].first().caption, QStringLiteral("&Insert"));
    EXPECT_EQ(fake.menus[0].last().name, QStringLiteral("mnuGrpProperty2"));
    EXPECT_FALSE(fake.menus[0].last().enabled);
    EXPECT_EQ(mMain::GroupInsertIndex, 1);
    // Unlike the bar's, the index is not held at the end of the row.
    click(&group(), Qt::RightButton, {}, QPoint(14 + 22 * 3 + 3, 2));
    EXPECT_EQ(mMain::GroupInsertIndex, 3);
}

TEST_F(GroupWindow, DraggingTheBackgroundMovesTheWindowAndTheNextOpeningUsesIt)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0")});
    load();
    open(QStringLiteral("Tools"));
    QTest::mousePress(&group(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(25, 15), group().mapToGlobal(QPointF(25, 15)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&group(), &move);
    QTest::mouseRelease(&group(), Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(group().Left(), 300);
    EXPECT_EQ(group().Top(), 150);
    mMain::cmdHideGroup->setValue(true);
    open(QStringLiteral("Tools"));
    EXPECT_EQ(group().Left(), 300);
    EXPECT_EQ(group().Top(), 150);
}

TEST_F(GroupWindow, TheBarsIdleTimerClosesItAfterThreeTicksAway)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0")});
    load();
    showBar();
    open(QStringLiteral("Tools"));
    group().Move(0, 3000);  // pixels 0..44 x 200..230
    fake.cursor = QPoint(20, 210);
    for (int i = 0; i < 4; ++i)
        bar->timer1_Timer();
    fake.cursor = QPoint(500, 600);
    bar->timer1_Timer();
    bar->timer1_Timer();
    EXPECT_TRUE(group().isVisible());
    bar->timer1_Timer();
    EXPECT_FALSE(group().isVisible());
    EXPECT_EQ(bar->Left(), 0);
}

TEST_F(GroupWindow, FilesDroppedInEditModeJoinTheRowAndTheWindowGrows)
{
    QTemporaryDir dir;
    QStringList files;
    for (const char* name : {"one.txt", "two.txt"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        files << file.fileName();
    }
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0"), QStringLiteral("/usr|g1")});
    load();
    open(QStringLiteral("Tools"));
    platform::postWindowMessage(&group(), platform::WM_DROPFILES, platform::makeDrop(files, QPoint(20, 10)), 0);
    QApplication::processEvents();
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(mMain::GroupItemCount, 1);

    mMain::EditMode = true;
    platform::postWindowMessage(&group(), platform::WM_DROPFILES, platform::makeDrop(files, QPoint(20, 10)), 0);
    QApplication::processEvents();
    EXPECT_EQ(groupTags(), (QStringList{files[1] + "|two.txt", files[0] + "|one.txt", "/bin|g0", "/usr|g1"}));
    EXPECT_EQ(group().Width(), 4 * 330 + 330);
    EXPECT_EQ(platform::openDropCount(), 0);
}

TEST_F(GroupWindow, KeysWalkTheRowAndEscClosesTheWindow)
{
    storeGroup(
        QStringLiteral("Tools"),
        {QStringLiteral("/bin|g0"), QStringLiteral("sep"), QStringLiteral("/usr|g1"), QStringLiteral("/etc|g2")});
    load();
    showBar();
    open(QStringLiteral("Tools"));
    press(Qt::Key_Right);
    EXPECT_EQ(mMain::GroupSelected, 0);
    press(Qt::Key_Right);
    EXPECT_EQ(mMain::GroupSelected, 2);
    EXPECT_EQ(group().ItemImg[2].BorderStyle(), 1);
    EXPECT_FALSE(MTooltip::TipOwnerIsBar);
    // A selection in the group window holds it against the idle timer.
    fake.cursor = QPoint(500, 600);
    for (int i = 0; i < 4; ++i)
        bar->timer1_Timer();
    EXPECT_TRUE(group().isVisible());
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, QStringList{QStringLiteral("/usr")});
    EXPECT_TRUE(group().isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(group().isVisible());
    EXPECT_EQ(mMain::GroupSelected, -1);
    EXPECT_EQ(bar->Left(), 0);
}

TEST_F(GroupWindow, ItemsBeyondTheCapacityAreAnnouncedAndStayStored)
{
    // (1024 x 15 - 900) \ 330 = 43: buttons 0 to 43.
    QStringList items;
    for (int i = 0; i < 46; ++i)
        items << QStringLiteral("sep");
    items[45] = QStringLiteral("/bin|last");
    storeGroup(QStringLiteral("Tools"), items);
    load();
    open(QStringLiteral("Tools"));
    EXPECT_EQ(mMain::GroupItemCount, 43);
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(
        fake.messageBoxes[0].prompt,
        QStringLiteral("Some items were not created because there is no more space. Use groups to add more items. "));
    mMain::cmdHideGroup->setValue(true);
    EXPECT_EQ(storedList(section("Tools")), items);
}

TEST_F(GroupWindow, AGroupStillOpenWhenTheProgramEndsIsWritten)
{
    storeGroup(QStringLiteral("Tools"), {QStringLiteral("/bin|g0")});
    load();
    open(QStringLiteral("Tools"));
    mMain::EditMode = true;
    ASSERT_TRUE(group().AddNewGroupItem(QStringLiteral("sep"), QString()));
    group().Move(1500, 600);
    bar->Unload();
    EXPECT_EQ(storedList(section("Tools")), (QStringList{"/bin|g0", "sep"}));
    EXPECT_EQ(stored(section("Tools"), QStringLiteral("Left")), QStringLiteral("1500"));
    EXPECT_FALSE(mMain::GroupVisible);
}

}  // namespace
