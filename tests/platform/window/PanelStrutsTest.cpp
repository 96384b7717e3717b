// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Panels on a desktop of two monitors side by side, 1280x800 on the left and
// 1024x768 on the right (the root is 2304x800): each strut takes room only
// from the monitor it stands on.

#include "platform/window/PanelStruts.h"

#include <gtest/gtest.h>

namespace {

using platform::monitorFreeOfPanels;
using platform::panelBandsOfStrut;

const QSize kDesktop(2304, 800);
const QRect kLeft(0, 0, 1280, 800);
const QRect kRight(1280, 0, 1024, 768);

// A partial strut with only the given edge's values set.
std::vector<uint32_t> partial(int edge, uint32_t thickness, uint32_t from, uint32_t to)
{
    std::vector<uint32_t> strut(12, 0);
    strut[size_t(edge)] = thickness;
    strut[4 + 2 * size_t(edge)] = from;
    strut[5 + 2 * size_t(edge)] = to;
    return strut;
}
enum { Left, Right, Top, Bottom };

TEST(PanelStruts, ABottomPanelOnOneMonitorLeavesTheOtherWhole)
{
    // 40 pixels at the bottom of the right monitor, which ends 32 pixels
    // above the root's bottom: the strut counts from the root's edge.
    const auto bands = panelBandsOfStrut(partial(Bottom, 72, 1280, 2303), kDesktop);
    ASSERT_EQ(bands.size(), 1);
    EXPECT_EQ(bands[0].rect, QRect(1280, 728, 1024, 72));
    EXPECT_EQ(monitorFreeOfPanels(kRight, bands), QRect(1280, 0, 1024, 728));
    EXPECT_EQ(monitorFreeOfPanels(kLeft, bands), kLeft);
}

TEST(PanelStruts, EachEdgeIsCutFromItsOwnSide)
{
    QList<platform::PanelBand> bands;
    bands += panelBandsOfStrut(partial(Left, 1300, 0, 767), kDesktop);  // a panel at the right monitor's left
    bands += panelBandsOfStrut(partial(Right, 30, 0, 767), kDesktop);
    bands += panelBandsOfStrut(partial(Top, 24, 1280, 2303), kDesktop);
    EXPECT_EQ(monitorFreeOfPanels(kRight, bands), QRect(1300, 24, 2274 - 1300, 768 - 24));
    // The left monitor is covered whole by the first band: it keeps its room.
    EXPECT_EQ(monitorFreeOfPanels(kLeft, bands), kLeft);
}

TEST(PanelStruts, AnOldStyleStrutRunsTheWholeEdge)
{
    const auto bands = panelBandsOfStrut({0, 0, 0, 40}, kDesktop);
    ASSERT_EQ(bands.size(), 1);
    EXPECT_EQ(bands[0].rect, QRect(0, 760, 2304, 40));
    EXPECT_EQ(monitorFreeOfPanels(kLeft, bands), QRect(0, 0, 1280, 760));
    EXPECT_EQ(monitorFreeOfPanels(kRight, bands), QRect(1280, 0, 1024, 760));
}

TEST(PanelStruts, MalformedStrutsKeepNoRoom)
{
    EXPECT_TRUE(panelBandsOfStrut({}, kDesktop).isEmpty());
    EXPECT_TRUE(panelBandsOfStrut({0, 0, 40}, kDesktop).isEmpty());
    EXPECT_TRUE(panelBandsOfStrut(std::vector<uint32_t>(12, 0), kDesktop).isEmpty());
    // A thickness past the root is held to it; a stretch past 2^31 stays positive.
    const auto huge = panelBandsOfStrut(partial(Bottom, 0xFFFFFFFFu, 0, 0xFFFFFFFFu), kDesktop);
    ASSERT_EQ(huge.size(), 1);
    EXPECT_EQ(huge[0].rect.top(), 0);
    EXPECT_EQ(monitorFreeOfPanels(kRight, huge), kRight);
}

TEST(PanelStruts, AScaledMonitorKeepsItsCornerAndScalesWithin)
{
    // A monitor of 2048x1536 device pixels at x=1280, shown by Qt at twice
    // the size: 1024x768 from the same corner.
    const QRect monitor(1280, 0, 1024, 768);
    EXPECT_EQ(platform::devicePixelArea(monitor, monitor, 2.0), QRect(1280, 0, 2048, 1536));
    // A 72-pixel panel at its bottom leaves 36 of Qt's pixels less.
    const QRect deviceFree(1280, 0, 2048, 1536 - 72);
    EXPECT_EQ(platform::independentPixelArea(deviceFree, monitor, 2.0), QRect(1280, 0, 1024, 768 - 36));
    const QRect deviceRight(1280 + 100, 50, 2048 - 100, 1536 - 50);
    EXPECT_EQ(platform::independentPixelArea(deviceRight, monitor, 2.0), QRect(1280 + 50, 25, 1024 - 50, 768 - 25));
    // Unscaled, both are the same.
    EXPECT_EQ(platform::independentPixelArea(deviceRight, monitor, 1.0), deviceRight);
}

}  // namespace
