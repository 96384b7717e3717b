// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shell's special places by the codes items and icon look-ups know them
// by, and the names an item may give instead of a path.

#include <QString>
#include <QStringList>

namespace platform {

enum ShellPlace : int {
    RecycleBin = 1,
    ControlPanel = 2,
    DesktopFolder = 3,
    MyComputer = 5,
    FontsFolder = 6,
    NetworkNeighborhood = 8,
    PrinterFolder = 9,
    // Not a place: the icon a group gets when it has none of its own.
    DefaultGroupIcon = 10,
};

// The names an item may stand for a place by, in the order the item property
// dialog lists them.
QStringList shellPlaceNames();

// The code of one of those names (exact case), or 0.
int shellPlaceCode(const QString& name);

}  // namespace platform
