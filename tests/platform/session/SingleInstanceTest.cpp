// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/session/SingleInstance.h"

#include "platform/files/TempFolder.h"
#include "platform/session/CommandSocket.h"

#include <QFile>

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
    const QString lock =
        platform::privateRuntimeFolder() + QStringLiteral("kestrel2-%1.lock").arg(platform::displayTag());
    QFile empty(lock);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    EXPECT_FALSE(platform::PrevInstance());
    EXPECT_FALSE(lockFree(lock));
    platform::ReleaseInstance();
    EXPECT_FALSE(QFile::exists(lock));
}
