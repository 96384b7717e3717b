// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Using the bar: clicking items in both modes, sliding in and parking, the
// idle timer, the background's gestures, the hover frame and the title label.

#include "tests/bar/BarFixture.h"

#include "core/MTooltip.h"
#include "groups/frmGroup.h"
#include "menus/MenuForm.h"
#include "platform/window/WindowMessage.h"
#include "runtime/forms/Interaction.h"

#include <QApplication>
#include <QTest>

namespace {

// A bar that records where it stood at every repaint of a slide.
class RecordingBar : public frmMain {
public:
    QList<int32_t> steps;
    void Refresh() override
    {
        steps << Left();
        frmMain::Refresh();
    }
};

class Running : public BarFixture {
protected:
    RecordingBar& loadRecording()
    {
        auto* recording = new RecordingBar;
        bar.reset(recording);
        recording->Load();
        return *recording;
    }
    QWidget* button(int index) { return &bar->ItemImg[index]; }
    void click(int index, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(button(index), Qt::LeftButton, modifiers, QPoint(5, 5));
    }
    bool parked() { return bar->Left() == 1024 * 15 - 135; }
};

TEST_F(Running, AClickRunsTheItemAndParksTheBarUnlessShiftIsHeld)
{
    storeItems({QStringLiteral("/bin/sh|Shell"), QStringLiteral("sep")});
    load();
    showBar();
    click(0, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, QStringList{QStringLiteral("/bin/sh")});
    EXPECT_EQ(bar->Left(), 0);
    click(0);
    EXPECT_EQ(fake.opened.size(), 2);
    EXPECT_TRUE(parked());
    // A separator runs nothing and keeps the bar where it is.
    showBar();
    click(1);
    EXPECT_EQ(fake.opened.size(), 2);
    EXPECT_EQ(bar->Left(), 0);
}

TEST_F(Running, SpecialNamesOpenTheirPlacesOnlyInTheirExactCase)
{
    storeItems({QStringLiteral("My Computer|Computer"), QStringLiteral("my computer|lower case")});
    load();
    showBar();
    click(0, Qt::ShiftModifier);
    click(1, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, (QStringList{QStringLiteral("/"), QStringLiteral("my computer")}));
}

TEST_F(Running, TheModeButtonSwitchesBetweenExecAndEditMode)
{
    load();
    showBar();
    const QImage execPicture = bar->ItemImg[0].Picture().toImage();
    click(0);
    EXPECT_TRUE(mMain::EditMode);
    EXPECT_EQ(tagOf(0), QStringLiteral("exec"));
    EXPECT_NE(bar->ItemImg[0].Picture().toImage(), execPicture);
    // In Edit Mode the bar stays, and neither settings nor help react.
    bar->HideDashkeep();
    EXPECT_EQ(bar->Left(), 0);
    click(1);
    click(2);
    EXPECT_TRUE(fake.opened.isEmpty());
    EXPECT_TRUE(fake.modalWindows.isEmpty());
    click(0);
    EXPECT_FALSE(mMain::EditMode);
    EXPECT_EQ(tagOf(0), QStringLiteral("edit"));
    EXPECT_EQ(bar->ItemImg[0].Picture().toImage(), execPicture);
}

TEST_F(Running, HelpOpensTheHelpPagesAndPropertyTheSettingsDialog)
{
    load();
    showBar();
    click(2, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, QStringList{mMain::ProgramFolder + QStringLiteral("contents.htm")});
    fake.onModal = [](QWidget* dialog) {
        save(QStringLiteral("Setting"), QStringLiteral("Speed"), QStringLiteral("1000"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kestrel 98 Property"));
    };
    click(1);
    EXPECT_EQ(fake.modalWindows.size(), 1);
    // The settings are read again once the dialog is closed.
    EXPECT_EQ(mMain::Speed, 1000);
    EXPECT_TRUE(parked());
}

TEST_F(Running, SettingsChangedInEditModeWaitForExecMode)
{
    load();
    showBar();
    click(0);
    click(0, {});
    ASSERT_FALSE(mMain::EditMode);
    click(0);
    ASSERT_TRUE(mMain::EditMode);
    bar->ShowPropertyBox();
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              QStringLiteral("If you made any changes to Kestrel 98 properties, the effects will take place when you "
                             "switch to Exec Mode. "));
}

TEST_F(Running, GroupsOpenOnClickOrOnHoverAsSet)
{
    storeItems({QStringLiteral("group|Tools|:"), QStringLiteral("group|Games|:")});
    load();
    showBar();
    click(0);
    EXPECT_EQ(mMain::cmdShowGroup->Tag, QStringLiteral("Tools"));
    EXPECT_EQ(bar->Left(), 0);
    save(QStringLiteral("Setting"), QStringLiteral("GroupSetting"), QStringLiteral("1"));
    mMain::getGroupSetting();
    click(1);
    EXPECT_EQ(mMain::cmdShowGroup->Tag, QStringLiteral("Tools"));
    QTest::mouseMove(button(1), QPoint(6, 6));
    EXPECT_EQ(mMain::cmdShowGroup->Tag, QStringLiteral("Games"));
}

TEST_F(Running, TheSlideStepsByTheSpeedAndEndsAtTheEdge)
{
    RecordingBar& b = loadRecording();
    b.setLeft(925);
    b.ShowDashkeep();
    EXPECT_EQ(b.steps, (QList<int32_t>{825, 725, 625, 525, 425, 325, 225, 125, 25}));
    EXPECT_EQ(b.Left(), 0);
    b.steps.clear();
    b.setLeft(925);
    mMain::Speed = 1000;
    b.ShowDashkeep();
    // The first step is taken before the test: past the edge, then to it.
    EXPECT_EQ(b.steps, QList<int32_t>{-75});
    EXPECT_EQ(b.Left(), 0);
    b.steps.clear();
    b.ShowDashkeep();
    EXPECT_TRUE(b.steps.isEmpty());
}

TEST_F(Running, SmartSlideShowsTheWholeBarAndParksItBackWhereItWas)
{
    save(QStringLiteral("Setting"), QStringLiteral("SmartSlide"), QStringLiteral("yes"));
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("-200"));
    frmMain& b = load();
    EXPECT_EQ(b.Top(), -200);
    b.ShowDashkeep();
    EXPECT_EQ(b.Top(), 0);
    b.HideDashkeep();
    EXPECT_EQ(b.Top(), -200);
}

TEST_F(Running, TheSoundPlaysWhenTheBarSlidesIn)
{
    save(QStringLiteral("Setting"), QStringLiteral("Sound"), programFolder() + QStringLiteral("/kestrel98.lib"));
    load();
    showBar();
    EXPECT_EQ(fake.sounds.size(), 1);
}

TEST_F(Running, ThreeIdleTicksParkTheBarUnlessTheKeyboardHoldsIt)
{
    frmMain& b = load();
    showBar();
    fake.cursor = QPoint(500, 700);
    b.timer1_Timer();
    b.timer1_Timer();
    fake.cursor = QPoint(500, 10);  // back on the bar
    b.timer1_Timer();
    EXPECT_EQ(b.Left(), 0);
    fake.cursor = QPoint(500, 700);
    b.timer1_Timer();
    b.timer1_Timer();
    EXPECT_EQ(b.Left(), 0);
    b.timer1_Timer();
    EXPECT_TRUE(parked());
    EXPECT_FALSE(b.Timer1.Enabled());

    showBar();
    EXPECT_TRUE(b.Timer1.Enabled());
    b.activateWindow();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, {});
    QApplication::sendEvent(&b, &right);
    ASSERT_NE(b.Selected(), -1);
    for (int i = 0; i < 5; ++i)
        b.timer1_Timer();
    EXPECT_EQ(b.Left(), 0);
}

