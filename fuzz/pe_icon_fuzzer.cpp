// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows programs whose icon the plain About box shows.
#include "standard/PeIconReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plainbox::FirstIconOfExecutable(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
