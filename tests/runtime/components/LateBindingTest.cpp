// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Late binding as every component gets it from its meta-object: names in any
// case, values converted to the declared types, and nothing else reachable.

#include "LateBoundProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(LateBinding, PropertiesAndMethodsByTheirDeclaredTypes)
{
    Probe probe;
    EXPECT_TRUE(probe.setProperty("count", "12"));
    EXPECT_FALSE(probe.setProperty("Count", "twelve"));
    EXPECT_EQ(probe.property("COUNT"), QVariant(12));
    EXPECT_FALSE(probe.setProperty("Name", "other")) << "Name has no let";
    EXPECT_EQ(probe.property("name"), QVariant("probe"));

    EXPECT_TRUE(probe.setProperty("note", "kept"));
    EXPECT_EQ(probe.mNote, "kept");
    EXPECT_FALSE(probe.property("Note").isValid()) << "Note has no get";
    EXPECT_FALSE(probe.invoke("setNote", {"x"}).isValid()) << "a let is no method";

    EXPECT_EQ(probe.invoke("add", {2, "3"}), QVariant(5));
    EXPECT_FALSE(probe.invoke("Add", {2}).isValid());
    EXPECT_FALSE(probe.invoke("Add", {2, "three"}).isValid());
}

TEST(LateBinding, NothingThrownAndNothingOfQObjectIsReached)
{
    Probe probe;
    EXPECT_FALSE(probe.invoke("Fail").isValid());
    EXPECT_FALSE(probe.invoke("deleteLater").isValid());
    EXPECT_FALSE(probe.setProperty("objectName", "x"));
    EXPECT_FALSE(probe.property("objectName").isValid());
}

}  // namespace
