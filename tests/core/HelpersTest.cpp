// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// String, file and icon-library helpers.

#include "core/ShellEx.h"
#include "core/Stringbas.h"
#include "platform/files/TempFolder.h"
#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Stringbas;

namespace {

TEST(StringHelpers, SplitItemStrings)
{
    EXPECT_EQ(StrBefore(QStringLiteral("sep"), QStringLiteral("|")), QString());
    EXPECT_EQ(StrAfter(QStringLiteral("sep"), QStringLiteral("|")), QString());
    EXPECT_EQ(StrAfter(QStringLiteral("/bin/a|tip|more"), QStringLiteral("|")), QStringLiteral("tip|more"));
    EXPECT_EQ(StrBefore(QStringLiteral("/bin/a|tip|more"), QStringLiteral("|")), QStringLiteral("/bin/a"));
    EXPECT_EQ(StrAfter(QStringLiteral("group|Tools|:"), QStringLiteral("|:")), QString());
    EXPECT_EQ(StrAfter(QStringLiteral("group|T|:/i/t.ico"), QStringLiteral("|:")), QStringLiteral("/i/t.ico"));
    // The separator is found ignoring case.
    EXPECT_EQ(StrBefore(QStringLiteral("aXbxc"), QStringLiteral("x")), QStringLiteral("a"));
}

TEST(StringHelpers, FileNamesAndIconParts)
{
    EXPECT_EQ(GetFileName(QStringLiteral("/home/u/doc/report.txt")), QStringLiteral("report.txt"));
    EXPECT_EQ(GetFileName(QStringLiteral("report.txt")), QStringLiteral("report.txt"));
    EXPECT_EQ(GetFileName(QStringLiteral("/home/u/")), QString());
    EXPECT_EQ(StripIconPart(QStringLiteral("Tools|:/icons/t.ico")), QStringLiteral("Tools"));
    EXPECT_EQ(StripIconPart(QStringLiteral("plain tip")), QStringLiteral("plain tip"));
}

TEST(FileHelpers, FilesAndFolders)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("f.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(ShellEx::FileExists(file.fileName()));
    EXPECT_FALSE(ShellEx::DirExists(file.fileName()));
    EXPECT_FALSE(ShellEx::FileExists(dir.path()));
    EXPECT_TRUE(ShellEx::DirExists(dir.path()));
    EXPECT_FALSE(ShellEx::FileExists(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(ShellEx::DirExists(QString()));
}

TEST(SpecialNames, OnlyTheExactWordsAreSpecial)
{
    EXPECT_EQ(ShellEx::SpecialCodeOf(QStringLiteral("My Computer")), 5);
    EXPECT_EQ(ShellEx::SpecialCodeOf(QStringLiteral("Recycle Bin")), 1);
    EXPECT_EQ(ShellEx::SpecialCodeOf(QStringLiteral("Desktop Folder")), 3);
    EXPECT_EQ(ShellEx::SpecialCodeOf(QStringLiteral("my computer")), 0);
    EXPECT_EQ(ShellEx::SpecialCodeOf(QStringLiteral("Fonts Folder")), 0);
}

class IconLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        QByteArray bytes;
        for (int i = 0; i < 4 * ShellEx::IconRecordSize; ++i)
            bytes.append(char(i * 7 + i / ShellEx::IconRecordSize));
        library = dir.filePath(QStringLiteral("kestrel98.lib"));
        QFile file(library);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        content = bytes;
    }
    QTemporaryDir dir;
    QString library;
    QByteArray content;
};

TEST_F(IconLibrary, ExtractsOneRecordIntoThePrivateTempFile)
{
    const QString extracted = ShellEx::ExtractLibIcon(library, 3);
    ASSERT_FALSE(extracted.isEmpty());
    EXPECT_TRUE(extracted.startsWith(platform::privateTempFolder()));
    EXPECT_TRUE(extracted.endsWith(QStringLiteral("/~tmp0235.tmp")));
    QFile file(extracted);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Record 3 is bytes 2298 to 3063.
    EXPECT_EQ(file.readAll(), content.mid(2298, 766));
    EXPECT_EQ(QFile::permissions(platform::privateTempFolder()) &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
              QFile::Permissions());
}

TEST_F(IconLibrary, APlantedLinkIsNotFollowed)
{
    const QString tempFile = platform::privateTempFolder() + ShellEx::TempIconFileName();
    QFile::remove(tempFile);
    const QString victim = dir.filePath(QStringLiteral("victim"));
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::WriteOnly));
    v.write("keep me");
    v.close();
    ASSERT_TRUE(QFile::link(victim, tempFile));
    EXPECT_TRUE(ShellEx::ExtractLibIcon(library, 0).isEmpty());
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), QByteArray("keep me"));
    QFile::remove(tempFile);
}

TEST_F(IconLibrary, MissingLibraryGivesNothing)
{
    EXPECT_TRUE(ShellEx::ExtractLibIcon(dir.filePath(QStringLiteral("none.lib")), 0).isEmpty());
    EXPECT_TRUE(ShellEx::ExtractLibIcon(library, -1).isEmpty());
}

TEST(Shell, LaunchesGoThroughThePlatform)
{
    FakePlatform fake;
    ShellEx::ShellOpenEx(QStringLiteral("/usr/bin/true"));
    ShellEx::SendMail(QStringLiteral("help@kestrel98.example"));
    ShellEx::OpenDocument(QStringLiteral("https://kestrel98.example/"));
    EXPECT_EQ(fake.opened,
              (QStringList{QStringLiteral("/usr/bin/true"), QStringLiteral("mailto:help@kestrel98.example"),
                           QStringLiteral("https://kestrel98.example/")}));
}

}  // namespace
