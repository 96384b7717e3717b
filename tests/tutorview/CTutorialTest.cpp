// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tutorial viewer as the program uses it: created late bound, given its
// four properties, shown modally.

#include "tutorview/CTutorial.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ProgramFolder.h"
#include "tutorview/TutorialViewer.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using tutorview::CTutorial;

namespace {

rt::ComPtr<rt::Component> createViewer(const QString& classIdOrProgId)
{
    qputenv("K98_COMPONENT_PATH", programFolder().toLocal8Bit());
    return rt::CreateObject(classIdOrProgId);
}

// The five calls the program makes.
QVariant showTutorial(rt::Component& viewer, const QString& file, int code = tutorview::FormatCode)
{
    viewer.setProperty(QStringLiteral("Title"), QStringLiteral("Kestrel 98"));
    viewer.setProperty(QStringLiteral("Chapter"), tutorview::LastChapter);
    viewer.setProperty(QStringLiteral("File"), file);
    viewer.setProperty(QStringLiteral("Code"), code);
    return viewer.invoke(QStringLiteral("Show"));
}

QString pageNumber(QWidget* window) { return window->findChild<QLabel*>("pageNumber")->text(); }

// Reports when it goes, so a test can see the last reference release it.
class WatchedTutorial : public CTutorial {
public:
    explicit WatchedTutorial(bool& gone) : mGone(gone) {}
    ~WatchedTutorial() override { mGone = true; }

private:
    bool& mGone;
};

}  // namespace

TEST(CTutorial, IsCreatedByClassIdAndByProgId)
{
    for (const QString& id : {tutorview::ClassId.toString(), QStringLiteral("tutorview.CTutorial")}) {
        SCOPED_TRACE(id.toStdString());
        const rt::ComPtr<rt::Component> viewer = createViewer(id);
        ASSERT_TRUE(viewer);
        EXPECT_EQ(viewer->ClassId(), tutorview::ClassId);
        EXPECT_EQ(viewer->InterfaceId(), tutorview::InterfaceId);
        EXPECT_EQ(viewer->ProgId(), QStringLiteral("tutorview.CTutorial"));
    }
    EXPECT_FALSE(createViewer(QUuid::createUuid().toString()));
    EXPECT_FALSE(createViewer(QStringLiteral("tutorview.CNothing")));
}

TEST(CTutorial, LastReferenceReleasesTheObject)
{
    bool gone = false;
    auto* viewer = new WatchedTutorial(gone);
    viewer->AddRef();
    viewer->Release();
    EXPECT_FALSE(gone);
    {
        rt::ComPtr<rt::Component> holder(viewer);
    }
    EXPECT_TRUE(gone);
}

TEST(CTutorial, RefusesValuesItCannotTakeAndKeepsTheLastGoodOne)
{
    CTutorial viewer;
    EXPECT_TRUE(viewer.setProperty(QStringLiteral("chapter"), QStringLiteral("5")));
    EXPECT_FALSE(viewer.setProperty(QStringLiteral("Chapter"), QStringLiteral("five")));
    EXPECT_FALSE(viewer.setProperty(QStringLiteral("Colour"), 3));
    EXPECT_EQ(viewer.property(QStringLiteral("Chapter")).toInt(), 5);
    EXPECT_FALSE(viewer.invoke(QStringLiteral("Print")).isValid());
}

TEST(CTutorial, ShowsTheShippedTutorialModally)
{
    FakePlatform platform;
    QString title;
    QString firstPage;
    int pagesSeen = 1;
    platform.onModal = [&](QWidget* window) {
        title = window->windowTitle();
        firstPage = pageNumber(window);
        auto* next = window->findChild<QPushButton*>("nextButton");
        while (next->isEnabled() && pagesSeen < 100) {
            QTest::mouseClick(next, Qt::LeftButton);
            ++pagesSeen;
        }
        QTest::mouseClick(window->findChild<QPushButton*>("closeButton"), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
    };
    const rt::ComPtr<rt::Component> viewer = createViewer(tutorview::ClassId.toString());
    ASSERT_TRUE(viewer);

    EXPECT_TRUE(showTutorial(*viewer.get(), programFolder() + QStringLiteral("/Tutorial.lib")).toBool());
    EXPECT_EQ(platform.modalWindows.size(), 1);
    EXPECT_EQ(title, QStringLiteral("Kestrel 98"));
    EXPECT_EQ(firstPage, QStringLiteral("Page 1 of 5"));
    EXPECT_EQ(pagesSeen, 5);
}

TEST(CTutorial, ShowsNoMoreThanTheLastChapter)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Tutorial.lib")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("K98TUTORIAL 1\n");
    for (int page = 1; page <= 7; ++page)
        file.write("== Page\ntext\n");
    file.close();
    FakePlatform platform;
    QString shown;
    platform.onModal = [&](QWidget* window) { shown = pageNumber(window); };

    CTutorial viewer;
    EXPECT_TRUE(showTutorial(viewer, file.fileName()).toBool());
    EXPECT_EQ(shown, QStringLiteral("Page 1 of 5"));

    viewer.setProperty(QStringLiteral("Chapter"), 0);
    EXPECT_TRUE(viewer.invoke(QStringLiteral("show")).toBool());
    EXPECT_EQ(shown, QStringLiteral("Page 1 of 7"));
}

TEST(CTutorial, ShowsNoWindowWithoutAFileItCanRead)
{
    QTemporaryDir dir;
    FakePlatform platform;
    CTutorial viewer;
    EXPECT_FALSE(showTutorial(viewer, dir.filePath(QStringLiteral("Tutorial.lib"))).toBool());
    EXPECT_FALSE(showTutorial(viewer, programFolder() + QStringLiteral("/Tutorial.lib"), 2).toBool());
    EXPECT_TRUE(platform.modalWindows.isEmpty());
}
