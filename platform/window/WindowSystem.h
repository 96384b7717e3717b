// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which Qt platform plugin the bar runs on. The bar places an
// override-redirect strip at a screen edge and grabs a key on the root
// window; Wayland offers neither to an ordinary client, so in a Wayland
// session the bar runs on Xwayland.

#include <QByteArray>

namespace platform {

// The plugin to run on for a value of QT_QPA_PLATFORM: "xcb" when it is
// unset or asks for wayland first; otherwise the user's choice (offscreen,
// minimal, xcb, ...).
QByteArray platformToUse(const QByteArray& requested);

// True in a Wayland session (where the program runs on Xwayland).
bool inWaylandSession();

// True when an X server (X11 or Xwayland) answers on $DISPLAY. The
// connection that asked stays open until closeX11Probe(), to be called once
// the application has its own: a server whose last client leaves resets, and
// a connection it takes in just then is dropped, which Qt treats as fatal.
bool x11Reachable();
void closeX11Probe();

// False when the program runs on X and the server reports the pointer over
// its root window only, not over any window on it.
bool pointerOverAnyX11Window();

}  // namespace platform
