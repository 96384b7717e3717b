// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The component as other hosts use it: the picture from the program folder,
// and creation by ProgID or class id with late-bound properties.

#include "AboutTestSupport.h"

#include "runtime/components/Component.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using glintbox::CAboutBoxEx;

using AboutComponent = AboutBoxTest;

TEST_F(AboutComponent, PictureComesFromTheProgramFolder)
{
    const QString picture = QDir(qEnvironmentVariable("K98_BIN_DIR")).filePath("kestrel2.lib");
    about->setPictureFile(picture);
    EXPECT_EQ(about->PictureFile(), picture);
    EXPECT_EQ(about->form()->imgPict.Picture().size(), QSize(73, 169)) << "the picture fills its image exactly";

    about->setPictureFile(QDir(qEnvironmentVariable("K98_BIN_DIR")).filePath("nothing.png"));
    EXPECT_TRUE(about->form()->imgPict.Picture().isNull());
}

TEST_F(AboutComponent, CreatedByProgIdOrClassIdAndUsedLateBound)
{
    qputenv("K98_COMPONENT_PATH", qgetenv("K98_BIN_DIR"));
    auto byClassId = rt::CreateObject(CAboutBoxEx::classId.toString());
    ASSERT_TRUE(byClassId);
    EXPECT_EQ(byClassId->ProgId(), "glintbox.CAboutBoxEx");
    EXPECT_EQ(byClassId->InterfaceId(), CAboutBoxEx::interfaceId);
    EXPECT_NE(CAboutBoxEx::classId, CAboutBoxEx::interfaceId);

    auto box = rt::CreateObject("glintbox.CAboutBoxEx");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->property("ShowAnimation"), QVariant(false)) << "off on a new object";
    EXPECT_TRUE(box->setProperty("Caption", "About Kestrel 98"));
    EXPECT_TRUE(box->setProperty("ShowAnimation", true));
    EXPECT_TRUE(box->setProperty("website", "https://kestrel98.example/"));
    QImage red(73, 169, QImage::Format_RGB32);
    red.fill(Qt::red);
    EXPECT_TRUE(box->setProperty("Picture", red));
    EXPECT_EQ(box->property("Caption").toString(), "About Kestrel 98");
    EXPECT_EQ(box->property("ShowAnimation"), QVariant(true));
    EXPECT_EQ(box->property("Website").toString(), "https://kestrel98.example/");
    EXPECT_FALSE(box->property("Picture").isValid()) << "Picture has no get";
    EXPECT_FALSE(box->setProperty("Colour", 1));

    fake.onModal = [](QWidget* window) {
        auto& form = *static_cast<glintbox::frmAbout*>(window);
        EXPECT_EQ(form.imgPict.Picture().toImage().pixelColor(1, 1), QColor(Qt::red));
        form.cmdOK.click();
    };
    EXPECT_EQ(box->invoke("Show"), QVariant(true));
    EXPECT_EQ(fake.modalWindows.size(), 1);
    EXPECT_FALSE(rt::CreateObject("glintbox.CNothing"));
}

TEST_F(AboutComponent, APictureThatIsAPipeOrADeviceGivesNoPictureAtOnce)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath("zero.png");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    for (const QString& path : {pipe, zero}) {
        about->setPictureFile(path);
        EXPECT_TRUE(about->form()->imgPict.Picture().isNull()) << path.toStdString();
    }
}

}  // namespace
