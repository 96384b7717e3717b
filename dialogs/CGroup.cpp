// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CGroup.h"

#include "dialogs/frmGroup.h"

namespace kestrel98 {

const QUuid CGroup::classId{"{28223AE7-A61B-4F07-A76E-9E1D255CF53E}"};
const QUuid CGroup::interfaceId{"{F29DC3A6-7299-4861-8EA8-71D650E011EE}"};
const QString CGroup::progId = QStringLiteral("kestrel98.CGroup");

CGroup::CGroup() : NamedComponent(std::make_unique<frmGroup>()) {}

frmGroup& CGroup::form() const { return static_cast<frmGroup&>(itemForm()); }

}  // namespace kestrel98
