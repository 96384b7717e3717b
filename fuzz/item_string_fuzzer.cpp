// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Item strings and setting values, as read from a settings file edited by hand.
#include "core/mMain.h"
#include "core/Stringbas.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Stringbas::StrBefore(text, QStringLiteral("|"));
    Stringbas::StrAfter(text, QStringLiteral("|:"));
    Stringbas::StrBetween(text, QStringLiteral("|"), QStringLiteral("|:"));
    Stringbas::StripIconPart(text);
    Stringbas::GetFileName(text);
    int64_t whole = 0;
    double number = 0;
    mMain::toWholeNumber(text, whole);
    mMain::toDouble(text, number);
    return 0;
}
