// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/ShellLink.h"
#include "platform/files/ShellBridge.h"
#include "tests/platform/files/LinkBuilder.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using platform::linkTargetFromBytes;

namespace {

const QString kLinkFolder = QStringLiteral("/home/user/links");

// The link info of a link without item ID list starts right after the header.
constexpr int kLinkInfoAt = LinkBuilder::kHeaderSize;

QByteArray localLink() { return LinkBuilder().localBasePath("/srv/data/report.txt").bytes(); }

QByteArray relativeLink() { return LinkBuilder().relativePath(QStringLiteral("..\\docs\\a.txt")).bytes(); }

QByteArray unicodeLink()
{
    return LinkBuilder()
        .idList(24)
        .unicodeLocalBasePath(QStringLiteral("/srv/Ökonomie/π.txt"), "/srv/ansi.txt")
        .name(QStringLiteral("Übersicht"))
        .relativePath(QStringLiteral("..\\Ökonomie\\π.txt"))
        .workingDir(QStringLiteral("C:\\Temp"))
        .unicodeStrings()
        .bytes();
}

}  // namespace

TEST(ShellLink, LocalBasePathIsTheTarget)
{
    EXPECT_EQ(linkTargetFromBytes(localLink(), kLinkFolder), "/srv/data/report.txt");
    // It wins over the relative path, and an item ID list and name are skipped.
    const QByteArray link = LinkBuilder()
                                .idList(40)
                                .localBasePath("/srv/data/report.txt")
                                .name(QStringLiteral("Report"))
                                .relativePath(QStringLiteral("..\\other.txt"))
                                .bytes();
    EXPECT_EQ(linkTargetFromBytes(link, kLinkFolder), "/srv/data/report.txt");
    EXPECT_EQ(linkTargetFromBytes(LinkBuilder().localBasePath("/srv/", "data/x.txt").bytes(), kLinkFolder),
              "/srv/data/x.txt");
    EXPECT_EQ(linkTargetFromBytes(LinkBuilder().localBasePath("C:\\test\\a.txt").bytes(), kLinkFolder),
              "C:/test/a.txt");
}

TEST(ShellLink, UnicodeVariantsAreRead)
{
    EXPECT_EQ(linkTargetFromBytes(unicodeLink(), kLinkFolder), QStringLiteral("/srv/Ökonomie/π.txt"));
    const QByteArray relative = LinkBuilder()
                                    .name(QStringLiteral("Übersicht"))
                                    .relativePath(QStringLiteral("..\\Ökonomie\\π.txt"))
                                    .unicodeStrings()
                                    .bytes();
    EXPECT_EQ(linkTargetFromBytes(relative, kLinkFolder), QStringLiteral("/home/user/Ökonomie/π.txt"));
}

TEST(ShellLink, RelativePathResolvesAgainstTheLinkFolder)
{
    EXPECT_EQ(linkTargetFromBytes(relativeLink(), kLinkFolder), "/home/user/docs/a.txt");
    EXPECT_EQ(linkTargetFromBytes(relativeLink(), QString()), "../docs/a.txt");
    const QByteArray ignoredInfo = LinkBuilder()
                                       .localBasePath("/srv/elsewhere.txt")
                                       .relativePath(QStringLiteral("b.txt"))
                                       .forceNoLinkInfo()
                                       .bytes();
    EXPECT_EQ(linkTargetFromBytes(ignoredInfo, kLinkFolder), "/home/user/links/b.txt");
}

TEST(ShellLink, LinksWithoutPathOrForeignDataGiveNothing)
{
    EXPECT_EQ(linkTargetFromBytes(LinkBuilder().name(QStringLiteral("x")).bytes(), kLinkFolder), "");
    EXPECT_EQ(linkTargetFromBytes(QByteArray(), kLinkFolder), "");
    EXPECT_EQ(linkTargetFromBytes("L\0\0", kLinkFolder), "");

    QByteArray wrongSize = localLink();
    LinkBuilder::putU32(wrongSize, 0, 0x4D);
    EXPECT_EQ(linkTargetFromBytes(wrongSize, kLinkFolder), "");
    QByteArray wrongClass = localLink();
    wrongClass[8] = 0x7F;
    EXPECT_EQ(linkTargetFromBytes(wrongClass, kLinkFolder), "");
}

TEST(ShellLink, TruncatedLinksGiveNothing)
{
    for (const QByteArray& link : {localLink(), relativeLink(), unicodeLink()}) {
        ASSERT_FALSE(linkTargetFromBytes(link, kLinkFolder).isEmpty());
        for (int size = 0; size < link.size(); ++size)
            EXPECT_EQ(linkTargetFromBytes(link.left(size), kLinkFolder), "") << size << " bytes";
    }
}