TEST_F(Running, TheGripSlidesTheBarInByClickOrByHoverAsSet)
{
    frmMain& b = load();
    QTest::mouseMove(&b, QPoint(5, 20));
    EXPECT_TRUE(parked());
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(b.Left(), 0);
    b.HideDashkeep();
    save(QStringLiteral("Setting"), QStringLiteral("Behavior"), QStringLiteral("move"));
    mMain::getBehavior();
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_TRUE(parked());
    QTest::mouseMove(&b, QPoint(6, 20));
    EXPECT_EQ(b.Left(), 0);
}

TEST_F(Running, TheBackgroundDragsAcrossAndItsRightButtonParks)
{
    frmMain& b = load();
    showBar();
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(600, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(600, 30), QPointF(600, 30), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&b, &move);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(600, 30));
    EXPECT_EQ(b.Top(), 300);
    EXPECT_EQ(b.Position(), 300);
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(600, 10));
    EXPECT_TRUE(parked());
    EXPECT_EQ(b.Top(), 300);
}

TEST_F(Running, TheHoverFrameRaisesTheButtonUnderThePointerOnlyWhenAsked)
{
    storeItems({QStringLiteral("/bin/sh|Shell")});
    frmMain& b = load();
    showBar();
    QTest::mouseMove(button(0), QPoint(4, 4));
    EXPECT_FALSE(b.myShape1.isVisible());
    save(QStringLiteral("Setting"), QStringLiteral("Appearance"), QStringLiteral("1"));
    mMain::getAppearance();
    QTest::mouseMove(button(0), QPoint(5, 5));
    EXPECT_TRUE(b.myShape1.isVisible());
    EXPECT_EQ(b.myShape1.Left(), 210);
    EXPECT_EQ(b.myShape1.Top(), 45);
    EXPECT_EQ(b.myShape1.Width(), 345);
    EXPECT_EQ(b.myShape1.Height(), 360);
    EXPECT_EQ(b.myLine2.Y2(), 45 + 330 + 15);
    // The pointer on the background takes it away.
    QTest::mouseMove(&b, QPoint(600, 20));
    EXPECT_FALSE(b.myShape1.isVisible());
}

