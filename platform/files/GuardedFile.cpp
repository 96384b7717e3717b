#include "platform/files/GuardedFile.h"

#include "platform/files/WholeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
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

QImage loadGuardedImage(const QString& path)
{
    const FileContents contents = readGuarded(path);
    if (contents.status != FileContents::Read)
        return QImage();
    // The format is guessed from the bytes, then from the name's suffix.
    QImage image = QImage::fromData(contents.bytes);
    if (image.isNull())
        image = QImage::fromData(contents.bytes, QFileInfo(path).suffix().toLatin1().constData());
    return image;
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    QDir().mkpath(QFileInfo(path).path());
    QByteArray temporary = target + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    struct stat existing {};
    const bool ok = (::stat(target.constData(), &existing) != 0 || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) &&
        writeWhole(fd.get(), bytes) && ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0 &&
        ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace platform
