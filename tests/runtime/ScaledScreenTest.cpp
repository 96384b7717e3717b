// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs on a screen scaled to twice the pixels (run with QT_SCALE_FACTOR=2):
// the MS Sans Serif file holds bitmaps at three sizes only, which a scaled
// screen draws at the wrong size, so a face that scales stands in for it.

#include "runtime/forms/DialogForm.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(ScaledScreen, DialogTextIsDrawnByAFaceThatScales)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    const rt::DialogForm form;
    const QFontInfo drawn(form.font());
    EXPECT_NE(drawn.family().toStdString(), "MS Sans Serif");
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(drawn.family())) << drawn.family().toStdString();
}

}  // namespace
