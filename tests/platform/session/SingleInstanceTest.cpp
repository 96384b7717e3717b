#include "platform/session/SingleInstance.h"

#include "tests/support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// Whether another open of the file could take the lock now.
bool lockFree(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

}  // namespace

// An instance killed while it made its lock left the file empty; the next
// start is not turned away by it, and holds the lock until it gives it up.
TEST(SingleInstance, AnEmptyLockLeftBehindDoesNotTurnTheStartAway)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const ScopedEnv env("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString folder = QDir(runtime.path()).filePath(QStringLiteral("kestrel98-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString lock = QDir(folder).filePath(QStringLiteral("kestrel2.lock"));
    QFile empty(lock);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    EXPECT_FALSE(platform::PrevInstance());
    EXPECT_FALSE(lockFree(lock));
    platform::ReleaseInstance();
    EXPECT_TRUE(lockFree(lock));
}
