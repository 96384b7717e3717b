// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Forms and controls in twips, hidden buttons, menus and message boxes
// through the platform seam.

#include "runtime/controls/CommandButton.h"
#include "runtime/controls/ControlArray.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/Line.h"
#include "runtime/controls/Timer.h"
#include "runtime/forms/Form.h"
#include "runtime/forms/Interaction.h"
#include "runtime/forms/Menu.h"
#include "runtime/OleColor.h"
#include "runtime/Twips.h"
#include "tests/support/FakePlatform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace rt;

namespace {

class RecordingForm : public Form {
public:
    int loads = 0, unloads = 0;
    int cancelWith = 0;
    int lastMode = -1;
    QList<int> keys;
    QList<int> shifts;
    QList<QPointF> downs;

protected:
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override
    {
        lastMode = UnloadMode;
        Cancel = cancelWith;
    }
    void Form_Unload(int&) override { ++unloads; }
    void Form_KeyDown(int& KeyCode, int& Shift) override
    {
        keys << KeyCode;
        shifts << Shift;
    }
    void Form_MouseDown(int, int, float X, float Y) override { downs << QPointF(X, Y); }
};

TEST(Forms, GeometryIsKeptInTwipsAndShownInWholePixels)
{
    RecordingForm form;
    form.Move(-481, 925, 15360, 450);
    EXPECT_EQ(form.Top(), 925);
    EXPECT_EQ(form.Left(), -481);
    // Pixels truncate towards zero; the twips stay exact.
    EXPECT_EQ(form.geometry(), QRect(-32, 61, 1024, 30));
    form.setLeft(-15);
    EXPECT_EQ(form.x(), -1);
}

TEST(Forms, LoadRunsOnceAndUnloadCanBeCancelled)
{
    RecordingForm form;
    form.Load();
    form.Load();
    EXPECT_EQ(form.loads, 1);
    form.Show();
    form.cancelWith = 1;
    EXPECT_FALSE(form.Unload(vbAppTaskManager));
    EXPECT_EQ(form.lastMode, vbAppTaskManager);
    EXPECT_EQ(form.unloads, 0);
    EXPECT_TRUE(form.isVisible());
    form.cancelWith = 0;
    EXPECT_TRUE(form.Unload(vbFormCode));
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(Forms, KeysArriveWithTheirCodesIncludingTab)
{
    RecordingForm form;
    form.Move(0, 0, 3000, 3000);
    form.Show();
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&form, &event);
    };
    press(Qt::Key_Right);
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    press(Qt::Key_Return, Qt::ShiftModifier);
    press(Qt::Key_Escape);
    EXPECT_EQ(form.keys, (QList<int>{39, 9, 9, 13, 27}));
    EXPECT_EQ(form.shifts, (QList<int>{0, 0, 1, 1, 0}));
}

TEST(Forms, MousePositionsAreTwips)
{
    RecordingForm form;
    form.Move(0, 0, 3000, 3000);
    form.Show();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(10, 3));
    ASSERT_EQ(form.downs.size(), 1);
    EXPECT_EQ(form.downs[0], QPointF(150, 45));
}

TEST(Controls, ImageClickNeedsAPressAndReleaseOfTheLeftButton)
{
    RecordingForm form;
    form.Move(0, 0, 3000, 3000);
    Image image(&form);
    image.Move(150, 150, 330, 330);
    form.Show();
    QStringList events;
    image.MouseDown = [&](int b, int, float x, float y) {
        events << QStringLiteral("down %1 %2 %3").arg(b).arg(x).arg(y);
    };
    image.MouseUp = [&](int b, int, float, float) { events << QStringLiteral("up %1").arg(b); };
    image.Click = [&] { events << QStringLiteral("click"); };
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(2, 4));
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(2, 4));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("down 1 30 60"), QStringLiteral("up 1"), QStringLiteral("click"),
                           QStringLiteral("down 2 30 60"), QStringLiteral("up 2")}));
}

