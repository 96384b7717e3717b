// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/KeyboardFocus.h"
#include "platform/x11/X11Connection.h"

#include <QWindow>

namespace platform {

namespace {

using x11::connection;

xcb_window_t focusWindow(xcb_connection_t* conn)
{
    x11::ReplyPtr<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr), &std::free);
    return reply ? reply->focus : xcb_window_t(XCB_WINDOW_NONE);
}

bool isOurs(xcb_window_t window)
{
    for (QWindow* ours : QGuiApplication::allWindows()) {
        if (ours->handle() && ours->winId() == window)
            return true;
    }
    return false;
}

}  // namespace

quint64 foreignFocusWindow()
{
    xcb_connection_t* conn = connection();
    if (!conn)
        return 0;
    const xcb_window_t focus = focusWindow(conn);
    // None and PointerRoot name no window to go back to.
    if (focus == XCB_WINDOW_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT || isOurs(focus))
        return 0;
    return focus;
}

void returnFocusTo(quint64 window)
{
    xcb_connection_t* conn = connection();
    if (!conn || window == 0 || !isOurs(focusWindow(conn)))
        return;
    auto cookie = xcb_set_input_focus_checked(conn, XCB_INPUT_FOCUS_PARENT, xcb_window_t(window), XCB_CURRENT_TIME);
    // BadWindow or BadMatch: the window was closed or unmapped meanwhile.
    free(xcb_request_check(conn, cookie));
}

}  // namespace platform
