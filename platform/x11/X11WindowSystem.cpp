// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/WindowSystem.h"
#include "platform/x11/X11Connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

QByteArray platformToUse(const QByteArray& requested)
{
    // A list ("wayland;xcb") is tried in order; a plugin may carry options
    // after a colon ("wayland:foo"); wayland-egl is wayland too.
    const QByteArray first = requested.split(';').constFirst().split(':').constFirst().trimmed();
    if (first.isEmpty() || first.startsWith("wayland"))
        return QByteArrayLiteral("xcb");
    return requested;
}

bool inWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

namespace {
xcb_connection_t* gProbe = nullptr;
}  // namespace

bool x11Reachable()
{
    closeX11Probe();
    gProbe = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(gProbe) == 0)
        return true;
    closeX11Probe();
    return false;
}

void closeX11Probe()
{
    if (gProbe)
        xcb_disconnect(gProbe);
    gProbe = nullptr;
}

bool pointerOverAnyX11Window()
{
    xcb_connection_t* connection = x11::connection();
    if (!connection)
        return true;
    const xcb_screen_t* screen = x11::firstScreen(connection);
    if (!screen)
        return true;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!reply)
        return true;
    const bool over = !reply->same_screen || reply->child != XCB_WINDOW_NONE;
    std::free(reply);
    return over;
}

}  // namespace platform
