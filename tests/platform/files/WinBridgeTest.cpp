// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/WinBridge.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Private data folders, so the machine's own applications and fonts do not
// decide what the tests see.
class PrivateDataFolders {
public:
    PrivateDataFolders()
        : mHome("XDG_DATA_HOME", mRoot.filePath(QStringLiteral("home")).toLocal8Bit()),
          mSystem("XDG_DATA_DIRS", mRoot.filePath(QStringLiteral("system")).toLocal8Bit()),
          mDesktop("XDG_CURRENT_DESKTOP", QByteArray())
    {
    }

    QString homeFile(const QString& name) const { return mRoot.filePath(QStringLiteral("home/") + name); }
    QString systemFile(const QString& name) const { return mRoot.filePath(QStringLiteral("system/") + name); }

    static bool plant(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("[Desktop Entry]\nType=Application\nExec=x\n") > 0;
    }

private:
    QTemporaryDir mRoot;
    ScopedEnv mHome;
    ScopedEnv mSystem;
    ScopedEnv mDesktop;
};

}  // namespace

TEST(SpecialFolders, FixedPlaces)
{
    EXPECT_EQ(winbridge::SpecialFolderTarget(1), "trash:///");
    EXPECT_EQ(winbridge::SpecialFolderTarget(5), "/");
    EXPECT_EQ(winbridge::SpecialFolderTarget(8), "network:///");
    for (const int code : {10, 0, 4, 7, 11, -1})
        EXPECT_EQ(winbridge::SpecialFolderTarget(code), "") << "code " << code;
}

TEST(SpecialFolders, ControlPanelIsAnInstalledSettingsProgram)
{
    PrivateDataFolders data;
    EXPECT_EQ(winbridge::SpecialFolderTarget(2), "");

    const QString gnome = data.systemFile(QStringLiteral("applications/org.gnome.Settings.desktop"));
    const QString kde = data.homeFile(QStringLiteral("applications/systemsettings.desktop"));
    ASSERT_TRUE(PrivateDataFolders::plant(gnome));
    ASSERT_TRUE(PrivateDataFolders::plant(kde));
    EXPECT_EQ(winbridge::SpecialFolderTarget(2), gnome);
    {
        ScopedEnv desktop("XDG_CURRENT_DESKTOP", "KDE");
        EXPECT_EQ(winbridge::SpecialFolderTarget(2), kde);
    }
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    EXPECT_EQ(winbridge::SpecialFolderTarget(2), gnome);
}

TEST(SpecialFolders, PrintersOpenTheCupsPageWithoutSettingsProgram)
{
    PrivateDataFolders data;
    EXPECT_EQ(winbridge::SpecialFolderTarget(9), "http://localhost:631/");
    const QString printers = data.systemFile(QStringLiteral("applications/system-config-printer.desktop"));
    ASSERT_TRUE(PrivateDataFolders::plant(printers));
    EXPECT_EQ(winbridge::SpecialFolderTarget(9), printers);
}

TEST(SpecialFolders, DesktopFolderFollowsTheUserDirectories)
{
    QTemporaryDir dir;
    const QString desktop = dir.filePath(QStringLiteral("Schreibtisch"));
    ScopedEnv config("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QFile dirs(dir.filePath(QStringLiteral("user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"" + desktop.toUtf8() + "\"\n");
    dirs.close();

    // Until it exists the home folder stands in, as desktops show it then.
    EXPECT_EQ(winbridge::SpecialFolderTarget(3), QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(desktop));
    EXPECT_EQ(winbridge::SpecialFolderTarget(3), desktop);
}

TEST(SpecialFolders, FontsFolderPrefersTheUsersOwn)
{
    PrivateDataFolders data;
    ScopedEnv home("HOME", data.homeFile(QStringLiteral("user")).toLocal8Bit());
    EXPECT_EQ(winbridge::SpecialFolderTarget(6), "");
    ASSERT_TRUE(QDir().mkpath(data.systemFile(QStringLiteral("fonts"))));
    EXPECT_EQ(winbridge::SpecialFolderTarget(6), data.systemFile(QStringLiteral("fonts")));
    ASSERT_TRUE(QDir().mkpath(data.homeFile(QStringLiteral("fonts"))));
    EXPECT_EQ(winbridge::SpecialFolderTarget(6), data.homeFile(QStringLiteral("fonts")));
}

TEST(SpecialFolders, OpeningHandsTheTargetToTheShell)
{
    FakePlatform fake;
    winbridge::OpenSpecialFolder(1);
    winbridge::OpenSpecialFolder(5);
    winbridge::OpenSpecialFolder(10);
    winbridge::OpenSpecialFolder(4);
    EXPECT_EQ(fake.opened, QStringList({QStringLiteral("trash:///"), QStringLiteral("/")}));
}
