// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Global hotkeys: a key combination that reaches a window as WM_HOTKEY (with
// the hotkey's identifier in wParam) whichever program has the focus.

class QWidget;

namespace platform {

constexpr int MOD_ALT = 1;
constexpr int MOD_CONTROL = 2;
constexpr int MOD_SHIFT = 4;

// virtualKey: 65 to 90 for the letters A to Z. False when the key cannot be
// grabbed (no X display, or another program holds it).
bool RegisterHotKey(QWidget* window, int id, int modifiers, int virtualKey);
bool UnregisterHotKey(QWidget* window, int id);

}  // namespace platform
