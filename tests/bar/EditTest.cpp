// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Edit Mode on the bar: dragging buttons to new places, dropped files, the
// item and background menus.

#include "tests/bar/BarFixture.h"

#include "menus/MenuForm.h"
#include "platform/window/DropFiles.h"
#include "platform/window/WindowMessage.h"
#include "runtime/forms/DragSession.h"
#include "runtime/forms/Interaction.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Edit : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        storeItems({QStringLiteral("/bin|b0"), QStringLiteral("/usr|b1"), QStringLiteral("/etc|b2"),
                    QStringLiteral("/var|b3"), QStringLiteral("/tmp|b4"), QStringLiteral("/opt|b5")});
        load();
        mMain::Speed = 30000;
        bar->ShowDashkeep();
        QTest::mouseClick(&bar->ItemImg[mMain::ItemCount - 2], Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_TRUE(mMain::EditMode);
    }
    QStringList tips()
    {
        QStringList all;
        for (int i = 0; i <= mMain::ItemCount; ++i) {
            const QString tag = tagOf(i);
            all << (tag.contains(QLatin1Char('|')) ? tag.section(QLatin1Char('|'), 1) : tag);
        }
        return all;
    }
    // Drags button `from` (as the press and the threshold crossing would)
    // and drops it at a point of the bar.
    void drag(int from, QPoint dropAt)
    {
        QWidget* source = &bar->ItemImg[from];
        QTest::mousePress(source, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(15, 5), source->mapToGlobal(QPointF(15, 5)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(source, &move);
        ASSERT_TRUE(rt::DragSession::active());
        rt::DragSession::finish(bar->mapToGlobal(dropAt));
    }
    QPoint onButton(int index, int alongPixels) { return QPoint(14 + 22 * index + alongPixels, 10); }
    void dropFiles(const QStringList& files, QPoint at)
    {
        platform::postWindowMessage(bar.get(), platform::WM_DROPFILES, platform::makeDrop(files, at), 0);
        QApplication::processEvents();
    }
};

TEST_F(Edit, DraggingOntoAButtonsHalvesPutsTheItemBeforeOrAfterIt)
{
    drag(2, onButton(3, 3));  // first half of button 3: right after itself
    EXPECT_EQ(tips().mid(0, 6), (QStringList{"b0", "b1", "b2", "b3", "b4", "b5"}));
    drag(2, onButton(3, 15));  // second half: after button 3
    EXPECT_EQ(tips().mid(0, 6), (QStringList{"b0", "b1", "b3", "b2", "b4", "b5"}));
    EXPECT_EQ(rt::DragSession::active(), false);
}

TEST_F(Edit, DraggingOntoTheBackgroundUsesTheIndexOfThePoint)
{
    // Before button 1: its start is 210 + 330 twips; (X - 50) \ 330 = 1.
    bar->ItemImg[5].setVisible(true);
    drag(5, QPoint(14 + 22, 2));
    EXPECT_EQ(tips().mid(0, 6), (QStringList{"b0", "b5", "b1", "b2", "b3", "b4"}));
    // Beyond the last item, even onto the built-in buttons: before the mode button.
    drag(0, QPoint(700, 2));
    EXPECT_EQ(tips().mid(0, 7), (QStringList{"b5", "b1", "b2", "b3", "b4", "b0", "exec"}));
}

TEST_F(Edit, TheDragStartsOnlyBeyondSixtyTwipsAndNeverForBuiltInButtons)
{
    QWidget* source = &bar->ItemImg[1];
    QTest::mousePress(source, Qt::LeftButton, {}, QPoint(4, 4));
    QMouseEvent sixty(QEvent::MouseMove, QPointF(8, 4), source->mapToGlobal(QPointF(8, 4)), Qt::NoButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(source, &sixty);
    EXPECT_FALSE(rt::DragSession::active());
    QMouseEvent more(QEvent::MouseMove, QPointF(8.1, 4), source->mapToGlobal(QPointF(8.1, 4)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(source, &more);
    EXPECT_TRUE(rt::DragSession::active());
    EXPECT_EQ(mMain::InsertIndex, 1);
    rt::DragSession::cancel();

    QWidget* prop = &bar->ItemImg[mMain::ItemCount - 1];
    QTest::mousePress(prop, Qt::LeftButton, {}, QPoint(4, 4));
    QMouseEvent far(QEvent::MouseMove, QPointF(20, 20), prop->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(prop, &far);
    EXPECT_FALSE(rt::DragSession::active());
}

TEST_F(Edit, DroppedFilesAreInsertedAtThePointInReverseOrder)
{
    QTemporaryDir dir;
    QStringList files;
    for (const char* name : {"one.txt", "two.txt", "three.txt"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        files << file.fileName();
    }
    dropFiles(files, QPoint(14 + 22 + 2, 10));
    EXPECT_EQ(tips().mid(0, 5), (QStringList{"b0", "three.txt", "two.txt", "one.txt", "b1"}));
    EXPECT_EQ(tagOf(1), files[2] + QStringLiteral("|three.txt"));
    EXPECT_EQ(platform::openDropCount(), 0);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(Edit, DropsOutsideEditModeAreRefusedWithHowToEnterIt)
{
    mMain::EditMode = false;
    dropFiles({QStringLiteral("/etc/hostname")}, QPoint(40, 10));
    EXPECT_EQ(mMain::ItemCount, 8);
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              QStringLiteral("You must be in Edit Mode to add items. Click on an icon with two red arrows to switch "
                             "to Edit Mode."));
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(platform::openDropCount(), 0);
}

TEST_F(Edit, ShortcutFilesAskBeforeTheyAreAddedButOnlyInLowerCase)
{
    QTemporaryDir dir;
    const QString lower = dir.filePath(QStringLiteral("tool.lnk"));
    const QString upper = dir.filePath(QStringLiteral("TOOL.LNK"));
    for (const QString& path : {lower, upper}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not really a link");
    }
    fake.answers = {rt::vbNo};
    dropFiles({lower, upper}, QPoint(20, 10));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              QStringLiteral("You have dropped a shortcut (shell link) file. Do you want to dereference the file?"));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbYesNo | rt::vbQuestion);
    EXPECT_EQ(fake.messageBoxes[0].title, lower);
    EXPECT_EQ(tips().mid(0, 2), (QStringList{"TOOL.LNK", "tool.lnk"}));
}

TEST_F(Edit, APathHoldingTheSeparatorIsRefusedByName)
{
    QTemporaryDir dir;
    const QString odd = dir.filePath(QStringLiteral("a|b.txt"));
    const QString fine = dir.filePath(QStringLiteral("fine.txt"));
    for (const QString& path : {odd, fine}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    dropFiles({odd, fine}, QPoint(20, 10));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(fake.messageBoxes[0].prompt.contains(odd));
    EXPECT_EQ(fake.messageBoxes[0].title, QStringLiteral("Kestrel 98"));
    EXPECT_EQ(tips().mid(0, 2), (QStringList{"fine.txt", "b0"}));
}

TEST_F(Edit, RightReleasesOpenTheItemOrBackgroundMenu)
{
    QTest::mouseClick(&bar->ItemImg[2], Qt::RightButton, {}, QPoint(12, 5));
    ASSERT_EQ(fake.menus.size(), 1);
    EXPECT_EQ(fake.menus[0][0].caption, QStringLiteral("&Insert"));
    EXPECT_EQ(mMain::InsertIndex, 3);
    EXPECT_EQ(mMain::SelectedIndex, 2);
    EXPECT_TRUE(fake.menus[0].last().enabled);
    bar->AddNewItem(QStringLiteral("sep"), QString());
    bar->ShiftItemsUp(0, mMain::ItemCount - 1);
    bar->PutNewItem(0);
    QTest::mouseClick(&bar->ItemImg[0], Qt::RightButton, {}, QPoint(3, 5));
    ASSERT_EQ(fake.menus.size(), 2);
    EXPECT_FALSE(fake.menus[1].last().enabled);
    EXPECT_EQ(mMain::InsertIndex, 0);
    // Built-in buttons open nothing.
    QTest::mouseClick(&bar->ItemImg[mMain::ItemCount], Qt::RightButton, {}, QPoint(3, 5));
    EXPECT_EQ(fake.menus.size(), 2);
    QTest::mouseClick(bar.get(), Qt::RightButton, {}, QPoint(14 + 22 * 4 + 3, 2));
    ASSERT_EQ(fake.menus.size(), 3);
    EXPECT_EQ(fake.menus[2].last().caption, QStringLiteral("&Property"));
    EXPECT_EQ(mMain::InsertIndex, 4);
}

}  // namespace
