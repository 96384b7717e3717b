// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Placement next to the pointer and the panel metrics, on a scripted 1024 x
// 768 screen (15360 x 11520 twips).

#include "shared/Mshared.h"

#include "runtime/forms/Form.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t ScreenWidth = 15360, ScreenHeight = 11520;

class Placement : public ::testing::Test {
protected:
    Placement() { form.Move(0, 0, FormWidth, FormHeight); }

    // Shows the form next to a pointer (pixels); answers where it stood
    // while it was shown.
    QPoint placeAt(QPoint pointer)
    {
        fake.cursor = pointer;
        QPoint shownAt(-1, -1);
        fake.onModal = [&](QWidget* window) {
            EXPECT_EQ(window, &form);
            EXPECT_TRUE(window->isVisible());
            shownAt = QPoint(form.Left(), form.Top());
        };
        shared::ShowFormNearCursor(form);
        EXPECT_FALSE(form.isVisible());
        return shownAt;
    }

    static constexpr int32_t FormWidth = 4815, FormHeight = 3120;
    FakePlatform fake;
    rt::Form form;
};

TEST_F(Placement, CentresTheFormOnThePointerWhenThereIsRoom)
{
    // Odd sizes: each half is truncated.
    form.Move(0, 0, 4815, 3121);
    EXPECT_EQ(placeAt({512, 384}), QPoint(512 * 15 - 2407, 384 * 15 - 1560));
    EXPECT_EQ(fake.modalWindows.size(), 1);
}

TEST_F(Placement, BottomPanelAlwaysOnTop)
{
    fake.available = QRect(0, 0, 1024, 738);  // a 30-pixel panel at the bottom
    // Top-left corner: 500 from the side, the panel's thickness plus 210 from the top.
    EXPECT_EQ(placeAt({0, 0}), QPoint(500, 30 * 15 + 210));
    // Bottom-right corner: the same margins at the far edges.
    EXPECT_EQ(placeAt({1023, 767}), QPoint(ScreenWidth - 500 - FormWidth, ScreenHeight - 660 - FormHeight));
}

TEST_F(Placement, WithoutPanelTheMarginsAre210AcrossAnd500Along)
{
    EXPECT_EQ(placeAt({0, 0}), QPoint(210, 500));
    EXPECT_EQ(placeAt({1023, 767}), QPoint(ScreenWidth - 210 - FormWidth, ScreenHeight - 500 - FormHeight));
}

TEST_F(Placement, SidePanelWidensTheMarginsAtBothSides)
{
    fake.available = QRect(40, 0, 984, 768);  // 40 pixels at the left edge
    EXPECT_EQ(placeAt({0, 0}), QPoint(600 + 210, 500));
    EXPECT_EQ(placeAt({1023, 384}), QPoint(ScreenWidth - 810 - FormWidth, 384 * 15 - FormHeight / 2));
}

TEST_F(Placement, FormLargerThanTheRoomEndsAtTheFarMargin)
{
    form.Move(0, 0, 20000, 12000);
    EXPECT_EQ(placeAt({1023, 767}), QPoint(ScreenWidth - 210 - 20000, ScreenHeight - 500 - 12000));
}

TEST(TaskbarMetrics, NoPanelGivesZeroes)
{
    FakePlatform fake;
    EXPECT_EQ(shared::GetTaskbarState(), shared::TaskbarNone);
    EXPECT_EQ(shared::GetTaskbarHeight(), 0);
    EXPECT_EQ(shared::GetTaskbarWidth(), 0);
}

TEST(TaskbarMetrics, PanelBandIsAlwaysOnTopWithItsSizeInTwips)
{
    FakePlatform fake;
    fake.available = QRect(0, 27, 1024, 741);  // top panel, 27 pixels
    EXPECT_EQ(shared::GetTaskbarState(), shared::TaskbarAlwaysOnTop);
    EXPECT_EQ(shared::GetTaskbarHeight(), 27 * 15);
    EXPECT_EQ(shared::GetTaskbarWidth(), ScreenWidth);

    fake.available = QRect(0, 0, 1000, 768);  // right panel, 24 pixels
    EXPECT_EQ(shared::GetTaskbarHeight(), ScreenHeight);
    EXPECT_EQ(shared::GetTaskbarWidth(), 24 * 15);
}

TEST(TaskbarMetrics, ThickestOfSeveralBandsStandsForThePanel)
{
    FakePlatform fake;
    fake.available = QRect(48, 24, 976, 744);  // 24 at the top, 48 at the left
    EXPECT_EQ(shared::GetTaskbarWidth(), 48 * 15);
    EXPECT_EQ(shared::GetTaskbarHeight(), ScreenHeight);
}

}  // namespace
