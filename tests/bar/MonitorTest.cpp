// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar on the primary of two monitors, the primary standing right of the
// other one (two-monitors.json): the real platform services count from the
// primary's corner, and nothing of the bar reaches the other monitor.

#include "tests/bar/BarFixture.h"

#include "groups/frmGroup.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/forms/Interaction.h"
#include "shared/Mshared.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

const QRect kBarMonitor(1920, 0, 1024, 768);
const QRect kOtherMonitor(0, 0, 1920, 1080);

class TwoMonitors : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        // The real services, as the program has them.
        platform::setServices(nullptr);
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), kBarMonitor);
    }

    // What a window shows on the desktop: its rectangle, cut to its mask.
    static QRegion shownOnDesktop(const QWidget& window)
    {
        const QRect placed = window.geometry();
        if (window.mask().isEmpty())
            return QRegion(placed);
        return window.mask().translated(placed.topLeft()).intersected(placed);
    }
};

TEST_F(TwoMonitors, ThePlatformCountsFromTheBarsMonitorsCorner)
{
    platform::Platform& services = platform::services();
    EXPECT_EQ(services.screenGeometry(), kBarMonitor);
    EXPECT_EQ(services.availableGeometry(), QRect(0, 0, 1024, 768));
    QCursor::setPos(1920 + 100, 50);
    EXPECT_EQ(services.cursorPos(), QPoint(100, 50));
    EXPECT_EQ(rt::Screen::Width(), 1024 * 15);
    EXPECT_EQ(rt::Screen::Height(), 768 * 15);
}

TEST_F(TwoMonitors, ParkedAtEitherEdgeOnlyTheStripShowsAndOnlyOnItsMonitor)
{
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("3000"));
    frmMain& b = load();
    EXPECT_EQ(b.geometry(), QRect(1920 + 1024 - 9, 200, 1024, 30));
    EXPECT_EQ(shownOnDesktop(b), QRegion(1920 + 1024 - 9, 200, 9, 30));
    mMain::Speed = 30000;
    b.ShowDashkeep();
    EXPECT_EQ(shownOnDesktop(b), QRegion(1920, 200, 1024, 30));
    b.HideDashkeep();
    EXPECT_EQ(shownOnDesktop(b), QRegion(1920 + 1024 - 9, 200, 9, 30));
    b.Unload();
    bar.reset();

    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("left"));
    frmMain& left = load();
    EXPECT_EQ(shownOnDesktop(left), QRegion(1920, 200, 11, 30));
    EXPECT_TRUE(shownOnDesktop(left).intersected(kOtherMonitor).isEmpty());
}

TEST_F(TwoMonitors, AGroupWindowAcrossTheEdgeIsCutAtIt)
{
    storeItems({QStringLiteral("group|Tools|:")});
    save(QStringLiteral("groupTools"), QStringLiteral("0"), QStringLiteral("/usr|one"));
    save(QStringLiteral("groupTools"), QStringLiteral("1"), QStringLiteral("/bin|two"));
    save(QStringLiteral("groupTools"), QStringLiteral("Left"), QString::number((1024 - 40) * 15));
    save(QStringLiteral("groupTools"), QStringLiteral("Top"), QStringLiteral("6000"));
    load();
    mMain::cmdShowGroup->Tag = QStringLiteral("Tools");
    mMain::cmdShowGroup->setValue(true);
    const frmGroup& group = *mMain::GroupForm;
    ASSERT_TRUE(group.isVisible());
    EXPECT_EQ(group.geometry(), QRect(1920 + 984, 400, 66, 30));
    EXPECT_EQ(shownOnDesktop(group), QRegion(1920 + 984, 400, 40, 30));
}

TEST_F(TwoMonitors, DialogsOpenNearThePointerOnTheBarsMonitor)
{
    rt::Form dialog;
    dialog.Move(0, 0, 3000, 2000);
    QCursor::setPos(1920 + 1000, 700);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.hide(); });
    shared::ShowFormNearCursor(dialog);
    // Pulled 210 twips inside the right edge and 500 above the bottom.
    EXPECT_EQ(dialog.geometry(), QRect(1920 + (15360 - 210 - 3000) / 15, (11520 - 500 - 2000) / 15, 200, 133));
}

}  // namespace
