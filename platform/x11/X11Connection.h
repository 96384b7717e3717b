// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every X11 part of the platform layer starts from: Qt's own connection
// to the X server, replies that free themselves, atoms by name.

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform::x11 {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// Qt's connection, or null when the program does not run on X.
inline xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

inline xcb_screen_t* firstScreen(xcb_connection_t* conn) { return xcb_setup_roots_iterator(xcb_get_setup(conn)).data; }

// The atom of a name, or XCB_ATOM_NONE.
inline xcb_atom_t internAtom(xcb_connection_t* conn, const char* name)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

}  // namespace platform::x11
