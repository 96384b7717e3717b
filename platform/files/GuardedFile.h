// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every picture and data file the program opens from a path it was given goes
// through here: only a regular file is read (a named pipe, a device or a
// socket would block or never end), only up to a size cap, and in one go.
// Writing replaces a file whole: a temporary file beside it, flushed to the
// disk, then renamed over it. A symbolic link stays a link: the file it
// leads to is replaced, in its own folder. A file with several names (hard
// links) cannot be renamed over without losing the others; it is written in
// place, after a whole copy of the new contents was put beside it, so that
// a write cut short is finished from that copy the next time the file is
// read through finishInterruptedWrite.

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
// picture. The format is the one given, else the name's suffix says it, else
// the bytes do; guessing from the bytes loads every image plugin there is.
QImage loadGuardedImage(const QString& path, const char* format = nullptr);

// Replaces the file whole or leaves it as it was. Returns 0, or the errno of
// what stopped it: EACCES for a file its owner may not write, whatever the
// process may do.
int replaceFile(const QString& path, const QByteArray& bytes);

// Completes a write in place that was cut short (see above).
void finishInterruptedWrite(const QString& path);

// A write the process must not be ended in the middle of: while one lives,
// writeUnfinished() is true.
class UnfinishedWrite {
public:
    UnfinishedWrite();
    ~UnfinishedWrite();
    UnfinishedWrite(const UnfinishedWrite&) = delete;
    UnfinishedWrite& operator=(const UnfinishedWrite&) = delete;
};
// Async-signal-safe.
bool writeUnfinished();

// Removes the temporary file of a replace in progress, if there is one; for
// a process that ends at once. Async-signal-safe.
void removeTemporaryInProgress();

}  // namespace platform
