// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Working the bar from the keyboard.

#include "tests/bar/BarFixture.h"

#include "groups/frmGroup.h"
#include "runtime/forms/Interaction.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

class Keys : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        storeItems({QStringLiteral("/bin|one"), QStringLiteral("sep"), QStringLiteral("/usr|two"),
                    QStringLiteral("/etc|three"), QStringLiteral("sep"), QStringLiteral("/var|four")});
    }
    void show()
    {
        load();
        mMain::Speed = 30000;
        bar->ShowDashkeep();
        ASSERT_EQ(bar->Left(), 0);
    }
    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(bar.get(), &event);
    }
    int selected() { return bar->Selected(); }
};

TEST_F(Keys, ArrowsWalkOverSeparatorsAndTabJumpsBetweenSections)
{
    show();
    press(Qt::Key_Tab);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(bar->ItemImg[0].BorderStyle(), 1);
    press(Qt::Key_Tab);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(bar->ItemImg[0].BorderStyle(), 0);
    press(Qt::Key_Tab);
    EXPECT_EQ(selected(), 5);
    press(Qt::Key_Tab);  // no separator follows
    EXPECT_EQ(selected(), 5);
    EXPECT_EQ(fake.beeps, 1);
    press(Qt::Key_Left);
    EXPECT_EQ(selected(), 3);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 2);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 0);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(fake.beeps, 2);
    press(Qt::Key_Right);
    EXPECT_EQ(selected(), 2);
    press(Qt::Key_Down);
    EXPECT_EQ(selected(), 3);
}

TEST_F(Keys, LeftAcrossASeparatorNextToTheFirstButtonBeeps)
{
    show();
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_EQ(selected(), 2);
    press(Qt::Key_Left);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(fake.beeps, 1);
}

TEST_F(Keys, TheFirstKeySkipsLeadingSeparators)
{
    storeItems({QStringLiteral("sep"), QStringLiteral("sep"), QStringLiteral("/bin|one")});
    save(QStringLiteral("Items"), QStringLiteral("3"), QString());
    show();
    press(Qt::Key_Left);
    EXPECT_EQ(selected(), -1);
    press(Qt::Key_Right);
    EXPECT_EQ(selected(), 2);
}

TEST_F(Keys, EnterRunsTheSelectionAndShiftEnterKeepsIt)
{
    show();
    press(Qt::Key_Right);
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(fake.opened, QStringList{QStringLiteral("/bin")});
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(bar->Left(), 0);
    press(Qt::Key_Return);
    EXPECT_EQ(fake.opened.size(), 2);
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(bar->Left(), 1024 * 15 - 135);
}

TEST_F(Keys, EscParksAndKeysDoNothingWhenParkedOrInEditMode)
{
    show();
    press(Qt::Key_Right);
    press(Qt::Key_Escape);
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(bar->Left(), 1024 * 15 - 135);
    press(Qt::Key_Right);
    EXPECT_EQ(selected(), -1);
    mMain::Speed = 30000;
    bar->ShowDashkeep();
    mMain::EditMode = true;
    press(Qt::Key_Right);
    EXPECT_EQ(selected(), -1);
    mMain::EditMode = false;
}

TEST_F(Keys, MovingThePointerOverTheBarEndsTheSelection)
{
    show();
    press(Qt::Key_Right);
    ASSERT_EQ(selected(), 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(600, 10), bar->mapToGlobal(QPointF(600, 10)), Qt::NoButton,
                     Qt::NoButton, {});
    QApplication::sendEvent(bar.get(), &move);
    EXPECT_EQ(selected(), -1);
}

// A window of another program stands for the one that had the keyboard.
class Focus : public Keys {
protected:
    void SetUp() override
    {
        Keys::SetUp();
        storeItems({QStringLiteral("/bin|one"), QStringLiteral("group|Tools|:")});
        save(QStringLiteral("Items"), QStringLiteral("2"), QString());
        save(QStringLiteral("groupTools"), QStringLiteral("0"), QStringLiteral("/usr|inner"));
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    static bool becomesActive(QWidget* window)
    {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
    }
    void pressOn(QWidget* window, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, {});
        QApplication::sendEvent(window, &event);
    }
    // Loads the bar; the other window has the keyboard again afterwards.
    void loadBehindOther()
    {
        load();
        mMain::Speed = 30000;
        other.activateWindow();
        ASSERT_TRUE(becomesActive(&other));
    }
    QWidget other;
};

TEST_F(Focus, HoverSlidesInWithoutTheKeyboardAndAClickTakesIt)
{
    save(QStringLiteral("Setting"), QStringLiteral("Behavior"), QStringLiteral("move"));
    loadBehindOther();
    QTest::mouseMove(bar.get(), QPoint(5, 15));
    QTest::mouseMove(bar.get(), QPoint(6, 15));
    ASSERT_EQ(bar->Left(), 0);
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &other);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(400, 15));
    EXPECT_TRUE(becomesActive(bar.get()));
}

TEST_F(Focus, AGripClickTakesTheKeyboardAndAGroupOpenedByKeyTakesItOver)
{
    loadBehindOther();
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(5, 15));
    ASSERT_EQ(bar->Left(), 0);
    EXPECT_TRUE(becomesActive(bar.get()));
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    frmGroup* group = mMain::GroupForm;
    ASSERT_TRUE(mMain::GroupVisible);
    EXPECT_TRUE(becomesActive(group));
    // Esc closes the group; the bar has the keyboard again.
    pressOn(group, Qt::Key_Escape);
    EXPECT_FALSE(mMain::GroupVisible);
    EXPECT_TRUE(becomesActive(bar.get()));
    // Opened again, its own item runs from the keyboard, not the bar's.
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    ASSERT_TRUE(becomesActive(group));
    pressOn(group, Qt::Key_Right);
    pressOn(group, Qt::Key_Return);
    EXPECT_EQ(fake.opened, QStringList{QStringLiteral("/usr")});
}

}  // namespace
