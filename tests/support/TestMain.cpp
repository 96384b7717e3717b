// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every test program runs on Qt's offscreen platform with its own settings,
// runtime and temporary folders and display name, so nothing a test does reaches the user's
// files or those of a test running beside it, and finds the program folder in
// K98_BIN_DIR.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // One bar per user and display: bars of test programs running side by
    // side, each on a screen of its own, have a display name of their own.
    if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("DISPLAY", ":k98test" + QByteArray::number(QCoreApplication::applicationPid()));
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    qputenv("K98_TEST_HOME", home.path().toLocal8Bit());
    // The program's temporary files have fixed names in a per-user folder.
    // Open to all as /tmp is, for the tests that speak as another user.
    const QString temp = home.filePath(QStringLiteral("tmp"));
    QDir().mkpath(temp);
    ::chmod(QFile::encodeName(home.path()).constData(), 0711);
    ::chmod(QFile::encodeName(temp).constData(), 01777);
    qputenv("TMPDIR", temp.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("K98_BIN_DIR"))
        qputenv("K98_BIN_DIR", K98_BUILT_BIN_DIR);
    // Components (dialog libraries, the tutorial viewer) live in the program
    // folder, not beside the test programs.
    if (qEnvironmentVariableIsEmpty("K98_COMPONENT_PATH"))
        qputenv("K98_COMPONENT_PATH", qgetenv("K98_BIN_DIR"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
