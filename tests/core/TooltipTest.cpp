// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Item tips: the delayed tip's wait, its placement and end, the immediate
// tip, and the tip window itself. The timer is driven tick by tick.

#include "core/frmToolTip.h"
#include "core/MTooltip.h"
#include "runtime/controls/Image.h"
#include "runtime/forms/Form.h"
#include "runtime/OleColor.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FakeTimerClock.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace MTooltip;

namespace {

constexpr int32_t ScreenWidthTwips = 1024 * 15;
constexpr int32_t ScreenHeightTwips = 768 * 15;

class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetTipState();
        fake.screen = QSize(1024, 768);
        tip.Load();
        // Real timer ticks must not interfere; the tests tick by hand.
        wiredTick = tip.Timer1.Tick;
        tip.Timer1.Tick = nullptr;
        row.Move(1500, 6000, 6000, 450);
        for (int i = 0; i < 3; ++i) {
            buttons[i] = std::make_unique<rt::Image>(&row);
            buttons[i]->Move(210 + 330 * i, 45, 330, 330);
        }
        bar.Move(0, 0, 3000, 450);
        group.Move(6000, 0, 3000, 450);
        setOwnerWindows(&bar, &group);
    }

    static void resetTipState()
    {
        TipIndex = -1;
        TipControl = nullptr;
        TipVisible = TipQuick = TipImmediate = TipShowing = false;
        TipTicks = TipShownTicks = 0;
        TipAnchorX = TipAnchorY = 0;
        TipOwnerIsBar = true;
    }

    // The pointer on the middle of button i (pixels are whole twips / 15).
    void pointAt(int i)
    {
        const rt::Image& b = *buttons[i];
        fake.cursor = QPoint((row.Left() + b.Left() + 150) / 15, (row.Top() + b.Top() + 150) / 15);
    }
    void pointAtBackground() { fake.cursor = QPoint(5, 5); }

    // What the bar does on a mouse move over button i.
    void hover(int i, const QString& text = QStringLiteral("Editor"))
    {
        pointAt(i);
        RequestTip(buttons[i].get(), text, int16_t(i + 1));
    }

    // Ticks as the timer would deliver them: none while it is off.
    void tick(int count = 1)
    {
        for (int n = 0; n < count; ++n) {
            if (tip.Timer1.Enabled())
                TimerTick();
        }
    }

    bool tipShown() const { return tip.isVisible(); }

    void hoverUntilShown(int i, const QString& text = QStringLiteral("Editor"))
    {
        hover(i, text);
        tick(8);
        ASSERT_TRUE(tipShown());
    }

    FakePlatform fake;
    FakeTimerClock clock;
    frmToolTip tip;
    std::function<void()> wiredTick;
    rt::Form row, bar, group;
    std::unique_ptr<rt::Image> buttons[3];
};

TEST_F(TooltipTest, DelayedTipNeedsAQuietPointer)
{
    hover(0, QString());  // a separator
    EXPECT_FALSE(tip.Timer1.Enabled());
    hover(0);
    for (int moves = 0; moves < 3; ++moves) {
        tick(7);
        EXPECT_FALSE(tipShown());
        hover(0);  // the pointer moves within the item: the wait starts over
    }
    tick(4);
    hover(1, QString());  // a separator leaves the item's wait running
    pointAt(0);
    tick(3);
    EXPECT_FALSE(tipShown());
    tick();
    EXPECT_TRUE(tipShown());
    EXPECT_EQ(tip.lblToolTip.Caption(), QStringLiteral("Editor"));
}

TEST_F(TooltipTest, TipWaitsAboutHalfASecondAndStaysAboutFive)
{
    tip.Timer1.Tick = wiredTick;
    hover(0);
    EXPECT_EQ(rt::effectiveInterval(tip.Timer1.Interval()), 55);
    clock.advance(7 * 55);
    EXPECT_FALSE(tipShown());
    clock.advance(55);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(clock.ticks(), 8);
    clock.advance(90 * 55);
    EXPECT_TRUE(tipShown());
    clock.advance(55);
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(clock.ticks(), 8 + 91);
    EXPECT_FALSE(tip.Timer1.Enabled());
}

TEST_F(TooltipTest, GroupTipShowsOnlyItsName)
{
    hoverUntilShown(0, QStringLiteral("Tools|:/home/u/icons/tools.ico"));
    EXPECT_EQ(tip.lblToolTip.Caption(), QStringLiteral("Tools"));
}

TEST_F(TooltipTest, NeighbourOfAVisibleTipShowsAfterTwoTicks)
{
    hoverUntilShown(0);
    hover(1, QStringLiteral("Mail"));
    EXPECT_FALSE(tipShown());
    EXPECT_TRUE(TipQuick);
    tick();
    hover(1, QStringLiteral("Mail"));  // moving within it does not restart the short wait
    EXPECT_FALSE(tipShown());
    tick();
    EXPECT_TRUE(tipShown());
    EXPECT_EQ(tip.lblToolTip.Caption(), QStringLiteral("Mail"));
}

