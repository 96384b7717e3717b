// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/StartKind.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace platform {

namespace {

bool isNativeProgram(const QMimeType& type)
{
    // A position-independent program is often taken for a shared library.
    for (const char* name : {"application/x-executable", "application/x-pie-executable", "application/x-sharedlib"}) {
        if (type.inherits(QLatin1String(name)))
            return true;
    }
    return false;
}

bool startsWithInterpreterLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "#!";
}

bool isShellScriptByName(const QString& path)
{
    return QMimeDatabase()
        .mimeTypeForFile(path, QMimeDatabase::MatchExtension)
        .inherits(QStringLiteral("application/x-shellscript"));
}

}  // namespace

StartKind startKindFor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return StartKind::Nothing;
    if (!info.isFile() || !info.isExecutable())
        return StartKind::Open;
    if (startsWithInterpreterLine(path))
        return StartKind::Run;
    if (isNativeProgram(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent)))
        return StartKind::Run;
    if (isShellScriptByName(path))
        return StartKind::RunWithShell;
    return StartKind::Open;
}

}  // namespace platform
