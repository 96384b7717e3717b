// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/files/ShellPlace.h"

namespace platform {

namespace {

struct NamedPlace {
    const char* name;
    ShellPlace code;
};

const NamedPlace kNamedPlaces[] = {
    {"My Computer", MyComputer},       {"Network Neighborhood", NetworkNeighborhood},
    {"Control Panel", ControlPanel},   {"Recycle Bin", RecycleBin},
    {"Printer Folder", PrinterFolder}, {"Desktop Folder", DesktopFolder},
};

}  // namespace

QStringList shellPlaceNames()
{
    QStringList names;
    for (const NamedPlace& place : kNamedPlaces)
        names << QLatin1String(place.name);
    return names;
}

int shellPlaceCode(const QString& name)
{
    for (const NamedPlace& place : kNamedPlaces) {
        if (name == QLatin1String(place.name))
            return place.code;
    }
    return 0;
}

}  // namespace platform
