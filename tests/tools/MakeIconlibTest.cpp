// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon library generator run as the build runs it: art in, records out,
// malformed art refused.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString errors;
};

class MakeIconlib : public ::testing::Test {
protected:
    QString path(const QString& name) const { return mDir.filePath(name); }

    QString writeArt(const QString& name, const QStringList& rows, const char* lineEnd = "\n")
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& row : rows)
            file.write(row.toLatin1() + lineEnd);
        return file.fileName();
    }

    Outcome run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(MAKE_ICONLIB), arguments);
        EXPECT_TRUE(process.waitForFinished());
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QByteArray read(const QString& name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir mDir;
};

QStringList blankArt() { return QStringList(32, QString(32, QLatin1Char('.'))); }

// Every palette letter on row 5, and single marks in the corners and beside
// the top-left one, so rows, nibbles and mask bits must all land in place.
QStringList markedArt()
{
    QStringList rows = blankArt();
    rows[0] = QStringLiteral("RY") + QString(29, QLatin1Char('.')) + QStringLiteral("B");
    rows[5] = QStringLiteral("kmgonptsdRGYBMCW") + QString(16, QLatin1Char('.'));
    rows[31] = QStringLiteral("G") + QString(30, QLatin1Char('.')) + QStringLiteral("W");
    return rows;
}

const QRgb Palette[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

}  // namespace

TEST_F(MakeIconlib, PutsEveryPixelWhereTheArtHasIt)
{
    // Saved with Windows line ends, as art edited there may be.
    const QString art = writeArt(QStringLiteral("marked.txt"), markedArt(), "\r\n");
    ASSERT_EQ(run({path(QStringLiteral("out.lib")), art}).exitCode, 0);

    const QByteArray bytes = read(QStringLiteral("out.lib"));
    ASSERT_EQ(bytes.size(), 766);
    const QImage image = QImage::fromData(bytes, "ICO").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFFFF00u);
    EXPECT_EQ(image.pixel(31, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(0, 31), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(31, 31), 0xFFFFFFFFu);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(image.pixel(x, 5), Palette[x]) << "palette entry " << x;
    EXPECT_EQ(qAlpha(image.pixel(2, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 5)), 0);
    EXPECT_EQ(qAlpha(image.pixel(15, 15)), 0);
}

TEST_F(MakeIconlib, WritesOneRecordPerArtFileInOrder)
{
    QStringList second = blankArt();
    second[10][10] = QLatin1Char('M');
    const QString first = writeArt(QStringLiteral("first.txt"), markedArt());
    const QString other = writeArt(QStringLiteral("second.txt"), second);
    ASSERT_EQ(run({path(QStringLiteral("out.lib")), first, other, first}).exitCode, 0);

    const QByteArray bytes = read(QStringLiteral("out.lib"));
    ASSERT_EQ(bytes.size(), 3 * 766);
    EXPECT_EQ(bytes.mid(0, 766), bytes.mid(2 * 766, 766));
    const QImage middle = QImage::fromData(bytes.mid(766, 766), "ICO");
    EXPECT_EQ(middle.pixel(10, 10), 0xFFFF00FFu);
    EXPECT_EQ(qAlpha(middle.pixel(0, 0)), 0);
}

TEST_F(MakeIconlib, RefusesMalformedArtAndKeepsTheOldLibrary)
{
    QStringList shortRow = blankArt();
    shortRow[3].chop(1);
    QStringList longRow = blankArt();
    longRow[7] += QLatin1Char('.');
    QStringList unknown = blankArt();
    unknown[4][6] = QLatin1Char('x');
    const struct {
        QString name;
        QStringList rows;
        QString reason;
    } cases[] = {
        {QStringLiteral("few.txt"), blankArt().mid(0, 31), QStringLiteral("expected 32 lines, found 31")},
        {QStringLiteral("many.txt"), blankArt() << QString(), QStringLiteral("expected 32 lines, found 33")},
        {QStringLiteral("short.txt"), shortRow, QStringLiteral("short.txt:4: expected 32 pixels, found 31")},
        {QStringLiteral("long.txt"), longRow, QStringLiteral("long.txt:8: expected 32 pixels, found 33")},
        {QStringLiteral("unknown.txt"), unknown, QStringLiteral("unknown.txt:5:7: unknown pixel character 'x'")},
    };
    const QString good = writeArt(QStringLiteral("good.txt"), markedArt());
    const QString library = path(QStringLiteral("out.lib"));
    ASSERT_EQ(run({library, good}).exitCode, 0);
    const QByteArray before = read(QStringLiteral("out.lib"));

    for (const auto& malformed : cases) {
        SCOPED_TRACE(malformed.name.toStdString());
        const Outcome result = run({library, good, writeArt(malformed.name, malformed.rows)});
        EXPECT_NE(result.exitCode, 0);
        EXPECT_TRUE(result.errors.contains(malformed.reason)) << result.errors.toStdString();
        EXPECT_EQ(read(QStringLiteral("out.lib")), before);
    }
}

TEST_F(MakeIconlib, RefusesMissingArt)
{
    const Outcome missing = run({path(QStringLiteral("out.lib")), path(QStringLiteral("absent.txt"))});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("absent.txt: cannot be read")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.lib"))));
}