TEST(ShellLink, LengthsBeyondTheDataGiveNothing)
{
    QByteArray hugeInfo = localLink();
    LinkBuilder::putU32(hugeInfo, kLinkInfoAt, 0xFFFFFFFF);
    EXPECT_EQ(linkTargetFromBytes(hugeInfo, kLinkFolder), "");

    QByteArray headerLargerThanInfo = localLink();
    LinkBuilder::putU32(headerLargerThanInfo, kLinkInfoAt + 4, 0x1000);
    EXPECT_EQ(linkTargetFromBytes(headerLargerThanInfo, kLinkFolder), "");

    QByteArray pathOutside = localLink();
    LinkBuilder::putU32(pathOutside, kLinkInfoAt + 0x10, 0x7FFFFFF0);
    EXPECT_EQ(linkTargetFromBytes(pathOutside, kLinkFolder), "");

    // Both strings of the link info lose their terminating zero.
    QByteArray unterminated = localLink();
    unterminated[unterminated.size() - 1] = 'x';
    unterminated[unterminated.size() - 2] = 'x';
    EXPECT_EQ(linkTargetFromBytes(unterminated, kLinkFolder), "");

    QByteArray longIdList = LinkBuilder().idList(8).localBasePath("/a").bytes();
    longIdList[kLinkInfoAt] = char(0xFF);
    longIdList[kLinkInfoAt + 1] = char(0xFF);
    EXPECT_EQ(linkTargetFromBytes(longIdList, kLinkFolder), "");

    QByteArray longString = relativeLink();
    longString[kLinkInfoAt] = char(0xFF);
    longString[kLinkInfoAt + 1] = char(0xFF);
    EXPECT_EQ(linkTargetFromBytes(longString, kLinkFolder), "");
}

TEST(ShellLink, TargetWithZeroCharacterGivesNothing)
{
    const QByteArray link =
        LinkBuilder().relativePath(QStringLiteral("a") + QChar(0) + QStringLiteral("b")).unicodeStrings().bytes();
    EXPECT_EQ(linkTargetFromBytes(link, kLinkFolder), "");
}

// Whatever the bytes, the reader returns; any text it gives holds no zero.
TEST(ShellLink, MutatedLinksAreReadSafely)
{
    std::mt19937 random(98);
    for (const QByteArray& link : {localLink(), relativeLink(), unicodeLink()}) {
        for (int round = 0; round < 2000; ++round) {
            QByteArray mutated = link;
            const int flips = 1 + int(random() % 6);
            for (int i = 0; i < flips; ++i)
                mutated[int(random() % mutated.size())] = char(random() & 0xFF);
            if (round % 3 == 0)
                mutated.truncate(int(random() % mutated.size()));
            EXPECT_FALSE(linkTargetFromBytes(mutated, kLinkFolder).contains(QChar(0)));
        }
    }
}

TEST(ShellLink, LinkFilesAreReadFromDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("links")));
    const QString linkPath = dir.filePath(QStringLiteral("links/a.lnk"));
    ASSERT_TRUE(writeFile(linkPath, relativeLink()));
    EXPECT_EQ(platform::linkTarget(linkPath), dir.filePath(QStringLiteral("docs/a.txt")));
    EXPECT_EQ(shellbridge::GetLinkPath(linkPath), dir.filePath(QStringLiteral("docs/a.txt")));

    EXPECT_EQ(platform::linkTarget(dir.filePath(QStringLiteral("missing.lnk"))), "");
    EXPECT_EQ(platform::linkTarget(dir.filePath(QStringLiteral("links"))), "");
}

TEST(ShellLink, FilesOverOneMebibyteAreRefused)
{
    QTemporaryDir dir;
    const QByteArray link = localLink();
    // Trailing data is not read, so the size alone decides.
    const QString atLimit = dir.filePath(QStringLiteral("limit.lnk"));
    ASSERT_TRUE(writeFile(atLimit, link + QByteArray(1024 * 1024 - link.size(), '\0')));
    EXPECT_EQ(platform::linkTarget(atLimit), "/srv/data/report.txt");
    const QString overLimit = dir.filePath(QStringLiteral("over.lnk"));
    ASSERT_TRUE(writeFile(overLimit, link + QByteArray(1024 * 1024 - link.size() + 1, '\0')));
    EXPECT_EQ(platform::linkTarget(overLimit), "");
}

TEST(ShellBridge, BrowseForFolderAsksThePlatform)
{
    FakePlatform fake;
    fake.folderChoices << QStringLiteral("/home/user/Music");
    EXPECT_EQ(shellbridge::BrowseForFolder(nullptr, QStringLiteral("Pick a folder")), "/home/user/Music");
    EXPECT_EQ(shellbridge::BrowseForFolder(nullptr, QStringLiteral("Again")), "");
    EXPECT_EQ(fake.folderTitles, QStringList({QStringLiteral("Pick a folder"), QStringLiteral("Again")}));
}