TEST(Controls, HiddenButtonValueRaisesClick)
{
    CommandButton button;
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    button.setVisible(false);
    button.setValue(true);
    button.setValue(false);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Value());
}

TEST(Controls, LinesCoverTheirSpanInPixels)
{
    Form form;
    Line line(&form);
    line.setEnds(60, 60, 60, 375);
    EXPECT_EQ(line.geometry(), QRect(4, 4, 1, 21));
    line.setEnds(15, 420, 15360, 420);
    EXPECT_EQ(line.geometry(), QRect(1, 28, 1023, 1));
    EXPECT_EQ(line.X2(), 15360);
}

TEST(Controls, AutoSizedLabelFollowsItsCaption)
{
    Label label;
    label.setLabelFont(pointFont(QStringLiteral("Arial"), 9, true));
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("98"));
    const int32_t narrow = label.Width();
    label.setCaption(QStringLiteral(" Kestrel 98 "));
    EXPECT_GT(label.Width(), narrow);
    EXPECT_EQ(label.Width() % 15, 0);
    EXPECT_GT(label.Height(), 0);
}

TEST(Controls, AutoSizedLabelsHaveRoomForEveryLine)
{
    Label label;
    label.setLabelFont(pointFont(QStringLiteral("Arial"), 8.25));
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("and the second, longer line"));
    const int32_t oneLine = label.Height();
    const int32_t longest = label.Width();
    label.setCaption(QStringLiteral("First line\nand the second, longer line"));
    EXPECT_GE(label.Height(), 2 * oneLine - 15);
    EXPECT_EQ(label.Width(), longest);

    label.setWidth(1500);
    label.setWordWrap(true);
    label.setCaption(QStringLiteral("A prompt long enough to need at least three lines at this width"));
    EXPECT_EQ(label.Width(), 1500) << "a wrapping label keeps its width";
    EXPECT_GE(label.Height(), 3 * oneLine - 15);
}

TEST(Controls, AnElidingLabelShowsOneLineWithBothEnds)
{
    Form form;
    Label label(&form);
    label.setLabelFont(pointFont(QStringLiteral("Arial"), 8.25));
    label.Move(0, 0, 1335, 600);
    label.setElideMode(Qt::ElideMiddle);
    label.setCaption(QStringLiteral("/home/someone/a folder with a long name/and one more/tools.ico"));
    const QImage drawn = label.grab().toImage();
    const int lineHeight = QFontMetrics(label.font()).height();
    const auto inked = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(drawn.pixel(x, y)) < 100)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(0, 0, 10, lineHeight)) << "the start of the path";
    EXPECT_TRUE(inked(drawn.width() - 20, 0, drawn.width(), lineHeight)) << "the file name";
    EXPECT_FALSE(inked(0, lineHeight + 1, drawn.width(), drawn.height())) << "a second line";
    EXPECT_EQ(label.Caption().size(), 62) << "the caption itself stays whole";
}

TEST(Controls, ControlArrayLoadsReusesAndUnloads)
{
    ControlArray<Image> images;
    int made = 0;
    images.setFactory([&](int) {
        ++made;
        return std::make_unique<Image>();
    });
    EXPECT_EQ(images.UBound(), -1);
    images.Load(0);
    images.Load(3);
    images.Load(3);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(images.UBound(), 3);
    EXPECT_FALSE(images.exists(1));
    images.Unload(3);
    EXPECT_EQ(images.UBound(), 0);
}

TEST(Controls, TimerTicksOnlyWhenEnabledWithAnInterval)
{
    Timer timer;
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setEnabled(true);
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
    timer.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stopped);
}

