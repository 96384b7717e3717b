// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keyboard focus between this program and the others on the desktop: the
// bar borrows the keyboard when it is clicked or called up, and gives it back
// to the window that had it when it parks.

#include <QtGlobal>

namespace platform {

// The window of another program that has the keyboard now; 0 when one of
// ours has it, or it cannot be told (no X display).
quint64 foreignFocusWindow();

// Gives the keyboard back to a window foreignFocusWindow named, if one of
// ours holds it now; a window closed meanwhile is skipped.
void returnFocusTo(quint64 window);

}  // namespace platform
