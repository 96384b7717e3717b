// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/forms/Interaction.h"

#include "platform/Platform.h"
#include "runtime/Twips.h"

namespace rt {

MsgBoxResult MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title)
{
    return platform::services().messageBox(prompt, style, title);
}

void Beep() { platform::services().beep(); }

void ShowModal(QWidget* form) { platform::services().runModal(form); }

namespace Screen {
int32_t Width() { return toTwips(platform::services().screenSize().width()); }
int32_t Height() { return toTwips(platform::services().screenSize().height()); }
}  // namespace Screen

int32_t CursorX() { return platform::services().cursorPos().x(); }
int32_t CursorY() { return platform::services().cursorPos().y(); }

}  // namespace rt
