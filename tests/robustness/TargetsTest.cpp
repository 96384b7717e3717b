// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Items whose targets are away at start (an unmounted disk, say) keep their
// place and run once the target is back.

#include "tests/bar/BarFixture.h"

#include "core/ItemPicture.h"
#include "core/mMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Targets = BarFixture;

TEST_F(Targets, AFolderMissingAtStartKeepsItsPlaceAndRunsOnceItIsBack)
{
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    const QString folder = mountPoint.filePath(QStringLiteral("disk/photos"));
    const QString item = folder + QStringLiteral("|Photos");
    storeItems({QStringLiteral("/bin/sh|Shell"), item, QStringLiteral("sep")});
    frmMain& b = load();
    ASSERT_FALSE(b.Ended());
    EXPECT_EQ(mMain::ItemCount, 5);
    EXPECT_EQ(tagOf(1), item);
    // Shown, then clicked as a user would, Shift keeping the bar out.
    mMain::EditMode = false;
    showBar();
    const QImage placeholder = ItemPicture::placeholder(b.devicePixelRatioF()).toImage();
    EXPECT_EQ(b.ItemImg[1].Picture().toImage(), placeholder);
    EXPECT_EQ(tagOf(2), QStringLiteral("sep"));

    ASSERT_TRUE(QDir().mkpath(folder));
    QTest::mouseClick(&b.ItemImg[1], Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(fake.opened, QStringList{folder});

    ASSERT_TRUE(b.Unload());
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("0")), QStringLiteral("/bin/sh|Shell"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("1")), item);
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("2")), QStringLiteral("sep"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("3")), QStringLiteral("<absent>"));
}

}  // namespace
