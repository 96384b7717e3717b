// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared/ShellEx.h"

#include "platform/files/WinBridge.h"
#include "platform/icons/FileIcons.h"
#include "runtime/controls/PictureBox.h"

#include <QFileInfo>
#include <QPainter>

namespace shared {

namespace {
constexpr int IconSize = 32;
}  // namespace

QIcon GetSpecialIcon(int code) { return winbridge::GetSpecialLargeIcon(code, 0); }

QIcon GetFileIcon(const QString& path) { return platform::fileIcon(path); }

void DrawIcon(rt::PictureBox& box, const QIcon& icon)
{
    if (icon.isNull())
        return;
    QPainter painter(&box.surface());
    painter.drawPixmap(0, 0, icon.pixmap(IconSize, IconSize));
    painter.end();
    box.update();
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // The attributes of a plain folder are the folder flag alone; read-only
    // or hidden add to them.
    const bool plainFolder = info.isDir() && info.isWritable() && !info.isHidden();
    return !plainFolder;
}

QString GetParentFolder(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

}  // namespace shared
