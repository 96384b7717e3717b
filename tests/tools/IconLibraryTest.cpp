// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon library as built into the program folder: what the bar's built-in
// buttons will load.

#include "tests/support/ProgramFolder.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int RecordBytes = 766;
constexpr int RecordCount = 4;

QByteArray library()
{
    QFile file(programFolder() + QStringLiteral("/kestrel98.lib"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage record(const QByteArray& library, int index)
{
    return QImage::fromData(library.mid(index * RecordBytes, RecordBytes), "ICO");
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool isTransparent(QRgb pixel) { return qAlpha(pixel) == 0; }

bool isOpaqueRed(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) >= 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

}  // namespace

TEST(IconLibrary, HoldsFourRecordsOf766Bytes) { EXPECT_EQ(library().size(), RecordCount * RecordBytes); }

TEST(IconLibrary, EveryRecordIsA32By32IconWithATransparentSurround)
{
    const QByteArray bytes = library();
    for (int index = 0; index < RecordCount; ++index) {
        SCOPED_TRACE(index);
        const QImage image = record(bytes, index);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(32, 32));
        const int transparent = countPixels(image, isTransparent);
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, 32 * 32);
        EXPECT_TRUE(isTransparent(image.pixel(0, 0)));
    }
}

TEST(IconLibrary, ModeButtonShowsRedArrowsInExecModeAndSomethingElseInEditMode)
{
    const QByteArray bytes = library();
    const QImage execMode = record(bytes, 0);
    const QImage editMode = record(bytes, 3);
    EXPECT_GT(countPixels(execMode, isOpaqueRed), 100);
    EXPECT_LT(countPixels(editMode, isOpaqueRed), 20);
    EXPECT_NE(execMode, editMode);
}