TEST_F(TooltipTest, DelayedTipOpensNearThePointerOnTheScreen)
{
    hoverUntilShown(1);
    EXPECT_EQ(tip.Left(), fake.cursor.x() * 15 + 60);
    EXPECT_EQ(tip.Top(), fake.cursor.y() * 15 + 300);
    CancelTip();

    // A bar along the bottom edge, its last button at the right edge.
    row.Move(ScreenWidthTwips - 1200, ScreenHeightTwips - 450, 1200, 450);
    hoverUntilShown(2);
    EXPECT_EQ(tip.Top(), fake.cursor.y() * 15 - tip.Height() - 105);
    EXPECT_EQ(tip.Left(), ScreenWidthTwips - tip.Width() - 90);
}

TEST_F(TooltipTest, TipEndsWhenThePointerIsNotOnItsItem)
{
    hoverUntilShown(0);
    pointAt(1);  // over another button that has asked for nothing yet
    tick();
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(TipIndex, -1);
    EXPECT_FALSE(tip.Timer1.Enabled());

    hover(0);
    pointAtBackground();
    tick(8);
    EXPECT_EQ(TipIndex, -1);

    hover(0);
    buttons[0].reset();  // unloaded while its tip waits
    tick(8);
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(TipIndex, -1);
}

TEST_F(TooltipTest, TimedOutTipStaysAwayUntilThePointerWasElsewhere)
{
    hoverUntilShown(0);
    tick(90);
    EXPECT_TRUE(tipShown());
    tick();
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(TipIndex, 1);
    EXPECT_FALSE(tip.Timer1.Enabled());

    hover(0);
    tick(20);
    EXPECT_FALSE(tipShown());

    hover(1, QStringLiteral("Mail"));
    hover(0);
    tick(8);
    EXPECT_TRUE(tipShown());
}

TEST_F(TooltipTest, TheSameIndexInTheOtherWindowIsAnotherItem)
{
    // The bar's first button and the group window's first button both ask
    // with index 1.
    rt::Image groupButton(&group);
    groupButton.Move(210, 45, 330, 330);
    hover(0);
    tick(3);
    fake.cursor = QPoint((group.Left() + 210 + 150) / 15, (group.Top() + 45 + 150) / 15);
    RequestTip(&groupButton, QStringLiteral("One"), 1);
    tick(8);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(tip.lblToolTip.Caption(), QStringLiteral("One"));
    CancelTip();

    // From the keyboard: the bar's selection, then the group's.
    ShowTipNow(buttons[0].get(), QStringLiteral("Editor"), 1);
    ShowTipNow(&groupButton, QStringLiteral("One"), 1);
    EXPECT_TRUE(tipShown());
    EXPECT_EQ(tip.lblToolTip.Caption(), QStringLiteral("One"));
}

TEST_F(TooltipTest, ImmediateTipAtTheAnchorForNinetyTicks)
{
    bool showingDuringEvents = false;
    QMetaObject::invokeMethod(
        qApp, [&] { showingDuringEvents = TipShowing; }, Qt::QueuedConnection);
    TipAnchorX = 3000;
    TipAnchorY = 5000;
    TipOwnerIsBar = false;
    pointAtBackground();  // immediate tips do not follow the pointer
    ShowTipNow(buttons[1].get(), QStringLiteral("Mail"), 2);
    EXPECT_TRUE(tipShown());
    EXPECT_EQ(tip.Left(), 3000 + 60);
    EXPECT_EQ(tip.Top(), 5000 + 300);
    EXPECT_TRUE(showingDuringEvents);
    EXPECT_FALSE(TipShowing);
    EXPECT_TRUE(group.isVisible());
    EXPECT_FALSE(bar.isVisible());
    tick(90);
    EXPECT_TRUE(tipShown());
    tick();
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(TipIndex, -1);

    TipOwnerIsBar = true;
    ShowTipNow(buttons[0].get(), QStringLiteral("Editor"), 1);
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(TooltipTest, TipWindowFitsItsLabelInTipColours)
{
    tip.setBackColor(rt::vbButtonFace);
    tip.lblToolTip.setForeColor(rt::vbButtonText);
    hover(0, QStringLiteral("A rather longer tip text"));
    EXPECT_EQ(tip.BackColor(), rt::vbInfoBackground);
    EXPECT_EQ(tip.lblToolTip.ForeColor(), rt::vbInfoText);
    EXPECT_GT(tip.lblToolTip.Width(), 0);
    EXPECT_EQ(tip.Width(), tip.lblToolTip.Width() + 90);
    EXPECT_EQ(tip.Height(), tip.lblToolTip.Height() + 60);

    const int32_t longWidth = tip.Width();
    hover(1, QStringLiteral("A"));
    EXPECT_LT(tip.Width(), longWidth);
    EXPECT_EQ(tip.Width(), tip.lblToolTip.Width() + 90);
}

TEST_F(TooltipTest, TipWindowCancelsOnPointerAndTicksWithItsTimer)
{
    for (QWidget* target : {static_cast<QWidget*>(&tip), static_cast<QWidget*>(&tip.lblToolTip)}) {
        hoverUntilShown(0);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        EXPECT_FALSE(tipShown());
        EXPECT_EQ(TipIndex, -1);
    }
    hover(0);
    wiredTick();
    EXPECT_EQ(TipTicks, 1);
}

}  // namespace
