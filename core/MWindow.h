// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Tying the program's windows together: ownership and stacking.

class QWidget;

namespace MWindow {

// The desktop's taskbar window to own the bar. Linux desktops have none that
// a program can own windows through, so this is nullptr.
QWidget* GetTrayWindow();

// flag true: window is owned by (kept above and with) owner; false: no owner.
void SetOwnerWindow(QWidget* owner, QWidget* window, bool flag);

// Keeps a window above ordinary windows.
void SetTopMost(QWidget* window);

// Closes the open group window whatever the mode.
void ForceHideGroup();

}  // namespace MWindow
