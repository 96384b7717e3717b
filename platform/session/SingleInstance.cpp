// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/SingleInstance.h"

#include "platform/files/TempFolder.h"
#include "platform/session/CommandSocket.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
int gLockFd = -1;
QByteArray gLockPath;

// Whether the open file is still the one at path: a bar that gave its lock
// up removed the file, and a lock on the removed file locks nothing.
bool stillNamed(int fd, const QByteArray& path)
{
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino;
}
}  // namespace

// The lock is the kernel's lock on an open file, not what the file holds: it
// ends with the process however the process ends. A lock file that names its
// owner is empty for a moment after it is made, and an instance killed just
// then would turn every later start away.
bool PrevInstance()
{
    if (gLockFd >= 0)
        return false;
    const QByteArray path =
        QFile::encodeName(QDir(privateRuntimeFolder()).filePath(QStringLiteral("kestrel2-%1.lock").arg(displayTag())));
    for (int attempt = 0; attempt < 5; ++attempt) {
        // A lock that cannot be had, held or not, turns the start away.
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return true;
        int locked;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(fd);
            return true;
        }
        if (stillNamed(fd, path)) {
            gLockFd = fd;
            gLockPath = path;
            std::atexit(ReleaseInstance);
            return false;
        }
        ::close(fd);
    }
    return true;
}

void ReleaseInstance()
{
    if (gLockFd < 0)
        return;
    // Removed while still held, so that no start takes a lock on it meanwhile.
    ::unlink(gLockPath.constData());
    ::close(gLockFd);
    gLockFd = -1;
}

}  // namespace platform
