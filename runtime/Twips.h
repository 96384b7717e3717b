// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Forms measure in twips; the screen in pixels. Fifteen twips make a pixel
// wherever the two meet, and the conversion truncates towards zero.

#include <cstdint>

namespace rt {

constexpr int32_t TwipsPerPixel = 15;

constexpr int32_t toPixels(int32_t twips) { return twips / TwipsPerPixel; }
constexpr int32_t toTwips(int32_t pixels) { return pixels * TwipsPerPixel; }

// Mouse buttons and shift states as the event handlers receive them.
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftState : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// Why a form is being closed, as QueryUnload receives it.
enum UnloadMode : int {
    vbFormControlMenu = 0,  // the window's own close command
    vbFormCode = 1,  // Unload called by the program
    vbAppWindows = 2,  // the desktop session is ending
    vbAppTaskManager = 3,  // closed from outside by a task list
};

}  // namespace rt
