// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The runtime's dialogs and screen facts: message boxes, the beep, the
// pointer and the primary screen in twips.

#include "platform/Platform.h"

#include <cstdint>
#include <QString>

class QWidget;

namespace rt {

// Message box styles and answers by their documented names. A style is an
// icon, buttons, or an icon | buttons.
using MsgBoxStyle = platform::MessageStyle;
using MsgBoxResult = platform::MessageAnswer;
inline constexpr platform::MessageButtons vbOKOnly = platform::MessageButtons::Ok;
inline constexpr platform::MessageButtons vbOKCancel = platform::MessageButtons::OkCancel;
inline constexpr platform::MessageButtons vbYesNoCancel = platform::MessageButtons::YesNoCancel;
inline constexpr platform::MessageButtons vbYesNo = platform::MessageButtons::YesNo;
inline constexpr platform::MessageIcon vbCritical = platform::MessageIcon::Critical;
inline constexpr platform::MessageIcon vbQuestion = platform::MessageIcon::Question;
inline constexpr platform::MessageIcon vbExclamation = platform::MessageIcon::Exclamation;
inline constexpr platform::MessageIcon vbInformation = platform::MessageIcon::Information;
inline constexpr MsgBoxResult vbOK = MsgBoxResult::Ok;
inline constexpr MsgBoxResult vbCancel = MsgBoxResult::Cancel;
inline constexpr MsgBoxResult vbYes = MsgBoxResult::Yes;
inline constexpr MsgBoxResult vbNo = MsgBoxResult::No;

MsgBoxResult MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title);
void Beep();

// Shows a form modally and returns when it is hidden.
void ShowModal(QWidget* form);

namespace Screen {
int32_t Width();  // twips
int32_t Height();  // twips
}  // namespace Screen

// The pointer position in screen pixels.
int32_t CursorX();
int32_t CursorY();

}  // namespace rt
