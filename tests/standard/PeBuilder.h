// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Builds small Windows executables (PE images) that hold nothing but
// resources, for the tests of the icon reader.

#include <cstdint>
#include <QByteArray>
#include <QColor>
#include <QList>

namespace pe {

constexpr uint16_t RtIcon = 3;
constexpr uint16_t RtGroupIcon = 14;

struct Resource {
    uint16_t type;
    uint16_t id;
    QByteArray data;
};

struct GroupEntry {
    int side;
    uint16_t bitCount;
    uint32_t bytes;
    uint16_t iconId;
};

// A PE32 (or PE32+) image with one section, ".rsrc", holding the resources
// in a three-level resource directory (type, id, one language).
QByteArray image(const QList<Resource>& resources, bool pe32Plus = false);

// The image data of an icon (as RT_ICON holds it) of one colour.
QByteArray iconData(int side, const QColor& colour);

// An RT_GROUP_ICON directory listing the entries.
QByteArray iconGroup(const QList<GroupEntry>& entries);

// A group with one icon of one colour, as ids 1 (group) and iconId (icon).
QList<Resource> oneIcon(const QColor& colour, uint16_t groupId = 1, uint16_t iconId = 1, int side = 32);

}  // namespace pe
