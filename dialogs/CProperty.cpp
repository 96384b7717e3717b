// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CProperty.h"

#include "dialogs/frmProperty.h"

namespace kestrel98 {

const QUuid CProperty::classId{"{7F1F2F13-0B7F-4A65-8323-CB02833CFCC4}"};
const QUuid CProperty::interfaceId{"{469DAF7B-6BB7-44A0-A0C6-F64BBD037DF0}"};
const QString CProperty::progId = QStringLiteral("kestrel98.CProperty");

CProperty::CProperty() : NamedComponent(std::make_unique<frmProperty>()) {}

frmProperty& CProperty::form() const { return static_cast<frmProperty&>(itemForm()); }

}  // namespace kestrel98
