// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's row of items, its geometry in each direction, the capacity rule
// and the position check.

#include "tests/bar/BarFixture.h"

#include "core/ItemPicture.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/forms/Interaction.h"
#include "runtime/OleColor.h"

#include <QImage>
#include <QTemporaryDir>

namespace {

using Layout = BarFixture;

QStringList storedList()
{
    QStringList items;
    for (int i = 0;; ++i) {
        const QString item = rt::GetSetting(mMain::AppName, QStringLiteral("Items"), QString::number(i));
        if (item.isEmpty())
            return items;
        items << item;
    }
}

TEST_F(Layout, AGapEndsTheListAndTheNextWriteDropsWhatLayBehindIt)
{
    save(QStringLiteral("Items"), QStringLiteral("0"), QStringLiteral("sep"));
    save(QStringLiteral("Items"), QStringLiteral("1"), QStringLiteral("sep"));
    save(QStringLiteral("Items"), QStringLiteral("3"), QStringLiteral("/bin/sh|shell"));
    frmMain& b = load();
    EXPECT_EQ(mMain::ItemCount, 4);  // two items and the built-in buttons
    EXPECT_EQ(tagOf(2), QStringLiteral("edit"));
    b.RepositionItems();
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("2")), QStringLiteral("<absent>"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("3")), QStringLiteral("/bin/sh|shell"));
}

TEST_F(Layout, ButtonsSitAlongTheStripInIndexOrder)
{
    storeItems({QStringLiteral("/bin/sh"), QStringLiteral("sep"), QStringLiteral("/bin|Binaries")});
    frmMain& b = load();
    for (int i = 0; i <= mMain::ItemCount; ++i) {
        EXPECT_EQ(b.ItemImg[i].Left(), 210 + 330 * i) << i;
        EXPECT_EQ(b.ItemImg[i].Top(), 45) << i;
        EXPECT_EQ(b.ItemImg[i].Width(), 330);
    }
    // A string without "|" is its own target; the tag is kept as stored.
    EXPECT_EQ(tagOf(0), QStringLiteral("/bin/sh"));
    showBar();
    EXPECT_FALSE(b.ItemImg[0].Picture().isNull());
}

TEST_F(Layout, LeftDirectionShiftsItemsLabelAndGrip)
{
    frmMain& right = load();
    const int32_t labelRight = right.Label1.Left();
    right.Unload();
    bar.reset();
    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("left"));
    frmMain& b = load();
    const int32_t W = b.Width();
    EXPECT_EQ(b.ItemImg[0].Left(), 90);
    EXPECT_EQ(b.Label1.Left(), labelRight - 120);
    EXPECT_EQ(b.Line1[8].X1(), W - 150);
    EXPECT_EQ(b.Line1[13].X1(), W - 75);
    // Parked at the left edge with its far end (and grip) showing.
    EXPECT_EQ(b.Left(), 165 - W);
}

TEST_F(Layout, BordersAndGripFollowTheTable)
{
    frmMain& b = load();
    const int32_t W = b.Width(), H = b.Height();
    struct Expect {
        int line;
        int32_t x1, y1, x2, y2;
        int64_t color;
    } expected[] = {
        {0, 0, 0, W, 0, rt::vb3DLight},
        {1, 0, 0, 0, H, rt::vb3DLight},
        {2, 15, 15, W, 15, rt::vb3DHighlight},
        {3, 15, 15, 15, H, rt::vb3DHighlight},
        {4, 15, H - 30, W, H - 30, rt::vbButtonShadow},
        {5, W - 30, 15, W - 30, H, rt::vbButtonShadow},
        {6, 0, H - 15, W, H - 15, rt::vb3DDKShadow},
        {7, W - 15, 0, W - 15, H, rt::vb3DDKShadow},
        {8, 60, 60, 60, H - 75, rt::vb3DHighlight},
        {9, 75, 60, 75, H - 75, rt::vbButtonFace},
        {10, 90, 60, 90, H - 75, rt::vbButtonShadow},
        {13, 135, 60, 135, H - 75, rt::vbButtonShadow},
    };
    for (const Expect& e : expected) {
        const rt::Line& line = b.Line1[e.line];
        EXPECT_EQ(line.X1(), e.x1) << e.line;
        EXPECT_EQ(line.Y1(), e.y1) << e.line;
        EXPECT_EQ(line.X2(), e.x2) << e.line;
        EXPECT_EQ(line.Y2(), e.y2) << e.line;
        EXPECT_EQ(line.BorderColor(), e.color) << e.line;
    }
}

