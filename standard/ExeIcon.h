// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The icon of a program file, drawn straight onto a form's surface.

#include <QIcon>
#include <QImage>
#include <QString>

namespace plainbox {

// The first icon of a Windows executable's resources; for any other file
// (a program of this system, or an .exe without icons) the icon the desktop
// shows for it. Null when there is neither.
QIcon ExeIcon(const QString& file);

// Draws the program's icon, 32 x 32, with its top-left corner at (x, y)
// pixels of the surface.
void DrawExeIcon(QImage& surface, int x, int y, const QString& file);

}  // namespace plainbox
