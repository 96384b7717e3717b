// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches one window's moves on the X server and prints how long the window
// took from its first move to the move that sets its left edge to 0, how many
// moves that was, and how long after it was ready to watch the first move
// came: the slide as the X server saw it.
// Usage: slide_watch WINDOW-ID (prints "ready" once it is watching).

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: slide_watch WINDOW-ID\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "slide_watch: no X server\n");
        return 1;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    // Once the server has answered a request sent after it, the mask is in force.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    using Clock = std::chrono::steady_clock;
    const Clock::time_point ready = Clock::now();
    std::printf("ready\n");
    std::fflush(stdout);

    Clock::time_point first;
    int moves = 0;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7F) != XCB_CONFIGURE_NOTIFY)
            continue;
        const auto* moved = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if (moved->window != window)
            continue;
        const Clock::time_point now = Clock::now();
        if (moves++ == 0)
            first = now;
        if (moved->x == 0) {
            using Ms = std::chrono::duration<double, std::milli>;
            std::printf("%.1f ms %d moves, the first %.1f ms after ready\n", Ms(now - first).count(), moves,
                        Ms(first - ready).count());
            break;
        }
    }
    xcb_disconnect(connection);
    return moves > 0 ? 0 : 1;
}
