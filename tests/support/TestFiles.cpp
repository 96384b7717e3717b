// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/TestFiles.h"

#include <QFile>
#include <QImage>

bool writeFile(const QString& path, const QByteArray& data, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

bool writeIcon(const QString& path, const QColor& colour)
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture.save(path, "ICO");
}
