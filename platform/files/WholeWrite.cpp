// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/WholeWrite.h"

#include <unistd.h>

namespace platform {

bool writeWhole(int fd, const QByteArray& data)
{
    return writeWhole(data, [fd](const char* at, size_t count) { return ::write(fd, at, count); });
}

}  // namespace platform