TEST_F(Running, HoveringAnItemAsksForItsTip)
{
    storeItems({QStringLiteral("/bin/sh|Shell"), QStringLiteral("sep"), QStringLiteral("/bin|")});
    load();
    showBar();
    QTest::mouseMove(button(0), QPoint(5, 5));
    EXPECT_EQ(MTooltip::TipIndex, 1);
    QTest::mouseMove(button(1), QPoint(5, 5));
    EXPECT_EQ(MTooltip::TipIndex, 1);
    QTest::mouseMove(button(2), QPoint(5, 5));
    EXPECT_EQ(MTooltip::TipIndex, -1);
    save(QStringLiteral("Setting"), QStringLiteral("ShowTip"), QStringLiteral("no"));
    mMain::getShowTip();
    QTest::mouseMove(button(0), QPoint(6, 6));
    EXPECT_EQ(MTooltip::TipIndex, -1);
}

TEST_F(Running, TheTitleLabelOpensTheMainMenuOrParks)
{
    frmMain& b = load();
    showBar();
    QTest::mouseClick(&b.Label1, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(fake.menus.size(), 1);
    EXPECT_EQ(fake.menus[0].last().caption, QStringLiteral("E&xit"));
    EXPECT_TRUE(fake.menus[0].last().enabled);
    click(0);
    ASSERT_TRUE(mMain::EditMode);
    QTest::mouseClick(&b.Label1, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(fake.menus.size(), 2);
    EXPECT_FALSE(fake.menus[1].last().enabled);
    click(0);
    QTest::mouseClick(&b.Label1, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(fake.menus.size(), 2);
    EXPECT_TRUE(parked());
}

TEST_F(Running, TheHotkeyOnAShownBarLeavesItInPlace)
{
    frmMain& b = load();
    platform::postWindowMessage(&b, platform::WM_HOTKEY, 123, 0);
    QApplication::processEvents();
    EXPECT_EQ(b.Left(), 0);
    b.setTop(600);
    platform::postWindowMessage(&b, platform::WM_HOTKEY, 123, 0);
    platform::postWindowMessage(&b, platform::WM_HOTKEY, 7, 0);
    QApplication::processEvents();
    EXPECT_EQ(b.Left(), 0);
    EXPECT_EQ(b.Top(), 600);
}

}  // namespace

TEST_F(Running, APointerTheServerNoLongerReportsOverAWindowCountsAsAway)
{
    // Under Xwayland the pointer went to a native Wayland window: the polled
    // position stays on the bar, the server reports it over no window.
    frmMain& b = load();
    showBar();
    fake.cursor = QPoint(1020, 10);
    fake.pointerOverWindow = true;
    for (int i = 0; i < 4; ++i)
        b.timer1_Timer();
    EXPECT_EQ(b.Left(), 0);
    fake.pointerOverWindow = false;
    b.timer1_Timer();
    b.timer1_Timer();
    EXPECT_EQ(b.Left(), 0);
    b.timer1_Timer();
    EXPECT_TRUE(parked());

    showBar();
    mMain::GroupVisible = true;
    frmGroup* group = mMain::GroupForm;
    group->Move(0, 450, 3000, 3000);
    fake.cursor = QPoint(100, 100);
    b.timer1_Timer();
    b.timer1_Timer();
    EXPECT_TRUE(mMain::GroupVisible);
    b.timer1_Timer();
    EXPECT_FALSE(mMain::GroupVisible);
}
