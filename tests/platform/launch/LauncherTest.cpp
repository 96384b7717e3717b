// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/Launcher.h"

#include "tests/support/FakePlatform.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

bool appears(const QString& path)
{
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    return QFile::exists(path);
}

}  // namespace

TEST(Launcher, UntrustedLauncherRunsOnlyAfterYes)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("ran"));
    const QString entry = dir.filePath(QStringLiteral("tool.desktop"));
    ASSERT_TRUE(writeFile(entry, "[Desktop Entry]\nName=Handy Tool\nExec=touch " + marker.toUtf8() + "\n"));
    FakePlatform fake;

    fake.answers = {platform::MessageAnswer::No};
    EXPECT_FALSE(platform::launch(entry));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_EQ(fake.messageBoxes[0].prompt, "This launcher is not marked as trusted. Run \"Handy Tool\" anyway?");
    EXPECT_EQ(fake.messageBoxes[0].style, platform::MessageIcon::Question | platform::MessageButtons::YesNo);
    EXPECT_EQ(fake.messageBoxes[0].title, "Kestrel 98");
    EXPECT_EQ(fake.beeps, 0);

    fake.answers = {platform::MessageAnswer::Yes};
    EXPECT_TRUE(platform::launch(entry));
    EXPECT_EQ(fake.messageBoxes.size(), 2);
    EXPECT_TRUE(appears(marker));
    EXPECT_EQ(fake.beeps, 0);
}

TEST(Launcher, WhatCannotStartBeepsOrSaysWhy)
{
    QTemporaryDir dir;
    const ScopedEnv path("PATH", dir.path().toUtf8());
    const ScopedEnv terminal("TERMINAL", "");
    FakePlatform fake;
    const QString invalid = dir.filePath(QStringLiteral("bad.desktop"));
    ASSERT_TRUE(writeFile(invalid, "[Desktop Entry]\nName=Bad\nExec=prog %x\n", true));
    EXPECT_FALSE(platform::launch(invalid));
    EXPECT_FALSE(platform::launch(dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(fake.beeps, 2);
    EXPECT_TRUE(fake.messageBoxes.isEmpty());

    const QString console = dir.filePath(QStringLiteral("console.desktop"));
    ASSERT_TRUE(writeFile(console, "[Desktop Entry]\nName=Console Tool\nExec=top\nTerminal=true\n", true));
    EXPECT_FALSE(platform::launch(console));
    ASSERT_EQ(fake.messageBoxes.size(), 1);
    EXPECT_TRUE(fake.messageBoxes[0].prompt.contains(QStringLiteral("\"Console Tool\"")));
    EXPECT_EQ(fake.messageBoxes[0].style, platform::MessageIcon::Exclamation);
    EXPECT_EQ(fake.beeps, 2);
}

TEST(Launcher, StartFailureBeeps)
{
    QTemporaryDir dir;
    FakePlatform fake;
    const QString entry = dir.filePath(QStringLiteral("gone.desktop"));
    ASSERT_TRUE(writeFile(entry, "[Desktop Entry]\nName=Gone\nExec=/nonexistent/program\n", true));
    EXPECT_FALSE(platform::launch(entry));
    EXPECT_EQ(fake.beeps, 1);
}

// With a bus, the fall-back comes from the bus's answer (e2e.launch).
TEST(Launcher, ActivatableEntryFallsBackToExecWithoutASessionBus)
{
    const ScopedEnv noBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/k98-bus");
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("ran"));
    const QString entry = dir.filePath(QStringLiteral("org.example.NotRunning.desktop"));
    ASSERT_TRUE(writeFile(
        entry, "[Desktop Entry]\nName=Fallback\nDBusActivatable=true\nExec=touch " + marker.toUtf8() + "\n", true));
    FakePlatform fake;
    EXPECT_TRUE(platform::launch(entry));
    EXPECT_TRUE(appears(marker));
    EXPECT_EQ(fake.beeps, 0);

    const QString without = dir.filePath(QStringLiteral("org.example.NoExec.desktop"));
    ASSERT_TRUE(writeFile(without, "[Desktop Entry]\nName=Bus only\nDBusActivatable=true\n", true));
    EXPECT_FALSE(platform::launch(without));
    EXPECT_EQ(fake.beeps, 1);
}
