// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/ExeIcon.h"

#include "shared/ShellEx.h"
#include "standard/PeIconReader.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace plainbox {

namespace {

constexpr int IconSide = 32;

QImage resourceIcon(const QString& file)
{
    // Only a regular file is read: opening a pipe would wait for a writer.
    if (!QFileInfo(file).isFile())
        return {};
    QFile program(file);
    if (!program.open(QIODevice::ReadOnly) || program.size() == 0)
        return {};
    // Mapped, so a large program is not read into memory to find its icon.
    const uchar* bytes = program.map(0, program.size());
    if (!bytes)
        return {};
    const QByteArray ico = FirstIconOfExecutable(QByteArrayView(reinterpret_cast<const char*>(bytes), program.size()));
    program.unmap(const_cast<uchar*>(bytes));
    return QImage::fromData(ico, "ICO");
}

}  // namespace

QIcon ExeIcon(const QString& file)
{
    const QImage icon = resourceIcon(file);
    if (!icon.isNull())
        return QIcon(QPixmap::fromImage(icon));
    return shared::GetFileIcon(file);
}

void DrawExeIcon(QImage& surface, int x, int y, const QString& file)
{
    const QIcon icon = ExeIcon(file);
    if (icon.isNull())
        return;
    QPainter painter(&surface);
    painter.drawPixmap(QRect(x, y, IconSide, IconSide), icon.pixmap(IconSide, IconSide));
}

}  // namespace plainbox
