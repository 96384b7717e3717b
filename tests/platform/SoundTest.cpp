// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound is opened only when a sound plays, so a bar without one never maps
// the sound library and its codecs.

#include "platform/QtPlatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool soundLibraryMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcanberra");
}

TEST(Sound, TheSoundLibraryIsOpenedWithTheFirstSoundOnly)
{
    platform::QtPlatform platform;
    EXPECT_FALSE(soundLibraryMapped());

    // No audio device here: the sound cannot be heard, but nothing fails loudly.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    platform.playSound(folder.filePath(QStringLiteral("missing.wav")));
    platform.playSound(folder.filePath(QStringLiteral("missing.wav")));
    EXPECT_TRUE(soundLibraryMapped());
}

}  // namespace
