// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/TempFolder.h"

#include "platform/files/WholeWrite.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Makes (or checks) a folder that only this user can enter.
bool ensurePrivateFolder(const QByteArray& path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if ((info.st_mode & 0077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return false;
    return true;
}

QString privateFolderUnder(const QString& base)
{
    const QByteArray path = QDir(base).filePath(QStringLiteral("kestrel98-%1").arg(::getuid())).toLocal8Bit();
    if (ensurePrivateFolder(path))
        return QString::fromLocal8Bit(path) + QLatin1Char('/');
    return QString();
}

}  // namespace

QString privateTempFolder()
{
    QString folder = privateFolderUnder(QDir::tempPath());
    if (folder.isEmpty())
        folder = privateFolderUnder(QDir::homePath());
    return folder;
}

QString privateRuntimeFolder()
{
    QStringList bases;
    const QString userRuntime = QStringLiteral("/run/user/%1").arg(::getuid());
    struct stat info {};
    if (::lstat(QFile::encodeName(userRuntime).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::getuid())
        bases << userRuntime;
    bases << QStringLiteral("/tmp");
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
        bases << QFile::decodeName(account->pw_dir);
    for (const QString& base : bases) {
        QString folder = privateFolderUnder(base);
        if (!folder.isEmpty())
            return folder;
    }
    return QString();
}

bool writePrivateFile(const QString& path, const QByteArray& data)
{
    const QByteArray name = path.toLocal8Bit();
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool whole = writeWhole(fd, data);
    return ::close(fd) == 0 && whole;
}

}  // namespace platform
