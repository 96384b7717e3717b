// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Listens on the root window of $DISPLAY as a desktop's launch feedback
// would, and writes every startup notification message it receives to the
// file named as its argument, one a line ("new: ID=... NAME=..."). Creates
// FILE.ready once it listens.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    xcb_flush(connection);
    FILE* ready = std::fopen((std::string(argv[1]) + ".ready").c_str(), "w");
    if (ready)
        std::fclose(ready);

    // Messages in progress, by the window that sends them.
    std::map<xcb_window_t, std::string> pending;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            if (message->format == 8 && (message->type == begin || message->type == more)) {
                std::string& text = pending[message->window];
                if (message->type == begin)
                    text.clear();
                const char* data = reinterpret_cast<const char*>(message->data.data8);
                const size_t length = strnlen(data, 20);
                text.append(data, length);
                if (length < 20) {
                    if (FILE* out = std::fopen(argv[1], "a")) {
                        std::fprintf(out, "%s\n", text.c_str());
                        std::fclose(out);
                    }
                    pending.erase(message->window);
                }
            }
        }
        std::free(event);
    }
    xcb_disconnect(connection);
    return 0;
}
