// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shortcut files come from anywhere a user can drop a file from.
#include "platform/files/ShellLink.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::linkTargetFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                  QStringLiteral("/tmp/links"));
    return 0;
}