TEST_F(Layout, VerticalBarRunsTopToBottomWithItsShortTitle)
{
    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("bottom"));
    save(QStringLiteral("Setting"), QStringLiteral("Left"), QStringLiteral("600"));
    storeItems({QStringLiteral("sep")});
    frmMain& b = load();
    EXPECT_EQ(b.Width(), 450);
    EXPECT_EQ(b.Height(), 768 * 15);
    EXPECT_EQ(b.Label1.Caption(), QStringLiteral("98"));
    EXPECT_EQ(b.Label1.Left(), 105);
    EXPECT_EQ(b.ItemImg[1].Left(), 45);
    EXPECT_EQ(b.ItemImg[1].Top(), 540);
    EXPECT_EQ(b.Left(), 600);
    EXPECT_EQ(b.Top(), 768 * 15 - 135);
    EXPECT_EQ(b.Line1[8].Y1(), 60);
    EXPECT_EQ(b.Line1[8].X2(), 450 - 75);
}

TEST_F(Layout, ItemsBeyondTheCapacityAreAnnouncedButStayStored)
{
    fake.screen = QSize(800, 600);
    frmMain& probe = load();
    const int capacity = probe.capacity();
    EXPECT_EQ(capacity, (800 * 15 - probe.Label1.Width() - 660) / 330);
    probe.Unload();
    bar.reset();

    QStringList items;
    for (int i = 0; i < capacity + 2; ++i)
        items << QStringLiteral("sep");
    items[capacity - 3] = QStringLiteral("/bin|last shown");
    items[capacity - 2] = QStringLiteral("/usr|first hidden");
    items[capacity + 1] = QStringLiteral("/etc|last hidden");
    storeItems(items);
    fake.messageBoxes.clear();
    frmMain& b = load();
    // Buttons 0 to capacity - 3 are built; the next one brings the message.
    EXPECT_EQ(mMain::ItemCount, capacity - 2 + 2);
    EXPECT_EQ(tagOf(capacity - 3), QStringLiteral("/bin|last shown"));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(
        fake.messageBoxes[0].prompt,
        QStringLiteral("Some items were not created because there is no more space. Use groups to add more items. "));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbInformation);
    EXPECT_EQ(b.itemsBeyondCapacity().size(), 4);
    b.Unload();
    EXPECT_EQ(storedList(), items);
}

TEST_F(Layout, AnItemWhoseIconCannotBeHadKeepsItsPlace)
{
    storeItems({QStringLiteral("/media/offline/tool|Offline tool"), QStringLiteral("sep")});
    frmMain& b = load();
    EXPECT_EQ(mMain::ItemCount, 4);
    EXPECT_EQ(tagOf(0), QStringLiteral("/media/offline/tool|Offline tool"));
    showBar();
    EXPECT_FALSE(b.ItemImg[0].Picture().isNull());
    b.Unload();
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("0")), QStringLiteral("/media/offline/tool|Offline tool"));
}

TEST_F(Layout, NewItemsAreRefusedWhenTheBarIsFullOrTheTargetHasNoIcon)
{
    frmMain& b = load();
    EXPECT_FALSE(b.AddNewItem(QStringLiteral("/no/such/file"), QStringLiteral("tip")));
    EXPECT_EQ(mMain::ItemCount, 2);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
    while (mMain::ItemCount < b.capacity())
        ASSERT_TRUE(b.AddNewItem(QStringLiteral("sep"), QString()));
    const int full = mMain::ItemCount;
    EXPECT_FALSE(b.AddNewItem(QStringLiteral("/bin"), QStringLiteral("bin")));
    EXPECT_EQ(mMain::ItemCount, full);
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              QStringLiteral("Kestrel 98 cannot create a new item because it already has too many items. Use groups to "
                             "add more items. "));
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("0")), QStringLiteral("<absent>"));
}

TEST_F(Layout, GroupsAreStoredWithTheirIconPart)
{
    frmMain& b = load();
    ASSERT_TRUE(b.AddNewItem(QStringLiteral("group|Tools"), QString()));
    EXPECT_EQ(tagOf(3), QStringLiteral("group|Tools|:"));
    EXPECT_FALSE(b.ItemImg[3].Picture().isNull());
    ASSERT_TRUE(b.AddNewItem(QStringLiteral("GROUP|Odd"), QStringLiteral("C:\\icons\\odd.ico")));
    EXPECT_EQ(tagOf(4), QStringLiteral("GROUP|Odd|:C:\\icons\\odd.ico"));
}

TEST_F(Layout, InsertingAtTheStartMovesEveryButtonUp)
{
    storeItems({QStringLiteral("/bin|a"), QStringLiteral("/usr|b")});
    frmMain& b = load();
    ASSERT_TRUE(b.AddNewItem(QStringLiteral("sep"), QString()));
    b.ShiftItemsUp(0, mMain::ItemCount - 1);
    b.PutNewItem(0);
    QStringList tags;
    for (int i = 0; i <= mMain::ItemCount; ++i)
        tags << tagOf(i);
    EXPECT_EQ(tags,
              (QStringList{QStringLiteral("sep"), QStringLiteral("/bin|a"), QStringLiteral("/usr|b"),
                           QStringLiteral("edit"), QStringLiteral("prop"), QStringLiteral("help")}));
}

