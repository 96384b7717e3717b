// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/PanelStruts.h"
#include "platform/x11/X11Connection.h"

namespace platform {

namespace {

using x11::ReplyPtr;

// The 32-bit values of an answered property; none when it is missing.
std::vector<uint32_t> cardinals(xcb_connection_t* conn, xcb_get_property_cookie_t cookie)
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(conn, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

// Asks for up to `count` 32-bit values of a property.
xcb_get_property_cookie_t askProperty(xcb_connection_t* conn, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                                      uint32_t count)
{
    return xcb_get_property(conn, 0, window, property, type, 0, count);
}

// The bands of the panels on the X display, in device pixels.
std::optional<QList<PanelBand>> panelBands()
{
    xcb_connection_t* conn = x11::connection();
    const xcb_screen_t* screen = conn ? x11::firstScreen(conn) : nullptr;
    if (!screen)
        return std::nullopt;
    const xcb_atom_t clientList = x11::internAtom(conn, "_NET_CLIENT_LIST");
    const xcb_atom_t partial = x11::internAtom(conn, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t whole = x11::internAtom(conn, "_NET_WM_STRUT");
    constexpr uint32_t kMostWindows = 4096;
    const std::vector<uint32_t> windows =
        cardinals(conn, askProperty(conn, screen->root, clientList, XCB_ATOM_WINDOW, kMostWindows));

    // Every question first, then the answers: one round trip for all windows.
    std::vector<std::pair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> asked;
    asked.reserve(windows.size());
    for (const uint32_t window : windows)
        asked.emplace_back(askProperty(conn, window, partial, XCB_ATOM_CARDINAL, 12),
                           askProperty(conn, window, whole, XCB_ATOM_CARDINAL, 4));
    const QSize desktop(screen->width_in_pixels, screen->height_in_pixels);
    QList<PanelBand> bands;
    for (const auto& [partialCookie, wholeCookie] : asked) {
        const std::vector<uint32_t> strut = cardinals(conn, partialCookie);
        const std::vector<uint32_t> older = cardinals(conn, wholeCookie);
        bands.append(panelBandsOfStrut(strut.size() == 12 ? strut : older, desktop));
    }
    return bands;
}

}  // namespace

std::optional<QRect> x11MonitorFreeOfPanels(const QRect& monitor, qreal ratio)
{
    const std::optional<QList<PanelBand>> bands = panelBands();
    if (!bands)
        return std::nullopt;
    const QRect deviceMonitor = devicePixelArea(monitor, monitor, ratio);
    return independentPixelArea(monitorFreeOfPanels(deviceMonitor, *bands), monitor, ratio);
}

}  // namespace platform
