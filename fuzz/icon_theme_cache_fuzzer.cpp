// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon themes' indexes (icon-theme.cache) the bar reads for every
// theme icon.
#include "platform/icons/IconThemeCache.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto cache =
        platform::IconThemeCache::fromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const char* name : {"folder", "text-x-generic", "a", ""})
        cache.foldersHolding(QLatin1String(name));
    return 0;
}
