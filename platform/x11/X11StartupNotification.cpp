// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/StartupNotification.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <xcb/xcb.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

// Each client message carries this many bytes of the text.
constexpr size_t kChunkBytes = 20;

struct ConnectionCloser {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

// A connection of its own, so waiting for an event here never takes one
// from the widgets' connection.
struct Display {
    Connection connection;
    xcb_screen_t* screen = nullptr;
    int screenNumber = 0;
};

bool openDisplay(Display& display)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    display.connection.reset(xcb_connect(nullptr, &display.screenNumber));
    if (xcb_connection_has_error(display.connection.get()))
        return false;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(display.connection.get()));
    for (int i = 0; screens.rem && i < display.screenNumber; ++i)
        xcb_screen_next(&screens);
    display.screen = screens.rem ? screens.data : nullptr;
    return display.screen != nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t createMessageWindow(const Display& display)
{
    xcb_connection_t* connection = display.connection.get();
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, display.screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    return window;
}

// The server's time now: a property change on our window reports it.
xcb_timestamp_t serverTime(xcb_connection_t* connection, xcb_window_t window)
{
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool isChange = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t time = isChange ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
        std::free(event);
        if (isChange)
            return time;
    }
    return 0;
}

void sendMessage(const Display& display, xcb_window_t window, const QByteArray& message)
{
    xcb_connection_t* connection = display.connection.get();
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    // The terminating nul travels too: it ends the message.
    const QByteArray text = message + '\0';
    for (qsizetype at = 0; at < text.size(); at += qsizetype(kChunkBytes)) {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, text.constData() + at, std::min(kChunkBytes, size_t(text.size() - at)));
        xcb_send_event(connection, 0, display.screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

// The server may drop what a client sent just before hanging up: a round
// trip makes sure it has handled everything.
void finish(const Display& display, xcb_window_t window)
{
    xcb_connection_t* connection = display.connection.get();
    xcb_destroy_window(connection, window);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void send(const Display& display, const QByteArray& message)
{
    const xcb_window_t window = createMessageWindow(display);
    sendMessage(display, window, message);
    finish(display, window);
}

QString newStartupId(xcb_timestamp_t time)
{
    static std::atomic<int> launches{0};
    return QStringLiteral("kestrel2-%1-%2_TIME%3").arg(QCoreApplication::applicationPid()).arg(++launches).arg(time);
}

}  // namespace

QByteArray startupMessage(const char* kind, const QList<QPair<QByteArray, QString>>& keys)
{
    QByteArray message(kind);
    message += ':';
    for (const auto& [key, value] : keys) {
        QByteArray quoted = value.toUtf8();
        quoted.replace('\\', "\\\\").replace('"', "\\\"");
        message += ' ' + key + "=\"" + quoted + '"';
    }
    return message;
}

QString beginStartup(const StartupInfo& info)
{
    Display display;
    if (!openDisplay(display))
        return QString();
    const xcb_window_t window = createMessageWindow(display);
    QString id = newStartupId(serverTime(display.connection.get(), window));
    QList<QPair<QByteArray, QString>> keys{
        {"ID", id}, {"NAME", info.name}, {"SCREEN", QString::number(display.screenNumber)}};
    if (!info.icon.isEmpty())
        keys.append({"ICON", info.icon});
    if (!info.program.isEmpty())
        keys.append({"BIN", QFileInfo(info.program).fileName()});
    if (!info.entryFile.isEmpty())
        keys.append({"APPLICATION_ID", info.entryFile});
    sendMessage(display, window, startupMessage("new", keys));
    finish(display, window);
    return id;
}

void cancelStartup(const QString& id)
{
    Display display;
    if (!id.isEmpty() && openDisplay(display))
        send(display, startupMessage("remove", {{"ID", id}}));
}

}  // namespace platform
