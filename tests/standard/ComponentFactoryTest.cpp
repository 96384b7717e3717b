// The library as a host without its headers sees it: created by ProgID or
// class id through the exported factory, used late bound.

#include "StandardTestSupport.h"

#include "runtime/components/Component.h"
#include "standard/CAboutBox.h"
#include "standard/CInputBox.h"
#include "standard/frmInput.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

class PlainboxFactory : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("K98_COMPONENT_PATH", K98_PROGRAM_FOLDER); }
    FakePlatform fake;
};

TEST_F(PlainboxFactory, CreatesEachClassByProgIdAndByClassId)
{
    struct Expected {
        QString progId;
        QUuid classId, interfaceId;
    };
    const Expected classes[] = {
        {"plainbox.CInputBox", plainbox::CInputBox::classId, plainbox::CInputBox::interfaceId},
        {"plainbox.CAboutBox", plainbox::CAboutBox::classId, plainbox::CAboutBox::interfaceId},
    };
    QSet<QUuid> ids;
    for (const Expected& expected : classes) {
        auto byProgId = rt::CreateObject(expected.progId);
        ASSERT_TRUE(byProgId) << expected.progId.toStdString();
        EXPECT_EQ(byProgId->ProgId(), expected.progId);
        EXPECT_EQ(byProgId->ClassId(), expected.classId);
        EXPECT_EQ(byProgId->InterfaceId(), expected.interfaceId);
        auto byClassId = rt::CreateObject(expected.classId.toString());
        ASSERT_TRUE(byClassId);
        EXPECT_EQ(byClassId->ProgId(), expected.progId);
        ids << expected.classId << expected.interfaceId;
    }
    EXPECT_EQ(ids.size(), 4);
    EXPECT_FALSE(rt::CreateObject("plainbox.CNothing"));

    auto about = rt::CreateObject("plainbox.CAboutBox");
    EXPECT_EQ(about->invoke("SetInfo", {"About Tool", "", "Tool", "Example Ltd.", "Note"}),
              QVariant(true));
    EXPECT_EQ(about->property("Copyright").toString(),
              QString::fromUtf8("Copyright \xC2\xA9 Example Ltd."));
}

TEST_F(PlainboxFactory, LateBoundInputBox)
{
    auto input = rt::CreateObject("plainbox.CInputBox");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->invoke("SetInfo", {"Rename", "", "New name:", "Tools"}), QVariant(true));
    EXPECT_EQ(input->property("caption").toString(), "Rename");
    EXPECT_EQ(input->property("Prompt").toString(), "New name:");
    EXPECT_TRUE(input->setProperty("Text", "Games"));
    fake.onModal = [](QWidget* window) {
        static_cast<plainbox::frmInput*>(window)->Command1.click();
    };
    EXPECT_EQ(input->invoke("Show"), QVariant(true));
    EXPECT_EQ(input->property("Text").toString(), "Games");

    EXPECT_FALSE(input->invoke("SetInfo", {"too", "few"}).isValid());
    EXPECT_FALSE(input->property("Icon").isValid()) << "Icon has no get";
    EXPECT_FALSE(input->setProperty("Width", 10));
}

}  // namespace
