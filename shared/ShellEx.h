// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Icon look-ups and file tests of the dialogs. A null icon stands for "no
// icon"; drawing one draws nothing.

#include <QIcon>
#include <QString>

namespace rt {
class PictureBox;
}

namespace shared {

// The large icon of a special place (platform/files/ShellPlace.h).
QIcon GetSpecialIcon(int code);
// The desktop's icon of a file, folder or drive; null when the path does not
// exist.
QIcon GetFileIcon(const QString& path);

// Paints the icon's 32 x 32 picture at (0, 0) of the box.
void DrawIcon(rt::PictureBox& box, const QIcon& icon);

// True when the path exists, except for a plain folder: one that is writable
// and not hidden counts as missing (a folder with more to it than the folder
// flag counts as present).
bool FileExists(const QString& path);

// The folder part of a path: everything before the last "/", or "/" itself
// for an entry of the root; "" when the path holds no "/".
QString GetParentFolder(const QString& path);

}  // namespace shared
