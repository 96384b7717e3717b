// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 22 x 22 picture of an item button: the item's 16 x 16 icon at (3, 3)
// on a transparent margin, or the separator's groove. Drawn at the screen's
// full resolution so high-density screens get sharp icons.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ItemPicture {

constexpr int PictureSize = 22;  // pixels
constexpr int IconSize = 16;
constexpr int IconOffset = 3;

// The icon for an icon source: "sep" has none; a ".qrk" file its first icon;
// the six special names (exact case) and "group" the shell's special icons;
// anything else the file's own icon. Null when there is none.
QIcon iconFor(const QString& source);

// The button picture for a source, or a null pixmap when no icon could be
// had. horizontal decides the groove of a separator.
QPixmap build(const QString& source, bool horizontal, double maskColor, qreal devicePixelRatio);

// The picture of a separator.
QPixmap separator(bool horizontal, qreal devicePixelRatio);

// Shown for a stored item whose icon cannot be had right now (its target is
// on a disk that is not mounted, say), so the item keeps its place.
QPixmap placeholder(qreal devicePixelRatio);

}  // namespace ItemPicture
