#pragma once
// Every picture and data file the program opens from a path it was given goes
// through here: only a regular file is read (a named pipe, a device or a
// socket would block or never end), only up to a size cap, and in one go.
// Writing replaces a file whole: a temporary file beside it, flushed to the
// disk, then renamed over it.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

struct FileContents {
    enum Status { Read, Missing, Refused };
    Status status = Missing;
    QByteArray bytes;
};

// The cap for pictures, icon libraries and the like.
constexpr qint64 PictureSizeCap = 64 * 1024 * 1024;

FileContents readGuarded(const QString& path, qint64 sizeCap = PictureSizeCap);

// A picture from a file; null when it is no regular file, too large or no
// picture.
QImage loadGuardedImage(const QString& path);

// Replaces the file whole or leaves it as it was; false when it could not.
bool replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace platform
