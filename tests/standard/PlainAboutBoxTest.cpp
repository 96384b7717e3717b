// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain About box: its texts, the copyright prefix, and the icon taken
// from an icon file or drawn from a program.

#include "PeBuilder.h"
#include "StandardTestSupport.h"

#include "runtime/OleColor.h"
#include "standard/CAboutBox.h"
#include "standard/frmAboutBox.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

using plainbox::CAboutBox;
using plainbox::frmAboutBox;

class PlainAboutBox : public ::testing::Test {
protected:
    PlainAboutBox()
    {
        writeIcon(redIcon, Qt::red);
        writeFile(greenProgram, pe::image(pe::oneIcon(Qt::green)));
        writeFile(script, "#!/bin/sh\necho hello\n");
        about->setIcon(QString());
    }

    // The colour drawn on the form in the middle of the icon's place.
    QColor drawnIcon() { return form.canvas().pixelColor(8 + 16, 8 + 16); }
    QColor imageIcon() const { return form.imgIcon.Picture().toImage().pixelColor(16, 16); }

    FakePlatform fake;
    QTemporaryDir dir;
    const QString redIcon = dir.filePath(QStringLiteral("red.ico"));
    const QString greenProgram = dir.filePath(QStringLiteral("APP.EXE"));
    const QString script = dir.filePath(QStringLiteral("tool.exe"));
    rt::ComPtr<CAboutBox> about{new CAboutBox};
    frmAboutBox& form = about->form();
};

TEST_F(PlainAboutBox, SetInfoFillsTheBoxAndTheCopyrightGetsItsPrefix)
{
    about->SetInfo(QStringLiteral("About Tool"), redIcon, QStringLiteral("Tool 1.0"), QStringLiteral("Example Ltd."),
                   QStringLiteral("Counts the things."));
    EXPECT_EQ(about->Caption(), "About Tool");
    EXPECT_EQ(about->ProgramName(), "Tool 1.0");
    EXPECT_EQ(about->Copyright(), QString::fromUtf8("Copyright \xC2\xA9 Example Ltd."));
    EXPECT_EQ(form.labCopyright.Caption(), about->Copyright());
    EXPECT_EQ(about->Comment(), "Counts the things.");
    EXPECT_EQ(imageIcon(), QColor(Qt::red));
    EXPECT_EQ(form.txtComment.palette().color(QPalette::Base), rt::oleColor(form.BackColor()))
        << "the comment lies on the form's own background";
}

TEST_F(PlainAboutBox, MissingIconLeavesTheIconAndSetInfoGoesOn)
{
    about->setIcon(redIcon);
    about->setIcon(dir.filePath(QStringLiteral("gone.ico")));
    EXPECT_EQ(imageIcon(), QColor(Qt::red));

    about->SetInfo(QStringLiteral("About Other"), dir.filePath(QStringLiteral("gone.exe")), QStringLiteral("Other 2.0"),
                   QStringLiteral("Someone"), QStringLiteral("x"));
    EXPECT_EQ(imageIcon(), QColor(Qt::red));
    EXPECT_EQ(about->Caption(), "About Other");
    EXPECT_EQ(about->ProgramName(), "Other 2.0");
    EXPECT_EQ(about->Copyright(), QString::fromUtf8("Copyright \xC2\xA9 Someone"));
    EXPECT_EQ(about->Comment(), "x");
}

TEST_F(PlainAboutBox, ProgramIconIsDrawnOnTheFormAndAnIconFileClearsIt)
{
    about->setIcon(redIcon);
    about->setIcon(greenProgram);
    EXPECT_EQ(drawnIcon(), QColor(Qt::green)) << "the first icon of the program's resources";
    EXPECT_TRUE(form.imgIcon.Picture().isNull()) << "the drawn icon shows through";

    about->setIcon(redIcon);
    EXPECT_EQ(drawnIcon().alpha(), 0);
    EXPECT_EQ(imageIcon(), QColor(Qt::red));

    about->setIcon(greenProgram);
    about->setIcon(QString());
    EXPECT_EQ(drawnIcon().alpha(), 0) << "no icon at all";
    EXPECT_TRUE(form.imgIcon.Picture().isNull());
}

TEST_F(PlainAboutBox, ProgramWithoutIconResourcesGetsTheDesktopsIcon)
{
    about->setIcon(script);
    EXPECT_NE(drawnIcon().alpha(), 0);
    EXPECT_TRUE(form.imgIcon.Picture().isNull());
}

TEST_F(PlainAboutBox, OkHidesTheOneSharedBox)
{
    rt::ComPtr<CAboutBox> other(new CAboutBox);
    EXPECT_EQ(&other->form(), &form);
    other->setProgramName(QStringLiteral("Shared"));
    EXPECT_EQ(about->ProgramName(), "Shared");

    whileShown<frmAboutBox>(
        fake,
        [](frmAboutBox& f) {
            EXPECT_TRUE(f.isVisible());
            f.cmdOK.click();
            EXPECT_FALSE(f.isVisible());
        },
        [&] { about->Show(); });
    EXPECT_EQ(fake.modalWindows.size(), 1);
    EXPECT_TRUE(form.Loaded());
}

TEST_F(PlainAboutBox, AnIconThatIsAPipeOrADeviceGivesNoPictureAtOnce)
{
    const QString pipe = dir.filePath(QStringLiteral("pipe.ico"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.ico"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& path : {pipe, zero}) {
        about->setIcon(path);
        EXPECT_TRUE(form.imgIcon.Picture().isNull()) << path.toStdString();
    }
}

}  // namespace
