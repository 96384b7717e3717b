// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the application-menu icon from a .ico record.
//
//   make_appicon <icon.ico> <picture.png> <size>
//
// The record (32 x 32, 16 colours, transparency in its mask) is read through
// Qt's .ico reader and scaled to size x size: whole multiples keep the hard
// pixel edges, other sizes are smoothed. Anything unreadable stops the build.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_appicon <icon.ico> <picture.png> <size>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&ok);
    if (!ok || size < 16 || size > 512) {
        std::fprintf(stderr, "make_appicon: size %s is not between 16 and 512\n", argv[3]);
        return 2;
    }

    QImageReader reader(source, "ico");
    QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "make_appicon: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    const bool wholeMultiple = size % icon.width() == 0 && size % icon.height() == 0;
    const QImage picture = icon.scaled(size, size, Qt::IgnoreAspectRatio,
                                       wholeMultiple ? Qt::FastTransformation : Qt::SmoothTransformation);
    if (!picture.save(target, "PNG")) {
        std::fprintf(stderr, "make_appicon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
