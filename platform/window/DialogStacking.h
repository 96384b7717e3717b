// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dialogs over the bar. The bar, the group window and the tip bypass the
// window manager, and such windows stand above every window it manages; a
// dialog the bar opens would lie under them. While a dialog shows, they step
// down under its frame; afterwards they go back on top.

class QWindow;

namespace platform {

// Puts our visible windows that bypass the window manager directly under the
// dialog's frame, keeping their order among themselves.
void stackBypassingWindowsUnder(QWindow* dialog);
// Raises them again above everything, in the same order.
void raiseBypassingWindows();

// Leaves the dialog only a close button, under any window manager: Qt's flags
// are read by some, the Motif hints by others.
void forbidMinimizeMaximize(QWindow* dialog);

}  // namespace platform
