// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pushes pending window changes to the display server now, so a window moved
// in a loop that does not return to the event loop is seen moving.

namespace platform {

void syncDisplay();

}  // namespace platform
