// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu's commands: files, tutorial, About box, web, mail and Exit.

#include "tests/bar/BarFixture.h"

#include "menus/MenuForm.h"
#include "runtime/forms/Interaction.h"

#include <QTemporaryDir>

namespace {

class MainMenu : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        load();
    }
    void choose(const QString& entry)
    {
        fake.menuChoices = {entry};
        rt::PopupMenu(mMain::Menus->mnuDash97);
    }
};

TEST_F(MainMenu, InformationFilesWebPagesAndMailGoToTheDesktop)
{
    for (const char* entry :
         {"mnuWhatsNew", "mnuHintTip", "mnuBugReport", "mnuWriteEmail", "mnuGoHome", "mnuGoDashkeep"})
        choose(QLatin1String(entry));
    const QString folder = mMain::ProgramFolder;
    EXPECT_EQ(
        fake.opened,
        (QStringList{folder + QStringLiteral("whatsnew.txt"), folder + QStringLiteral("tips.txt"),
                     folder + QStringLiteral("bug.txt"), QStringLiteral("mailto:help@kestrel98.example"),
                     QStringLiteral("https://fenwright.example/"), QStringLiteral("https://kestrel98.example/")}));
    for (const char* file : {"whatsnew.txt", "tips.txt", "bug.txt", "contents.htm", "kestrel2.lib", "Tutorial.lib"})
        EXPECT_TRUE(QFile::exists(folder + QLatin1String(file))) << file;
}

TEST_F(MainMenu, TheTutorialShowsEveryTimeAndLeavesTheFirstRunFlag)
{
    QStringList titles;
    fake.onModal = [&](QWidget* window) { titles << window->windowTitle(); };
    choose(QStringLiteral("mnuTutorial"));
    choose(QStringLiteral("mnuTutorial"));
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Kestrel 98"), QStringLiteral("Kestrel 98")}));
    EXPECT_EQ(stored(QStringLiteral("App"), QStringLiteral("FirstTimeEx")), QStringLiteral("no"));
}

TEST_F(MainMenu, TheAboutBoxShowsTheProgramAndItsAddresses)
{
    QString caption;
    fake.onModal = [&](QWidget* window) { caption = window->windowTitle(); };
    choose(QStringLiteral("mnuAbout"));
    EXPECT_EQ(caption, QStringLiteral("About Kestrel 98"));
    EXPECT_TRUE(fake.messageBoxes.isEmpty());
}

TEST_F(MainMenu, AMissingAboutPictureBeepsAndSaysSo)
{
    QTemporaryDir folder;
    mMain::ProgramFolder = folder.path() + QLatin1Char('/');
    choose(QStringLiteral("mnuAbout"));
    EXPECT_TRUE(fake.modalWindows.isEmpty());
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, QStringLiteral("kestrel2.lib not found."));
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbExclamation);
    EXPECT_EQ(fake.beeps, 1);
}

TEST_F(MainMenu, ExitWritesEverythingAndEnds)
{
    save(QStringLiteral("Setting"), QStringLiteral("Top"), QStringLiteral("0"));
    bar->setTop(450);
    bar->ShowDashkeep();
    choose(QStringLiteral("mnuExit"));
    EXPECT_FALSE(bar->Loaded());
    EXPECT_EQ(stored(QStringLiteral("Setting"), QStringLiteral("Top")), QStringLiteral("450"));
    EXPECT_EQ(stored(QStringLiteral("Items"), QStringLiteral("0")), QStringLiteral("<absent>"));
}

}  // namespace
