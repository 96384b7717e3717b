// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a whole buffer through a call that may take only part of it, or be
// interrupted by a signal before it takes anything.

#include <QByteArray>

#include <cerrno>
#include <cstddef>
#include <sys/types.h>

namespace platform {

// `writeSome(at, count)` takes up to count bytes as write(2) does and says
// how many it took, or -1 with errno set. False when it fails or takes none.
template <typename WriteSome>
bool writeWhole(const QByteArray& data, WriteSome writeSome)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t taken = writeSome(data.constData() + done, size_t(data.size() - done));
        if (taken < 0 && errno == EINTR)
            continue;
        if (taken <= 0)
            return false;
        done += taken;
    }
    return true;
}

// The same with write(2) on an open file.
bool writeWhole(int fd, const QByteArray& data);

}  // namespace platform
