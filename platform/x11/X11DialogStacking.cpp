// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/DialogStacking.h"
#include "platform/x11/X11Connection.h"

#include <QWindow>

#include <vector>

namespace platform {

namespace {

using x11::connection;
using x11::ReplyPtr;

// The child of the root that holds the window: the window manager's frame,
// or the window itself when it is not framed.
xcb_window_t topLevelOf(xcb_connection_t* conn, xcb_window_t window)
{
    for (;;) {
        ReplyPtr<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(conn, xcb_query_tree(conn, window), nullptr),
                                              &std::free);
        if (!tree || tree->parent == XCB_WINDOW_NONE || tree->parent == tree->root)
            return window;
        window = tree->parent;
    }
}

bool bypassesManager(xcb_window_t window)
{
    for (QWindow* ours : QGuiApplication::allWindows()) {
        if (ours->handle() && ours->winId() == window)
            return ours->isVisible() && (ours->flags() & Qt::X11BypassWindowManagerHint);
    }
    return false;
}

// Ours that bypass the window manager, bottom to top.
std::vector<xcb_window_t> bypassingWindows(xcb_connection_t* conn)
{
    const xcb_window_t root = x11::firstScreen(conn)->root;
    ReplyPtr<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(conn, xcb_query_tree(conn, root), nullptr), &std::free);
    std::vector<xcb_window_t> windows;
    if (!tree)
        return windows;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (bypassesManager(children[i]))
            windows.push_back(children[i]);
    }
    return windows;
}

}  // namespace

void stackBypassingWindowsUnder(QWindow* dialog)
{
    xcb_connection_t* conn = connection();
    if (!conn || !dialog || !dialog->handle())
        return;
    const xcb_window_t frame = topLevelOf(conn, xcb_window_t(dialog->winId()));
    for (xcb_window_t window : bypassingWindows(conn)) {
        const uint32_t values[] = {frame, XCB_STACK_MODE_BELOW};
        xcb_configure_window(conn, window, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    }
    xcb_flush(conn);
}

void raiseBypassingWindows()
{
    xcb_connection_t* conn = connection();
    if (!conn)
        return;
    for (xcb_window_t window : bypassingWindows(conn)) {
        const uint32_t values[] = {XCB_STACK_MODE_ABOVE};
        xcb_configure_window(conn, window, XCB_CONFIG_WINDOW_STACK_MODE, values);
    }
    xcb_flush(conn);
}

void forbidMinimizeMaximize(QWindow* dialog)
{
    xcb_connection_t* conn = connection();
    if (!conn || !dialog || !dialog->handle())
        return;
    enum : uint32_t { HintFunctions = 1, HintDecorations = 2 };
    enum : uint32_t { FunctionMove = 4, FunctionClose = 32 };
    enum : uint32_t { DecorationBorder = 2, DecorationTitle = 8, DecorationMenu = 16 };
    const uint32_t hints[5] = {HintFunctions | HintDecorations, FunctionMove | FunctionClose,
                               DecorationBorder | DecorationTitle | DecorationMenu, 0, 0};
    const xcb_atom_t motif = x11::internAtom(conn, "_MOTIF_WM_HINTS");
    if (motif == XCB_ATOM_NONE)
        return;
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, xcb_window_t(dialog->winId()), motif, motif, 32, 5, hints);
    xcb_flush(conn);
}

}  // namespace platform