TEST_F(Layout, OnlyABarWithSomePartOnItsScreenIsLeftWhereItIs)
{
    // The bar is 450 twips high on a screen 768 * 15 twips high.
    const struct {
        const char* top;
        bool asked;
    } cases[] = {{"-449", false}, {"-450", true}, {"-465", true}, {"11519", false}, {"11520", true}};
    for (const auto& c : cases) {
        save(QStringLiteral("Setting"), QStringLiteral("Top"), QString::fromLatin1(c.top));
        fake.messageBoxes.clear();
        fake.answers = {rt::vbNo, rt::vbNo};
        load();
        EXPECT_EQ(!fake.messageBoxes.isEmpty(), c.asked) << c.top;
        bar->Unload();
        bar.reset();
    }
}

TEST_F(Layout, ABarStoredWhollyAboveTheScreenIsOfferedBack)
{
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("-465"));
    fake.answers = {rt::vbYes, rt::vbOK};
    frmMain& b = load();
    ASSERT_GE(fake.messageBoxes.size(), 2);
    EXPECT_EQ(fake.messageBoxes[0].prompt,
              QStringLiteral("Kestrel 98 is shown too far above the screen. You will not be able to see Kestrel 98 if "
                             "you don't correct this problem. Do you want to correct this problem now?"));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbYesNo | rt::vbExclamation);
    EXPECT_EQ(fake.messageBoxes[1].prompt, QStringLiteral("The problem was corrected."));
    EXPECT_EQ(fake.messageBoxes[1].style, rt::vbInformation);
    EXPECT_EQ(b.Top(), 0);
    EXPECT_EQ(b.Position(), 0);
}

TEST_F(Layout, NoKeepsABarOffTheScreenWhereItIs)
{
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("20000"));
    fake.answers = {rt::vbNo, rt::vbNo};
    frmMain& b = load();
    EXPECT_EQ(b.Top(), 20000);
    EXPECT_TRUE(
        fake.messageBoxes[0].prompt.startsWith(QStringLiteral("Kestrel 98 is shown too far underneath the screen.")));
}

TEST_F(Layout, AVerticalBarBeyondTheRightEdgeComesBackToIt)
{
    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("top"));
    save(QStringLiteral("Setting"), QStringLiteral("Left"), QStringLiteral("99999"));
    fake.answers = {rt::vbYes, rt::vbOK};
    frmMain& b = load();
    EXPECT_TRUE(fake.messageBoxes[0].prompt.startsWith(QStringLiteral("Kestrel 98 is not shown within the screen.")));
    EXPECT_EQ(b.Left(), 1024 * 15 - 450);
}

TEST_F(Layout, AScreenChangeLaysTheBarOutAgainClosesTheGroupAndKeepsEveryItem)
{
    fake.screen = QSize(1280, 800);
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("3000"));
    QStringList items{QStringLiteral("group|Tools|:")};
    for (int i = 1; i < 45; ++i)
        items << QStringLiteral("/bin|item %1").arg(i);
    storeItems(items);
    frmMain& b = load();
    ASSERT_TRUE(fake.messageBoxes.isEmpty());
    ASSERT_EQ(mMain::ItemCount, 45 + 2);
    mMain::cmdShowGroup->Tag = QStringLiteral("Tools");
    mMain::cmdShowGroup->setValue(true);
    ASSERT_TRUE(mMain::GroupVisible);

    fake.screen = QSize(1024, 768);
    b.ScreenChanged();
    EXPECT_FALSE(mMain::GroupVisible);
    EXPECT_EQ(b.Width(), 1024 * 15);
    EXPECT_EQ(b.Left(), 1024 * 15 - 135);
    EXPECT_EQ(b.Top(), 3000);
    EXPECT_EQ(mMain::ItemCount, b.capacity());
    EXPECT_EQ(fake.messageBoxes.size(), 1);  // some items have no room

    fake.screen = QSize(1280, 800);
    b.ScreenChanged();
    EXPECT_EQ(b.Left(), 1280 * 15 - 135);
    EXPECT_EQ(mMain::ItemCount, 45 + 2);
    b.Unload();
    EXPECT_EQ(storedList(), items);
}

TEST_F(Layout, WideScreensBeyondSixteenBitsStillParkAndSlide)
{
    fake.screen = QSize(3000, 1000);
    frmMain& b = load();
    EXPECT_EQ(b.Left(), 3000 * 15 - 135);
    save(QStringLiteral("Setting"), QStringLiteral("Speed"), QStringLiteral("30000"));
    mMain::getSpeed();
    b.ShowDashkeep();
    EXPECT_EQ(b.Left(), 0);
}

