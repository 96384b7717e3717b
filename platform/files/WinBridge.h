// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shell's special places and their icons, by their codes
// (platform/files/ShellPlace.h). Every code has an icon, from the icon
// theme or a built-in fallback.

#include <QIcon>
#include <QString>

namespace winbridge {

// Opens the place in the desktop's file manager or settings program.
void OpenSpecialFolder(int code);

// What OpenSpecialFolder hands to the shell for a code ("" for none).
QString SpecialFolderTarget(int code);

// Icons of a code; a null icon stands for "no icon" (handle 0) and is what
// unknown codes get. Small icons are meant for 16 px and large ones for 32 px;
// each holds both sizes, so a caller may draw either. The second argument is
// reserved and always 0.
QIcon GetSpecialSmallIcon(int code, int reserved = 0);
QIcon GetSpecialLargeIcon(int code, int reserved = 0);

}  // namespace winbridge
