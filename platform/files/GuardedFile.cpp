// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/GuardedFile.h"

#include "platform/files/WholeWrite.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : mFd(fd) {}
    ~FileDescriptor()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return mFd; }
    int release() { return std::exchange(mFd, -1); }

private:
    int mFd;
};

void syncFolder(const QByteArray& folder)
{
    FileDescriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

}  // namespace

FileContents readGuarded(const QString& path, qint64 sizeCap)
{
    FileContents contents;
    if (path.isEmpty())
        return contents;
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        contents.status = errno == ENOENT || errno == ENOTDIR ? FileContents::Missing : FileContents::Refused;
        return contents;
    }
    contents.status = FileContents::Refused;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > sizeCap)
        return contents;
    // One byte more than the file claims tells a file that grows while read.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return contents;
        if (got == 0)
            break;
        done += got;
    }
    if (done > info.st_size)
        return contents;
    bytes.truncate(done);
    contents.status = FileContents::Read;
    contents.bytes = std::move(bytes);
    return contents;
}

QImage loadGuardedImage(const QString& path, const char* format)
{
    const FileContents contents = readGuarded(path);
    if (contents.status != FileContents::Read)
        return QImage();
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    QImage image;
    if (format || !suffix.isEmpty()) {
        QBuffer buffer;
        buffer.setData(contents.bytes);
        QImageReader reader(&buffer, format ? QByteArray(format) : suffix);
        // Only the one format's reader: Qt would otherwise load every plugin
        // to ask each whether it knows better.
        reader.setAutoDetectImageFormat(false);
        image = reader.read();
    }
    // A name may lie about what the file holds.
    if (image.isNull())
        image = QImage::fromData(contents.bytes);
    return image;
}

namespace {

std::atomic<int> gUnfinishedWrites{0};
// The temporary file of the replace in progress, kept where a signal handler
// can reach it without allocating.
char gTemporaryPath[PATH_MAX];
std::atomic<bool> gTemporaryInProgress{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a chain of symbolic links leads to (the path itself when it is
// none); errno ELOOP for a chain that never ends.
std::optional<QByteArray> followLinks(QByteArray path)
{
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path;
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// A path longer than the buffer is not remembered: a process ending at once
// then leaves that temporary file behind.
void rememberTemporary(const QByteArray& path)
{
    if (path.size() >= qsizetype(sizeof gTemporaryPath))
        return;
    std::memcpy(gTemporaryPath, path.constData(), size_t(path.size()) + 1);
    gTemporaryInProgress = true;
}

// Writes the bytes to a new file beside target, with target's mode, flushed
// to the disk, and renames it over target. Returns 0 or the errno.
int renameNewFileOver(const QByteArray& target, const QByteArray& bytes, const struct stat* existing)
{
    QByteArray temporary = target + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    rememberTemporary(temporary);
    const bool ok = (!existing || ::fchmod(fd.get(), existing->st_mode & 07777) == 0) && writeWhole(fd.get(), bytes) &&
        ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0 &&
        ::rename(temporary.constData(), target.constData()) == 0;
    const int error = ok ? 0 : errno;
    if (!ok)
        ::unlink(temporary.constData());
    gTemporaryInProgress = false;
    if (ok)
        syncFolder(folderOf(target));
    return error;
}

QByteArray unfinishedCopyOf(const QByteArray& target) { return target + ".unfinished"; }

// Overwrites the file where it is, keeping every name it has.
int writeInPlace(const QByteArray& target, const QByteArray& bytes)
{
    FileDescriptor fd(::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    const bool ok = fd.get() >= 0 && ::lseek(fd.get(), 0, SEEK_SET) == 0 && writeWhole(fd.get(), bytes) &&
        ::ftruncate(fd.get(), off_t(bytes.size())) == 0 && ::fsync(fd.get()) == 0;
    return ok ? 0 : errno;
}

int writeHardLinked(const QByteArray& target, const QByteArray& bytes, const struct stat& existing)
{
    const QByteArray copy = unfinishedCopyOf(target);
    if (const int error = renameNewFileOver(copy, bytes, &existing))
        return error;
    if (const int error = writeInPlace(target, bytes))
        return error;
    ::unlink(copy.constData());
    syncFolder(folderOf(target));
    return 0;
}

}  // namespace

UnfinishedWrite::UnfinishedWrite() { ++gUnfinishedWrites; }
UnfinishedWrite::~UnfinishedWrite() { --gUnfinishedWrites; }
bool writeUnfinished() { return gUnfinishedWrites.load() > 0; }

void removeTemporaryInProgress()
{
    if (gTemporaryInProgress)
        ::unlink(gTemporaryPath);
}

int replaceFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    const std::optional<QByteArray> target = followLinks(QFile::encodeName(path));
    if (!target)
        return errno;
    struct stat existing {};
    if (::stat(target->constData(), &existing) != 0)
        return renameNewFileOver(*target, bytes, nullptr);
    // Root may write anything; a file its owner made read-only stays as it is.
    if (!(existing.st_mode & S_IWUSR))
        return EACCES;
    if (S_ISREG(existing.st_mode) && existing.st_nlink > 1)
        return writeHardLinked(*target, bytes, existing);
    return renameNewFileOver(*target, bytes, &existing);
}

void finishInterruptedWrite(const QString& path)
{
    const std::optional<QByteArray> target = followLinks(QFile::encodeName(path));
    if (!target)
        return;
    const QByteArray copy = unfinishedCopyOf(*target);
    const FileContents contents = readGuarded(QFile::decodeName(copy), std::numeric_limits<qint64>::max() / 2);
    if (contents.status != FileContents::Read)
        return;
    if (writeInPlace(*target, contents.bytes) == 0) {
        ::unlink(copy.constData());
        syncFolder(folderOf(*target));
    }
}

}  // namespace platform
