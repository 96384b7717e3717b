// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared/Stringbas.h"

#include <gtest/gtest.h>

namespace {

using shared::StrAfter;
using shared::StrBefore;
using shared::StrBetween;

TEST(Stringbas, StrBeforeTakesTheTextBeforeTheFirstSeparator)
{
    EXPECT_EQ(StrBefore("/bin/a|tip", "|"), "/bin/a");
    EXPECT_EQ(StrBefore("a|b|c", "|"), "a");
    EXPECT_EQ(StrBefore("|tip", "|"), "");
    EXPECT_EQ(StrBefore("/bin/a", "|"), "");
    EXPECT_EQ(StrBefore("sep", "|"), "");
    EXPECT_EQ(StrBefore("nameXYtail", "xy"), "name");  // any case
}

TEST(Stringbas, StrAfterTakesEverythingAfterTheFirstSeparator)
{
    EXPECT_EQ(StrAfter("path|a|b", "|"), "a|b");
    EXPECT_EQ(StrAfter("group|A|:", "|:"), "");
    EXPECT_EQ(StrAfter("group|A|:/i/t.ico", "|:"), "/i/t.ico");
    EXPECT_EQ(StrAfter("no separator", "|"), "");
}

TEST(Stringbas, StrBetweenSearchesTheSecondFromAfterTheFirst)
{
    EXPECT_EQ(StrBetween("group|A|:", "|", "|:"), "A");
    EXPECT_EQ(StrBetween("group|Tools|:/icons/t.ico", "|", "|:"), "Tools");
    EXPECT_EQ(StrBetween("group||:", "|", "|:"), "");
    EXPECT_EQ(StrBetween("group|Tools", "|", "|:"), "");
    EXPECT_EQ(StrBetween("Tools|:", "|", "|:"), "");
    // A second separator that overlaps the first leaves nothing between.
    EXPECT_EQ(StrBetween("a<<b", "<<", "<"), "");
}

}  // namespace
