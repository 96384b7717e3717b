// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The library as a host without its headers sees it: created by ProgID or
// class id through the exported factory, used late bound.

#include "StandardTestSupport.h"

#include "runtime/components/Component.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmInput.h"
#include "tests/support/ComponentFactoryChecks.h"

#include <gtest/gtest.h>

namespace {

class PlainboxFactory : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("K98_COMPONENT_PATH", K98_PROGRAM_FOLDER); }
    FakePlatform fake;
};

TEST_F(PlainboxFactory, CreatesEachClassByProgIdAndByClassId)
{
    const ComponentClass classes[] = {
        {"plainbox.CInputBox", plainbox::CInputBox::classId, plainbox::CInputBox::interfaceId},
        {"plainbox.CAboutBox", plainbox::CAboutBox::classId, plainbox::CAboutBox::interfaceId},
    };
    ASSERT_NO_FATAL_FAILURE(expectCreatableByProgIdAndClassId(classes));
    EXPECT_FALSE(rt::CreateObject("plainbox.CNothing"));

    auto about = rt::CreateObject("plainbox.CAboutBox");
    EXPECT_EQ(about->invoke("SetInfo", {"About Tool", "", "Tool", "Example Ltd.", "Note"}), QVariant(true));
    EXPECT_EQ(about->property("Copyright").toString(), QString::fromUtf8("Copyright \xC2\xA9 Example Ltd."));
}

TEST_F(PlainboxFactory, LateBoundInputBox)
{
    auto input = rt::CreateObject("plainbox.CInputBox");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->invoke("SetInfo", {"Rename", "", "New name:", "Tools"}), QVariant(true));
    EXPECT_EQ(input->property("caption").toString(), "Rename");
    EXPECT_EQ(input->property("Prompt").toString(), "New name:");
    EXPECT_TRUE(input->setProperty("Text", "Games"));
    fake.onModal = [](QWidget* window) { static_cast<plainbox::frmInput*>(window)->Command1.click(); };
    EXPECT_EQ(input->invoke("Show"), QVariant(true));
    EXPECT_EQ(input->property("Text").toString(), "Games");

    EXPECT_FALSE(input->invoke("SetInfo", {"too", "few"}).isValid());
    EXPECT_FALSE(input->property("Icon").isValid()) << "Icon has no get";
    EXPECT_FALSE(input->setProperty("Width", 10));
}

}  // namespace
