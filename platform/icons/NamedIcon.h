// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Icons by the names desktop entries give them: a theme name, a name with an
// extension, or an absolute file.

#include <QIcon>
#include <QString>

namespace platform {

// Looks in the icon theme in force (and hicolor behind it), then in the
// pixmaps folders (/usr/share/pixmaps and $XDG_DATA_DIRS/pixmaps). A null
// icon when nothing usable is found.
QIcon namedIcon(const QString& name);

// The theme's icon of that name alone (its parents and hicolor behind it), at
// each size from the file the icon theme's rules choose; null when the theme
// has none.
QIcon themedIcon(const QString& name);

// The icon in an image file; null when the file cannot be read. Every icon
// loaded from a path comes through here.
QIcon iconFromFile(const QString& path);

// Non-null is not enough: an entry whose image cannot be read draws nothing.
bool isUsableIcon(const QIcon& icon);

}  // namespace platform
