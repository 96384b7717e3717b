// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Placement of a dialog next to the mouse pointer, clear of the screen edges
// and of the desktop panel, and the panel's metrics. The panel is the widest
// band of the screen that the desktop keeps for itself (EWMH struts).

#include <cstdint>

namespace rt {
class Form;
}

namespace shared {

enum TaskbarState : int16_t { TaskbarNone = 0, TaskbarAutoHide = 1, TaskbarAlwaysOnTop = 2 };

// Centres the form on the pointer, pulls it inside the margins and shows it
// modally; returns when the form has been hidden or unloaded.
void ShowFormNearCursor(rt::Form& form);

// TaskbarAlwaysOnTop when a panel keeps a band of the screen, else TaskbarNone.
int16_t GetTaskbarState();
// The panel band's height and width in twips; 0 unless the state is
// TaskbarAlwaysOnTop. A band along the top or bottom edge is as wide as the
// screen, one along the left or right edge as high as the screen.
int32_t GetTaskbarHeight();
int32_t GetTaskbarWidth();

}  // namespace shared
