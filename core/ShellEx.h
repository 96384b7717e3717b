// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files, the icon library, the shell and the shortcut and icon look-ups.
// Every routine swallows its failures: an empty string, false or a null icon,
// and nothing is shown to the user.

#include "platform/files/ShellPlace.h"

#include <cstdint>
#include <QIcon>
#include <QString>

class QWidget;

namespace ShellEx {

// The codes of the shell's special places.
using enum platform::ShellPlace;

// The code of one of the special places' names (exact case), or 0.
int SpecialCodeOf(const QString& name);

bool FileExists(const QString& path);  // exists and is not a folder
bool DirExists(const QString& path);  // exists and is a folder

// Copies icon record r (766 bytes at r * 766) of the library into the
// temporary icon file and returns that file's path ("" when nothing could be
// written). The file lives in a private per-user folder.
QString ExtractLibIcon(const QString& libraryPath, int16_t record);
constexpr int IconRecordSize = 766;
QString TempIconFileName();

// Hands a file, folder, program or address to the desktop.
void ShellOpen(QWidget* owner, const QString& file);
void ShellOpenEx(const QString& file);
void OpenDocument(const QString& file);
void SendMail(const QString& address);
void ShowSpecialFolder(int code);

QString GetLinkTarget(const QString& linkPath);
QIcon GetSpecialIcon(int code);
QIcon GetFileIcon(const QString& path, bool selected);

}  // namespace ShellEx
