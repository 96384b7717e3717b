// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/OleColor.h"

#include "runtime/SystemLook.h"

namespace rt {

QColor oleColor(int64_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    if (bits & 0x80000000u)
        return classicSystemColor(static_cast<int>(bits & 0xFFu));
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

int64_t oleFromColor(const QColor& color)
{
    return int64_t(color.red()) | (int64_t(color.green()) << 8) | (int64_t(color.blue()) << 16);
}

int64_t qbColor(int index)
{
    static const int64_t palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return palette[index & 15];
}

}  // namespace rt
