// Working the bar from the keyboard.

#include "tests/bar/BarFixture.h"

#include "runtime/Interaction.h"

#include <QApplication>
#include <QKeyEvent>

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

}  // namespace
