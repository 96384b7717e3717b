// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a component library's factory owes a host that knows its classes only
// by name and id.

#include <QString>
#include <QUuid>
#include <span>

struct ComponentClass {
    QString progId;
    QUuid classId, interfaceId;
};

// Each class is created both by its ProgID and by its class id and tells who
// it is, and no two of the classes share an id.
void expectCreatableByProgIdAndClassId(std::span<const ComponentClass> classes);
