// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The URL lists other programs drop on the bar.
#include "platform/window/DropFiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::localFilesOfUriList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
