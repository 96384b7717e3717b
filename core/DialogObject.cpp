// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/DialogObject.h"

#include "core/mMain.h"
#include "runtime/forms/Interaction.h"

rt::ComPtr<rt::Component> createDialogObject(const QString& progId)
{
    QString why;
    rt::ComPtr<rt::Component> object = rt::CreateObject(progId, &why);
    if (!object) {
        rt::Beep();
        rt::MsgBox(QStringLiteral("The dialog %1 cannot be opened.\n\n%2").arg(progId, why), rt::vbExclamation,
                   mMain::ProductName);
    }
    return object;
}
