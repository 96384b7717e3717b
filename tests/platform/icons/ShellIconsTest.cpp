// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/WinBridge.h"
#include "platform/icons/FileIcons.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const int kSpecialCodes[] = {1, 2, 3, 5, 6, 8, 9, 10};

// Points the icon theme at an empty folder for one test, as on a machine
// without any theme installed.
class NoIconTheme {
public:
    NoIconTheme() : mPaths(QIcon::themeSearchPaths()), mName(QIcon::themeName())
    {
        platform::setupIconTheme();
        QIcon::setThemeSearchPaths({mEmpty.path()});
        QIcon::setThemeName(QStringLiteral("missing"));
    }
    ~NoIconTheme()
    {
        QIcon::setThemeSearchPaths(mPaths);
        QIcon::setThemeName(mName);
    }

private:
    QTemporaryDir mEmpty;
    QStringList mPaths;
    QString mName;
};

bool hasVisiblePixels(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

void expectBothSizes(const QIcon& icon, int code)
{
    ASSERT_FALSE(icon.isNull()) << "code " << code;
    for (const int size : {16, 32}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        EXPECT_EQ(pixmap.size(), QSize(size, size)) << "code " << code;
        EXPECT_TRUE(hasVisiblePixels(pixmap)) << "code " << code << " at " << size;
    }
}

}  // namespace

TEST(SpecialIcons, EveryCodeHasSmallAndLargeIcons)
{
    for (const int code : kSpecialCodes) {
        expectBothSizes(winbridge::GetSpecialSmallIcon(code), code);
        expectBothSizes(winbridge::GetSpecialLargeIcon(code), code);
    }
    for (const int code : {0, 4, 7, 11, -1})
        EXPECT_TRUE(winbridge::GetSpecialSmallIcon(code).isNull()) << "code " << code;
}

TEST(SpecialIcons, BuiltInPicturesStandInForAMissingTheme)
{
    NoIconTheme noTheme;
    QList<QImage> pictures;
    for (const int code : kSpecialCodes) {
        const QIcon icon = winbridge::GetSpecialSmallIcon(code);
        expectBothSizes(icon, code);
        pictures << icon.pixmap(32, 32).toImage();
    }
    for (int i = 0; i < pictures.size(); ++i) {
        for (int j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j]) << "codes " << kSpecialCodes[i] << " and " << kSpecialCodes[j];
    }
}

// Adwaita ships with the machine; the offscreen platform brings no theme.
TEST(FileIcons, InstalledThemeIsTakenWhenTheDesktopHasNone)
{
    platform::setupIconTheme();
    EXPECT_FALSE(QIcon::themeName().isEmpty());
    EXPECT_TRUE(QIcon::hasThemeIcon(QStringLiteral("folder")));
}

TEST(FileIcons, MissingPathsHaveNoIcon)
{
    QTemporaryDir dir;
    EXPECT_TRUE(platform::fileIcon(dir.filePath(QStringLiteral("missing.txt"))).isNull());
    EXPECT_TRUE(platform::fileIcon(QString()).isNull());
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dangling));
    EXPECT_TRUE(platform::fileIcon(dangling).isNull());
}

TEST(FileIcons, IconFollowsTheKindOfFile)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const QString program = dir.filePath(QStringLiteral("tool"));
    const QString themed = dir.filePath(QStringLiteral("themed.desktop"));
    ASSERT_TRUE(writeFile(text, "plain words\n"));
    ASSERT_TRUE(writeFile(program, "#!/bin/sh\n", true));
    ASSERT_TRUE(writeFile(themed, "[Desktop Entry]\nType=Application\nExec=x\nIcon=printer\n"));

    EXPECT_EQ(platform::fileIcon(dir.path()).name(), "folder");
    // text/plain has no icon of its own in the theme; its generic one stands in.
    EXPECT_EQ(platform::fileIcon(text).name(), "text-x-generic");
    EXPECT_EQ(platform::fileIcon(program).name(), "application-x-executable");
    EXPECT_EQ(platform::fileIcon(themed).name(), "printer");
}

TEST(FileIcons, DesktopEntryMayNameAnImageFile)
{
    QTemporaryDir dir;
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QString image = dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(red.save(image));
    const QString entry = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(entry, "[Desktop Entry]\nType=Application\nExec=x\nIcon=" + image.toUtf8() + "\n"));

    const QImage shown = platform::fileIcon(entry).pixmap(32, 32).toImage();
    EXPECT_EQ(shown.pixelColor(16, 16), QColor(Qt::red));
}

TEST(FileIcons, ExistingPathsHaveAnIconWithoutTheme)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const QString entry = dir.filePath(QStringLiteral("app.desktop"));
    ASSERT_TRUE(writeFile(text, "plain words\n"));
    ASSERT_TRUE(writeFile(entry, "[Desktop Entry]\nType=Application\nExec=x\nIcon=no-such-icon\n"));
    NoIconTheme noTheme;
    for (const QString& path : {dir.path(), text, entry}) {
        const QIcon icon = platform::fileIcon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_TRUE(hasVisiblePixels(icon.pixmap(16, 16))) << path.toStdString();
    }
}
