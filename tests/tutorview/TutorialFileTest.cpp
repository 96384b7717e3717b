// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tutorial file reader: what a good file gives, and that anything else,
// however broken or large, gives no pages and never hangs or crashes.

#include "tutorview/TutorialFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using tutorview::TutorialFile;

namespace {

constexpr int Version = 1;

const QByteArray GoodFile = "K98TUTORIAL 1\n"
                            "== Welcome\n"
                            "The first paragraph\n"
                            "  runs over two lines.  \n"
                            "\n"
                            "\n"
                            "A second one.\n"
                            "==Next page  \n"
                            "Only one paragraph here.\n";

QByteArray pages(int count)
{
    QByteArray bytes = "K98TUTORIAL 1\n";
    for (int i = 1; i <= count; ++i)
        bytes += "== Page " + QByteArray::number(i) + "\nText " + QByteArray::number(i) + ".\n";
    return bytes;
}

QByteArray paddedTo(QByteArray bytes, qsizetype size)
{
    bytes.append(size - bytes.size(), '\n');
    return bytes;
}

}  // namespace

TEST(TutorialFile, ReadsPagesTitlesAndParagraphs)
{
    const QList<TutorialFile::Page> read = TutorialFile::parse(GoodFile, Version).pages();
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].title, QStringLiteral("Welcome"));
    EXPECT_EQ(
        read[0].paragraphs,
        QStringList({QStringLiteral("The first paragraph runs over two lines."), QStringLiteral("A second one.")}));
    EXPECT_EQ(read[1].title, QStringLiteral("Next page"));
    EXPECT_EQ(read[1].paragraphs, QStringList({QStringLiteral("Only one paragraph here.")}));
}

TEST(TutorialFile, ReadsWindowsLineEndsAByteOrderMarkAndUnicodeAlike)
{
    QByteArray windows = GoodFile;
    windows.replace("\n", "\r\n");
    EXPECT_EQ(TutorialFile::parse(windows, Version).pages().size(), 2);
    EXPECT_EQ(TutorialFile::parse("\xEF\xBB\xBF" + GoodFile, Version).pages().size(), 2);

    const QList<TutorialFile::Page> read =
        TutorialFile::parse("K98TUTORIAL 1\n== Caf\xC3\xA9\n<b>na\xC3\xAFve</b>\n", Version).pages();
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].title, QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(read[0].paragraphs.first(), QStringLiteral("<b>na\u00efve</b>"));
}

TEST(TutorialFile, TakesAMalformedFileNotAtAll)
{
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"nothing", QByteArray()},
        {"another magic word", "K98TUTOR 1\n== A\ntext\n"},
        {"another version", "K98TUTORIAL 2\n== A\ntext\n"},
        {"a version with more", "K98TUTORIAL 1.0\n== A\ntext\n"},
        {"text before the first page", "K98TUTORIAL 1\nstray\n== A\ntext\n"},
        {"a page without a title", "K98TUTORIAL 1\n==   \ntext\n"},
        {"a page without text", "K98TUTORIAL 1\n== A\n\n== B\ntext\n"},
        {"a last page without text", "K98TUTORIAL 1\n== A\ntext\n== B\n"},
        {"invalid UTF-8", "K98TUTORIAL 1\n== A\nte\xC3xt\n"},
        {"a NUL byte", QByteArray("K98TUTORIAL 1\n== A\nte\0xt\n", 26)},
        {"too many pages", pages(TutorialFile::MaxPages + 1)},
        {"too many bytes", paddedTo(pages(1), TutorialFile::MaxBytes + 1)},
    };
    for (const auto& malformed : cases)
        EXPECT_TRUE(TutorialFile::parse(malformed.bytes, Version).pages().isEmpty()) << malformed.what;
}

TEST(TutorialFile, AcceptsAFileAtItsLimits)
{
    EXPECT_EQ(TutorialFile::parse(pages(TutorialFile::MaxPages), Version).pages().size(), TutorialFile::MaxPages);
    EXPECT_EQ(TutorialFile::parse(paddedTo(pages(1), TutorialFile::MaxBytes), Version).pages().size(), 1);
    EXPECT_TRUE(TutorialFile::parse("K98TUTORIAL 1\n", Version).pages().isEmpty());
}

TEST(TutorialFile, ReadsOnlyTheStartOfAHugeFile)
{
    QTemporaryDir dir;
    const QString fits = dir.filePath(QStringLiteral("fits.lib"));
    const QString huge = dir.filePath(QStringLiteral("huge.lib"));
    QFile fitting(fits);
    ASSERT_TRUE(fitting.open(QIODevice::WriteOnly));
    fitting.write(paddedTo(pages(2), TutorialFile::MaxBytes));
    fitting.close();
    ASSERT_TRUE(QFile::copy(fits, huge));
    QFile growing(huge);
    ASSERT_TRUE(growing.resize(qint64(1) << 32));  // sparse: costs no disk

    EXPECT_EQ(TutorialFile::load(fits, Version).pages().size(), 2);
    EXPECT_TRUE(TutorialFile::load(huge, Version).pages().isEmpty());
}

TEST(TutorialFile, GivesNoPagesForAnythingButARegularFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(TutorialFile::load(dir.filePath(QStringLiteral("missing.lib")), Version).pages().isEmpty());
    EXPECT_TRUE(TutorialFile::load(dir.path(), Version).pages().isEmpty());
    EXPECT_TRUE(TutorialFile::load(QString(), Version).pages().isEmpty());
    EXPECT_TRUE(TutorialFile::load(QStringLiteral("/dev/zero"), Version).pages().isEmpty());
}

TEST(TutorialFile, NeverWaitsOnAPipe)
{
    QTemporaryDir dir;
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("Tutorial.lib")));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    // A writer stands ready with a good tutorial: a reader that opened the
    // pipe would get pages.
    std::thread writer([&pipe] {
        const int fd = ::open(pipe.constData(), O_WRONLY);
        if (fd >= 0) {
            (void)!::write(fd, GoodFile.constData(), size_t(GoodFile.size()));
            ::close(fd);
        }
    });

    EXPECT_TRUE(TutorialFile::load(QFile::decodeName(pipe), Version).pages().isEmpty());

    // Release the writer: its open completes against this reader.
    const int reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(reader);
}

TEST(TutorialFile, SurvivesDamagedFiles)
{
    QRandomGenerator random(1998);
    const QByteArray source = pages(3) + GoodFile.mid(14);
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = source;
        const int edits = 1 + int(random.bounded(8));
        for (int i = 0; i < edits && !damaged.isEmpty(); ++i) {
            const qsizetype at = random.bounded(int(damaged.size()));
            const char byte = char(random.bounded(256));
            switch (random.bounded(3)) {
            case 0: damaged[at] = byte; break;
            case 1: damaged.insert(at, byte); break;
            default: damaged.truncate(at); break;
            }
        }
        const TutorialFile parsed = TutorialFile::parse(damaged, Version);
        for (const TutorialFile::Page& page : parsed.pages()) {
            ASSERT_FALSE(page.title.isEmpty()) << round;
            ASSERT_FALSE(page.paragraphs.isEmpty()) << round;
            for (const QString& paragraph : page.paragraphs)
                ASSERT_FALSE(paragraph.isEmpty()) << round;
        }
    }
}
