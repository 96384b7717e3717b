// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/XSettings.h"
#include "platform/x11/X11Connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

using x11::ReplyPtr;

// The settings of a larger size are not the desktop's.
constexpr uint32_t kMaxSettingsWords = 256 * 1024;

xcb_window_t settingsOwner(xcb_connection_t* connection, int screenNumber)
{
    const xcb_atom_t selection =
        x11::internAtom(connection, ("_XSETTINGS_S" + QByteArray::number(screenNumber)).constData());
    if (selection == XCB_ATOM_NONE)
        return XCB_WINDOW_NONE;
    ReplyPtr<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr), &std::free);
    return reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
}

}  // namespace

QByteArray readXSettings()
{
    xcb_connection_t* connection = x11::connection();
    if (!connection)
        return QByteArray();
    // The settings daemon serves the default screen; Xvfb and most desktops have one.
    const xcb_window_t owner = settingsOwner(connection, 0);
    const xcb_atom_t property = x11::internAtom(connection, "_XSETTINGS_SETTINGS");
    if (owner == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return QByteArray();
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, owner, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxSettingsWords), nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return QByteArray();
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

}  // namespace platform
