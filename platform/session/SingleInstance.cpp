#include "platform/session/SingleInstance.h"

#include "platform/files/TempFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {
int gLockFd = -1;
}  // namespace

// The lock is the kernel's lock on an open file, not what the file holds: it
// ends with the process however the process ends. A lock file that names its
// owner is empty for a moment after it is made, and an instance killed just
// then would turn every later start away.
bool PrevInstance()
{
    if (gLockFd >= 0)
        return false;
    const QByteArray path = QFile::encodeName(QDir(privateRuntimeFolder()).filePath(QStringLiteral("kestrel2.lock")));
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
    gLockFd = fd;
    return false;
}

void ReleaseInstance()
{
    if (gLockFd >= 0)
        ::close(gLockFd);
    gLockFd = -1;
}

}  // namespace platform
