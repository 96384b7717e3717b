#include "platform/DialogStacking.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&free)>;

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The child of the root that holds the window: the window manager's frame,
// or the window itself when it is not framed.
xcb_window_t topLevelOf(xcb_connection_t* conn, xcb_window_t window)
{
    for (;;) {
        ReplyPtr<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(conn, xcb_query_tree(conn, window), nullptr),
                                              &free);
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
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
    ReplyPtr<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(conn, xcb_query_tree(conn, root), nullptr), &free);
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

xcb_atom_t atom(xcb_connection_t* conn, const char* name)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, uint16_t(strlen(name)), name), nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
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
    const xcb_atom_t motif = atom(conn, "_MOTIF_WM_HINTS");
    if (motif == XCB_ATOM_NONE)
        return;
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, xcb_window_t(dialog->winId()), motif, motif, 32, 5, hints);
    xcb_flush(conn);
}

}  // namespace platform
