// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and shutdown of the program.

#include "tests/bar/BarFixture.h"

#include "runtime/forms/Interaction.h"
#include "runtime/Twips.h"

#include <QTemporaryDir>

namespace {

using Startup = BarFixture;

TEST_F(Startup, EmptyStoreShowsTheBuiltInButtonsParkedAtTheRightEdge)
{
    clearStore();
    save(QStringLiteral("App"), QStringLiteral("Path"), programFolder());
    save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("no"));
    frmMain& b = load();
    EXPECT_FALSE(b.Ended());
    EXPECT_EQ(mMain::ItemCount, 2);
    EXPECT_EQ(tagOf(0), QStringLiteral("edit"));
    EXPECT_EQ(tagOf(1), QStringLiteral("prop"));
    EXPECT_EQ(tagOf(2), QStringLiteral("help"));
    EXPECT_EQ(b.Width(), 1024 * 15);
    EXPECT_EQ(b.Height(), 450);
    // Parked: only 135 twips of its start (with the grip) show.
    EXPECT_EQ(b.Left(), 1024 * 15 - 135);
    EXPECT_EQ(b.Top(), 0);
    EXPECT_TRUE(b.isVisible());
    EXPECT_TRUE(mMain::ProgramFolder.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
    // The pictures wait for the first slide-in, which draws every one.
    EXPECT_TRUE(b.ItemImg[0].Picture().isNull());
    showBar();
    EXPECT_EQ(b.Left(), 0);
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(b.ItemImg[i].Picture().size(), b.ItemImg[i].size()) << i;
}

TEST_F(Startup, AStoredFolderWithoutTheIconLibraryEndsTheProgramWritingNothing)
{
    QTemporaryDir elsewhere;
    save(QStringLiteral("App"), QStringLiteral("Path"), elsewhere.path());
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("300"));
    rt::FlushSettings();
    QFile file(rt::SettingsFilePath(mMain::AppName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    frmMain& b = load();
    EXPECT_TRUE(b.Ended());
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, QStringLiteral("kestrel98.lib not found. This program will terminate."));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbCritical);
    EXPECT_EQ(fake.messageBoxes[0].title, QStringLiteral("Kestrel 98"));
    rt::FlushSettings();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    bar.reset();
}

TEST_F(Startup, APathThatIsNoFolderIsReplacedByTheStartFolder)
{
    // The test program's own folder has no icon library, so the replaced
    // path fails the check too: the message, and still nothing stored.
    save(QStringLiteral("App"), QStringLiteral("Path"), QStringLiteral("/no/such/folder"));
    frmMain& b = load();
    EXPECT_TRUE(b.Ended());
    EXPECT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(stored(QStringLiteral("App"), QStringLiteral("Path")), QStringLiteral("/no/such/folder"));
    bar.reset();
}

TEST_F(Startup, TheRootFolderGetsNoSecondSlash)
{
    save(QStringLiteral("App"), QStringLiteral("Path"), QStringLiteral("/"));
    load();
    // "/" has no icon library: the message names it and the program ends.
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(bar->Ended());
    bar.reset();
}

TEST_F(Startup, ShutdownWritesThePositionAndEndsTheListAfterTheLastItem)
{
    storeItems({QStringLiteral("sep"), QStringLiteral("sep"), QStringLiteral("sep"), QStringLiteral("sep"),
                QStringLiteral("sep")});
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("300"));
    frmMain& b = load();
    EXPECT_EQ(mMain::ItemCount, 7);
    EXPECT_EQ(b.Top(), 300);
    // Someone left a longer list in the store meanwhile.
    save(QStringLiteral("Items"), QStringLiteral("5"), QStringLiteral("stale"));
    ASSERT_TRUE(b.Unload());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stored(QStringLiteral("Items"), QString::number(i)), QStringLiteral("sep"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("5")), QStringLiteral("<absent>"));
    EXPECT_EQ(stored(QStringLiteral("Setting"), QStringLiteral("Top")), QStringLiteral("300"));
}

TEST_F(Startup, ClosingFromTheTaskListAsksAndNoKeepsTheBar)
{
    frmMain& b = load();
    fake.answers = {rt::vbNo};
    EXPECT_FALSE(b.Unload(rt::vbAppTaskManager));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, QStringLiteral("Are you sure you want to quit Kestrel 98?"));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbYesNo | rt::vbExclamation);
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_TRUE(b.isVisible());
    EXPECT_TRUE(b.Loaded());
    // Yes closes; other ways of closing do not ask.
    fake.answers = {rt::vbYes};
    EXPECT_TRUE(b.Unload(rt::vbAppTaskManager));
    EXPECT_EQ(fake.messageBoxes.size(), 2);
}

TEST_F(Startup, ShuttingDownWithTheSessionDoesNotAsk)
{
    frmMain& b = load();
    EXPECT_TRUE(b.Unload(rt::vbAppWindows));
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(Startup, TheTutorialIsOfferedOncePerUser)
{
    qputenv("K98_COMPONENT_PATH", programFolder().toLocal8Bit());
    save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("yes"));
    QStringList titles;
    fake.onModal = [&](QWidget* window) { titles << window->windowTitle(); };
    frmMain& b = load();
    EXPECT_EQ(titles, QStringList{QStringLiteral("Kestrel 98")});
    EXPECT_EQ(stored(QStringLiteral("App"), QStringLiteral("FirstTimeEx")), QStringLiteral("no"));
    b.ShowTutorial();
    EXPECT_EQ(titles.size(), 1);
}

TEST_F(Startup, OnlyAnExactYesOffersTheTutorial)
{
    qputenv("K98_COMPONENT_PATH", programFolder().toLocal8Bit());
    save(QStringLiteral("App"), QStringLiteral("FirstTimeEx"), QStringLiteral("Yes"));
    load();
    EXPECT_TRUE(fake.modalWindows.isEmpty());
    EXPECT_EQ(stored(QStringLiteral("App"), QStringLiteral("FirstTimeEx")), QStringLiteral("Yes"));
}

TEST_F(Startup, RefreshKeepsTheAcrossPositionAndFollowsATurn)
{
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("600"));
    frmMain& b = load();
    b.RefreshSettings(true);
    EXPECT_EQ(stored(QStringLiteral("Setting"), QStringLiteral("Top")), QStringLiteral("600"));
    // Turned vertical: the bar's Left (parked at the edge) is stored as the
    // across position of the new orientation... and Top as it was.
    save(QStringLiteral("Setting"), QStringLiteral("Direction"), QStringLiteral("bottom"));
    b.RefreshSettings(true);
    EXPECT_FALSE(mMain::IsHorizontal());
    EXPECT_EQ(b.Width(), 450);
    EXPECT_EQ(b.Height(), 768 * 15);
    EXPECT_EQ(b.Top(), 768 * 15 - 135);
}

}  // namespace
