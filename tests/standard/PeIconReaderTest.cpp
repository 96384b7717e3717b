// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon reader on executables built here: which icon it takes, and that
// no damaged image makes it read outside the bytes it was given (this program
// runs under the address and undefined-behaviour sanitizers).

#include "standard/PeIconReader.h"
#include "PeBuilder.h"

#include <gtest/gtest.h>
#include <QImage>

#include <random>

// Qt's own allocations that live until exit are no fault of the reader.
// AddressSanitizer looks this hook up by its reserved name.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }  // NOLINT(bugprone-reserved-identifier)

namespace {

using plainbox::FirstIconOfExecutable;

QColor centreOf(const QByteArray& ico)
{
    const QImage picture = QImage::fromData(ico, "ICO");
    return picture.isNull() ? QColor() : picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

QSize sizeOf(const QByteArray& ico) { return QImage::fromData(ico, "ICO").size(); }

TEST(PeIconReader, TakesTheIconOfTheFirstGroup)
{
    QList<pe::Resource> resources = pe::oneIcon(Qt::green, 1, 1);
    resources += pe::oneIcon(Qt::red, 2, 2);
    EXPECT_EQ(centreOf(FirstIconOfExecutable(pe::image(resources))), QColor(Qt::green));
    EXPECT_EQ(centreOf(FirstIconOfExecutable(pe::image(resources, true))), QColor(Qt::green)) << "PE32+";
}

TEST(PeIconReader, TakesTheImageNearestToThirtyTwoPixels)
{
    const QByteArray small = pe::iconData(16, Qt::red);
    const QByteArray large = pe::iconData(48, Qt::blue);
    const QByteArray middle = pe::iconData(32, Qt::green);
    const QList<pe::Resource> resources = {
        {pe::RtIcon, 1, small},
        {pe::RtIcon, 2, large},
        {pe::RtIcon, 3, middle},
        {pe::RtGroupIcon, 7,
         pe::iconGroup({{16, 32, uint32_t(small.size()), 1},
                        {48, 32, uint32_t(large.size()), 2},
                        {32, 32, uint32_t(middle.size()), 3}})},
    };
    const QByteArray ico = FirstIconOfExecutable(pe::image(resources));
    EXPECT_EQ(sizeOf(ico), QSize(32, 32));
    EXPECT_EQ(centreOf(ico), QColor(Qt::green));
}

TEST(PeIconReader, GroupImagesWithoutTheirIconAreSkipped)
{
    const QByteArray icon = pe::iconData(16, Qt::red);
    const QList<pe::Resource> resources = {
        {pe::RtIcon, 5, icon},
        {pe::RtGroupIcon, 1, pe::iconGroup({{32, 32, 100, 9}, {16, 32, uint32_t(icon.size()), 5}})},
    };
    EXPECT_EQ(centreOf(FirstIconOfExecutable(pe::image(resources))), QColor(Qt::red));
}

TEST(PeIconReader, NoIconIsNoAnswer)
{
    EXPECT_TRUE(FirstIconOfExecutable({}).isEmpty());
    EXPECT_TRUE(FirstIconOfExecutable("#!/bin/sh\necho hello\n").isEmpty());
    EXPECT_TRUE(FirstIconOfExecutable(QByteArray("\x7f"
                                                 "ELF\2\1\1",
                                                 7))
                    .isEmpty());
    EXPECT_TRUE(FirstIconOfExecutable(pe::image({{6, 1, "strings"}})).isEmpty());
    const QByteArray icon = pe::iconData(32, Qt::green);
    EXPECT_TRUE(FirstIconOfExecutable(pe::image({{pe::RtIcon, 1, icon}})).isEmpty()) << "icons without a group";
}

TEST(PeIconReader, DamagedImagesGiveAnIconOrNothing)
{
    const QByteArray whole = pe::image(pe::oneIcon(Qt::green));
    const QByteArray icon = FirstIconOfExecutable(whole);
    ASSERT_FALSE(icon.isEmpty());

    for (qsizetype length = 0; length < whole.size(); ++length) {
        const QByteArray read = FirstIconOfExecutable(whole.first(length));
        EXPECT_TRUE(read.isEmpty() || read == icon) << length;
    }

    // Every header and directory byte set to extremes, one at a time.
    const qsizetype structures = 0x200 + 128;
    for (qsizetype at = 0; at < structures; ++at) {
        for (const char value : {'\x00', '\x7f', '\x80', '\xff'}) {
            QByteArray damaged = whole;
            damaged[at] = value;
            FirstIconOfExecutable(damaged);
        }
    }

    std::mt19937 random(98);
    for (int trial = 0; trial < 2000; ++trial) {
        QByteArray damaged = whole;
        for (int flips = 0; flips < 4; ++flips)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        FirstIconOfExecutable(damaged);
    }
}

}  // namespace
