// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/CommonDialog.h"

#include "platform/Platform.h"
#include "runtime/OleColor.h"

namespace rt {

bool CommonDialog::ShowOpen(QWidget* owner)
{
    const platform::FileChoice choice = platform::services().openFileDialog(owner, DialogTitle, Filter, InitDir);
    if (!choice.accepted)
        return false;
    FileName = choice.file;
    return true;
}

bool CommonDialog::ShowColor(QWidget* owner)
{
    QColor color = oleColor(Color);
    if (!platform::services().chooseColor(owner, color))
        return false;
    Color = oleFromColor(color);
    return true;
}

}  // namespace rt
