// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/CSettingEx.h"

#include "dialogs/frmSettingEx.h"
#include "shared/Mshared.h"

namespace kestrel98 {

const QUuid CSettingEx::classId{"{2F6EABD7-ADEC-4186-8CE2-BAAB8A567229}"};
const QUuid CSettingEx::interfaceId{"{465EEF47-1134-45F2-B0B0-685209E8E245}"};
const QString CSettingEx::progId = QStringLiteral("kestrel98.CSettingEx");

CSettingEx::CSettingEx() : mForm(std::make_unique<frmSettingEx>()) { mForm->Load(); }

CSettingEx::~CSettingEx() { mForm->Unload(); }

void CSettingEx::Show()
{
    mForm->applyStoredValues();
    shared::ShowFormNearCursor(*mForm);
}

}  // namespace kestrel98