TEST(Colours, SystemAndPlainColourNumbers)
{
    EXPECT_EQ(oleColor(255), QColor(255, 0, 0));
    EXPECT_EQ(oleColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(oleFromColor(QColor(255, 0, 0)), 255);
    EXPECT_EQ(qbColor(13), 0xFF00FF);
    // The stored (signed) and the written (unsigned) forms name one colour.
    EXPECT_EQ(oleColor(-2147483628), oleColor(0x80000014));
}

TEST(Colours, SystemColoursKeepTheirClassicOrderAndQtWidgetsShareThem)
{
    const auto lightness = [](int64_t number) { return oleColor(number).lightness(); };
    EXPECT_GT(lightness(vb3DHighlight), lightness(vb3DLight));
    EXPECT_GT(lightness(vb3DLight), lightness(vbButtonFace));
    EXPECT_GT(lightness(vbButtonFace), lightness(vbButtonShadow) + 40);
    EXPECT_GT(lightness(vbButtonShadow), lightness(vb3DDKShadow));
    Form form;  // the first form gives Qt's widgets the same colours
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Button), oleColor(vbButtonFace));
    EXPECT_EQ(palette.color(QPalette::Light), oleColor(vb3DHighlight));
    EXPECT_EQ(palette.color(QPalette::Mid), oleColor(vbButtonShadow));
    EXPECT_EQ(palette.color(QPalette::Shadow), oleColor(vb3DDKShadow));
    EXPECT_EQ(palette.color(QPalette::ToolTipBase), oleColor(vbInfoBackground));
}

TEST(Dialogs, MessageBoxesAndBeepsGoThroughThePlatform)
{
    FakePlatform fake;
    fake.answers = {vbNo};
    EXPECT_EQ(MsgBox(QStringLiteral("Quit?"), vbYesNo | vbExclamation, QStringLiteral("Kestrel 98")), vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Done."), vbInformation, QStringLiteral("Kestrel 98")), vbOK);
    Beep();
    ASSERT_EQ(fake.messageBoxes.size(), 2);
    EXPECT_EQ(fake.messageBoxes[0].style, vbYesNo | vbExclamation);
    EXPECT_EQ(fake.messageBoxes[0].title, QStringLiteral("Kestrel 98"));
    EXPECT_EQ(fake.beeps, 1);
}

TEST(Dialogs, ScreenIsMeasuredInTwips)
{
    FakePlatform fake;
    fake.screen = QSize(2560, 1440);
    EXPECT_EQ(Screen::Width(), 38400);
    EXPECT_EQ(Screen::Height(), 21600);
}

TEST(Menus, ThePickedEntryRunsAndDisabledOnesDoNot)
{
    FakePlatform fake;
    fake.cursor = QPoint(40, 50);
    Menu top(QStringLiteral("mnuTop"), QStringLiteral("Top"));
    Menu insert(QStringLiteral("mnuInsert"), QStringLiteral("&Insert"));
    Menu item(QStringLiteral("mnuNewItem"), QStringLiteral("New &Item"));
    Menu line(QStringLiteral("mnuSep"), QStringLiteral("-"));
    Menu exit(QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    insert.add(item);
    top.add(insert).add(line).add(exit);
    QStringList ran;
    item.Click = [&] { ran << QStringLiteral("item"); };
    exit.Click = [&] { ran << QStringLiteral("exit"); };
    exit.Enabled = false;
    fake.menuChoices = {QStringLiteral("mnuNewItem"), QStringLiteral("mnuExit"), QString()};
    PopupMenu(top);
    PopupMenu(top);
    PopupMenu(top);
    EXPECT_EQ(ran, QStringList{QStringLiteral("item")});
    ASSERT_EQ(fake.menus.size(), 3);
    EXPECT_EQ(fake.menuPoints[0], QPoint(40, 50));
    const auto& entries = fake.menus[0];
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].caption, QStringLiteral("&Insert"));
    EXPECT_EQ(entries[0].children[0].name, QStringLiteral("mnuNewItem"));
    EXPECT_EQ(entries[1].caption, QStringLiteral("-"));
    EXPECT_FALSE(entries[2].enabled);
}

}  // namespace