TEST_F(Layout, BackgroundPicturesAreTiledOverTheWholeBar)
{
    QTemporaryDir dir;
    QImage tile(2, 1, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 0, 255));
    const QString file = dir.filePath(QStringLiteral("tile.bmp"));
    ASSERT_TRUE(tile.save(file, "BMP"));
    save(QStringLiteral("Setting"), QStringLiteral("BackgroundPicture"), file);
    frmMain& b = load();
    const QImage& canvas = b.canvas();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 29), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(1022, 15), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(1023, 15), qRgb(0, 0, 255));
}

TEST_F(Layout, AMissingBackgroundPictureLeavesThePlainColour)
{
    save(QStringLiteral("Setting"), QStringLiteral("BackgroundPicture"), QStringLiteral("/no/such.bmp"));
    frmMain& b = load();
    EXPECT_EQ(qAlpha(b.canvas().pixel(10, 10)), 0);
}

TEST_F(Layout, MaskAndLabelColoursFallBackOnBadNumbers)
{
    save(QStringLiteral("Setting"), QStringLiteral("MaskColor"), QStringLiteral("abc"));
    save(QStringLiteral("Setting"), QStringLiteral("Color_mouseEnter"), QStringLiteral("255"));
    save(QStringLiteral("Setting"), QStringLiteral("Color_mouseExit"), QStringLiteral("red"));
    frmMain& b = load();
    EXPECT_EQ(mMain::MaskColor, double(0xFF00FF));
    EXPECT_EQ(b.ColorEnter(), 255.0);
    EXPECT_EQ(b.ColorExit(), -2147483627.0);
    EXPECT_EQ(b.Label1.ForeColor(), -2147483627);
}

TEST(ItemPictures, SeparatorsAreAGrooveAcrossTheMiddle)
{
    const QImage horizontal = ItemPicture::separator(true, 1.0).toImage();
    const QImage vertical = ItemPicture::separator(false, 1.0).toImage();
    ASSERT_EQ(horizontal.size(), QSize(22, 22));
    const QRgb shadow = rt::oleColor(rt::vbButtonShadow).rgb();
    const QRgb light = rt::oleColor(rt::vb3DHighlight).rgb();
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(horizontal.pixel(11, i), shadow);
        EXPECT_EQ(horizontal.pixel(12, i), light);
        EXPECT_EQ(vertical.pixel(i, 11), shadow);
        EXPECT_EQ(vertical.pixel(i, 12), light);
        EXPECT_EQ(qAlpha(horizontal.pixel(5, i)), 0);
        EXPECT_EQ(qAlpha(vertical.pixel(i, 5)), 0);
    }
}

TEST(ItemPictures, IconsSitAtThreeThreeOnATransparentMargin)
{
    const QImage picture = ItemPicture::build(QStringLiteral("My Computer"), true, 0xFF00FF, 1.0).toImage();
    ASSERT_EQ(picture.size(), QSize(22, 22));
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(qAlpha(picture.pixel(i, 0)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(0, i)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(i, 20)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(20, i)), 0);
    }
    int drawn = 0;
    for (int y = 3; y < 19; ++y)
        for (int x = 3; x < 19; ++x)
            drawn += qAlpha(picture.pixel(x, y)) > 0;
    EXPECT_GT(drawn, 40);
}

TEST(ItemPictures, DenseScreensGetFullResolutionPictures)
{
    const QPixmap picture = ItemPicture::build(QStringLiteral("Recycle Bin"), true, 0xFF00FF, 2.0);
    EXPECT_EQ(picture.size(), QSize(44, 44));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(22, 22));
}

TEST(ItemPictures, OnlyExactSpecialNamesGetSpecialIcons)
{
    EXPECT_FALSE(ItemPicture::iconFor(QStringLiteral("My Computer")).isNull());
    EXPECT_FALSE(ItemPicture::iconFor(QStringLiteral("group")).isNull());
    EXPECT_TRUE(ItemPicture::iconFor(QStringLiteral("my computer")).isNull());
    EXPECT_TRUE(ItemPicture::build(QStringLiteral("my computer"), true, 0xFF00FF, 1.0).isNull());
}

TEST(ItemPictures, TheMaskColourBecomesTransparent)
{
    QTemporaryDir dir;
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(qRgb(255, 0, 255));
    icon.setPixel(16, 16, qRgb(0, 128, 0));
    const QString file = dir.filePath(QStringLiteral("icon.qrk"));
    ASSERT_TRUE(icon.save(file, "PNG"));
    const QImage picture = ItemPicture::build(file, true, 0xFF00FF, 1.0).toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(qAlpha(picture.pixel(4, 4)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(11, 11)), 255);
}

}  // namespace
