// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings readers: defaults of an empty store and the exact,
// case-sensitive words each reader compares with.

#include "core/mMain.h"
#include "runtime/settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

void store(const QString& key, const QString& value)
{
    rt::SaveSetting(mMain::AppName, QStringLiteral("Setting"), key, value);
}

class Readers : public ::testing::Test {
protected:
    void SetUp() override
    {
        rt::DeleteSetting(mMain::AppName, QStringLiteral("Setting"));
        mMain::Speed = 100;
    }
};

TEST_F(Readers, EmptyStoreGivesTheDefaults)
{
    mMain::Speed = 7;
    mMain::ShowOnMove = true;
    mMain::ShowTip = false;
    mMain::SmartSlide = true;
    mMain::ButtonLook = true;
    mMain::GroupOnClick = false;
    mMain::readBarSettings();
    EXPECT_EQ(mMain::Speed, 100);
    EXPECT_FALSE(mMain::ShowOnMove);
    EXPECT_TRUE(mMain::ShowTip);
    EXPECT_FALSE(mMain::SmartSlide);
    EXPECT_EQ(mMain::Direction, QStringLiteral("right"));
    EXPECT_TRUE(mMain::IsHorizontal());
    EXPECT_TRUE(mMain::DirectionForward);
    EXPECT_EQ(mMain::ItemOffset, 0);
    EXPECT_FALSE(mMain::ButtonLook);
    EXPECT_TRUE(mMain::SoundFile.isEmpty());
    EXPECT_TRUE(mMain::GroupOnClick);
}

TEST_F(Readers, WordsAreComparedWithTheirCase)
{
    store(QStringLiteral("ShowTip"), QStringLiteral("Yes"));
    store(QStringLiteral("SmartSlide"), QStringLiteral("No"));
    store(QStringLiteral("Behavior"), QStringLiteral("Click"));
    store(QStringLiteral("Direction"), QStringLiteral("Right"));
    store(QStringLiteral("Appearance"), QStringLiteral("00"));
    store(QStringLiteral("GroupSetting"), QStringLiteral(" 0"));
    mMain::readBarSettings();
    EXPECT_FALSE(mMain::ShowTip);
    EXPECT_TRUE(mMain::SmartSlide);
    EXPECT_TRUE(mMain::ShowOnMove);
    EXPECT_FALSE(mMain::IsHorizontal());
    EXPECT_FALSE(mMain::DirectionForward);
    EXPECT_EQ(mMain::ItemOffset, -120);
    EXPECT_TRUE(mMain::ButtonLook);
    EXPECT_FALSE(mMain::GroupOnClick);
}

TEST_F(Readers, DirectionsSetOrientationAndOffset)
{
    struct Case {
        const char* direction;
        bool horizontal, forward;
        int offset;
    } cases[] = {
        {"right", true, true, 0}, {"left", true, false, -120}, {"bottom", false, true, 0}, {"top", false, false, -120}};
    for (const Case& c : cases) {
        store(QStringLiteral("Direction"), QLatin1String(c.direction));
        mMain::getDirection();
        EXPECT_EQ(mMain::IsHorizontal(), c.horizontal) << c.direction;
        EXPECT_EQ(mMain::DirectionForward, c.forward) << c.direction;
        EXPECT_EQ(mMain::ItemOffset, c.offset) << c.direction;
    }
}

TEST_F(Readers, SpeedTakesOnlyUsableNumbers)
{
    store(QStringLiteral("Speed"), QStringLiteral("30000"));
    mMain::getSpeed();
    EXPECT_EQ(mMain::Speed, 30000);
    // Not a number, out of the 16-bit range, or a slide that would never end:
    // the speed stays as it was.
    for (const char* bad : {"abc", "", "40000", "0", "-100"}) {
        store(QStringLiteral("Speed"), QLatin1String(bad));
        mMain::getSpeed();
        EXPECT_EQ(mMain::Speed, 30000) << bad;
    }
    store(QStringLiteral("Speed"), QStringLiteral("300"));
    mMain::getSpeed();
    EXPECT_EQ(mMain::Speed, 300);
}

TEST(Conversions, WholeNumbersRoundHalfToEven)
{
    int64_t value = 0;
    ASSERT_TRUE(mMain::toWholeNumber(QStringLiteral("-200"), value));
    EXPECT_EQ(value, -200);
    ASSERT_TRUE(mMain::toWholeNumber(QStringLiteral("12.5"), value));
    EXPECT_EQ(value, 12);
    ASSERT_TRUE(mMain::toWholeNumber(QStringLiteral("13.5"), value));
    EXPECT_EQ(value, 14);
    EXPECT_FALSE(mMain::toWholeNumber(QStringLiteral("12px"), value));
    EXPECT_FALSE(mMain::toWholeNumber(QStringLiteral("1e300"), value));
    EXPECT_FALSE(mMain::toWholeNumber(QStringLiteral("nan"), value));
}

}  // namespace
