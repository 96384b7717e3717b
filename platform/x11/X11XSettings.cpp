#include "platform/XSettings.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The settings of a larger size are not the desktop's.
constexpr uint32_t kMaxSettingsWords = 256 * 1024;

xcb_atom_t atom(xcb_connection_t* connection, const QByteArray& name)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t settingsOwner(xcb_connection_t* connection, int screenNumber)
{
    const xcb_atom_t selection = atom(connection, "_XSETTINGS_S" + QByteArray::number(screenNumber));
    if (selection == XCB_ATOM_NONE)
        return XCB_WINDOW_NONE;
    ReplyPtr<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
        &std::free);
    return reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
}

}  // namespace

QByteArray readXSettings()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return QByteArray();
    // The settings daemon serves the default screen; Xvfb and most desktops have one.
    const xcb_window_t owner = settingsOwner(connection, 0);
    const xcb_atom_t property = atom(connection, "_XSETTINGS_SETTINGS");
    if (owner == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return QByteArray();
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, owner, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                kMaxSettingsWords),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return QByteArray();
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

}  // namespace platform
