// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShellEx.h"

#include "platform/files/GuardedFile.h"
#include "platform/files/ShellBridge.h"
#include "platform/files/TempFolder.h"
#include "platform/files/WinBridge.h"
#include "platform/icons/FileIcons.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

namespace ShellEx {

int SpecialCodeOf(const QString& name) { return platform::shellPlaceCode(name); }

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool DirExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

QString TempIconFileName() { return QStringLiteral("~tmp0235.tmp"); }

QString ExtractLibIcon(const QString& libraryPath, int16_t record)
{
    const QString folder = platform::privateTempFolder();
    if (folder.isEmpty() || record < 0)
        return QString();
    const platform::FileContents library = platform::readGuarded(libraryPath);
    const qint64 start = qint64(record) * IconRecordSize;
    if (library.status != platform::FileContents::Read || start > library.bytes.size())
        return QString();
    const QByteArray bytes = library.bytes.mid(start, IconRecordSize);
    QString path = folder + TempIconFileName();
    // A short read leaves the record incomplete: write what there is, as the
    // reader of the file then finds no icon in it.
    if (!platform::writePrivateFile(path, bytes))
        return QString();
    return path;
}

void ShellOpen(QWidget*, const QString& file) { platform::services().shellOpen(file); }

void ShellOpenEx(const QString& file) { platform::services().shellOpen(file); }

void OpenDocument(const QString& file) { platform::services().shellOpen(file); }

void SendMail(const QString& address) { platform::services().shellOpen(QStringLiteral("mailto:") + address); }

void ShowSpecialFolder(int code) { winbridge::OpenSpecialFolder(code); }

QString GetLinkTarget(const QString& linkPath) { return shellbridge::GetLinkPath(linkPath); }

QIcon GetSpecialIcon(int code) { return winbridge::GetSpecialSmallIcon(code, 0); }

QIcon GetFileIcon(const QString& path, bool selected)
{
    QIcon icon = platform::fileIcon(path);
    if (!selected || icon.isNull())
        return icon;
    QIcon selectedIcon;
    for (const int size : {16, 32})
        selectedIcon.addPixmap(icon.pixmap(size, QIcon::Selected), QIcon::Normal);
    return selectedIcon;
}

}  // namespace ShellEx
