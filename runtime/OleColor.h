// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Colour numbers as the settings store keeps them: &H00BBGGRR for a plain
// colour, &H800000nn for system colour nn (stored as a negative number).

#include <cstdint>
#include <QColor>

namespace rt {

// System colours this program uses.
constexpr int64_t vbButtonFace = 0x8000000F;
constexpr int64_t vbButtonShadow = 0x80000010;
constexpr int64_t vbButtonText = 0x80000012;
constexpr int64_t vb3DHighlight = 0x80000014;
constexpr int64_t vb3DDKShadow = 0x80000015;
constexpr int64_t vb3DLight = 0x80000016;
constexpr int64_t vbInfoText = 0x80000017;
constexpr int64_t vbInfoBackground = 0x80000018;

// Accepts the number either as unsigned (&H80000014) or as the signed 32-bit
// value the store holds (-2147483628).
QColor oleColor(int64_t value);

// The colour number of a plain colour: &H00BBGGRR.
int64_t oleFromColor(const QColor& color);

// The 16-colour palette of QBColor: 13 is light magenta (&HFF00FF).
int64_t qbColor(int index);

}  // namespace rt
