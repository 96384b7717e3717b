// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The library as a host without its headers sees it: created by ProgID or
// class id through the exported factory, used late bound.

#include "dialogs/CGroup.h"
#include "dialogs/CProperty.h"
#include "dialogs/CSettingEx.h"
#include "dialogs/frmProperty.h"
#include "runtime/components/Component.h"
#include "tests/support/ComponentFactoryChecks.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class ComponentFactory : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("K98_COMPONENT_PATH", K98_PROGRAM_FOLDER); }
    FakePlatform fake;
};

TEST_F(ComponentFactory, CreatesEachClassByProgIdAndByClassId)
{
    const ComponentClass classes[] = {
        {"kestrel98.CSettingEx", kestrel98::CSettingEx::classId, kestrel98::CSettingEx::interfaceId},
        {"kestrel98.CProperty", kestrel98::CProperty::classId, kestrel98::CProperty::interfaceId},
        {"kestrel98.CGroup", kestrel98::CGroup::classId, kestrel98::CGroup::interfaceId},
    };
    expectCreatableByProgIdAndClassId(classes);
}

TEST_F(ComponentFactory, UnknownClassesAreRefused)
{
    EXPECT_FALSE(rt::CreateObject("kestrel98.CNothing"));
    EXPECT_FALSE(rt::CreateObject("{00000000-0000-0000-0000-000000000001}"));
}

TEST_F(ComponentFactory, LateBoundItemInfoAndShow)
{
    auto dialog = rt::CreateObject("kestrel98.CProperty");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->setProperty("ItemInfo", "My Computer|mine"));
    fake.onModal = [](QWidget* window) { static_cast<kestrel98::frmProperty*>(window)->cmdOK.click(); };
    EXPECT_EQ(dialog->invoke("Show"), QVariant(true));
    EXPECT_EQ(dialog->property("itemInfo").toString(), "My Computer|mine");
    EXPECT_EQ(fake.modalWindows.size(), 1);

    EXPECT_FALSE(dialog->setProperty("Caption", "x"));
    EXPECT_FALSE(dialog->property("Caption").isValid());
    EXPECT_FALSE(dialog->invoke("Hide").isValid());
}

}  // namespace
