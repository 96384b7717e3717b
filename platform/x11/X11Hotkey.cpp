// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Global hotkeys on X11: a passive grab of the key on the root window, once
// for each combination of the lock modifiers (Caps Lock, Num Lock) that may be
// on, and a native event filter that turns the key press into WM_HOTKEY.
// The grab follows the letter, not the key: a new keyboard layout moves it to
// whichever key types the letter now.

#include "platform/window/Hotkey.h"
#include "platform/window/WindowMessage.h"
#include "platform/x11/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

#include <map>
#include <memory>

namespace platform {

namespace {

constexpr uint16_t kLockMask = XCB_MOD_MASK_LOCK;
constexpr uint16_t kNumLockMask = XCB_MOD_MASK_2;
constexpr uint16_t kLockVariants[] = {0, kLockMask, kNumLockMask, kLockMask | kNumLockMask};

// XKB events of a new keyboard or a changed key map.
constexpr uint8_t kXkbNewKeyboardNotify = 0;
constexpr uint8_t kXkbMapNotify = 1;

struct Grab {
    QPointer<QWidget> window;
    xcb_keysym_t keysym = 0;
    xcb_keycode_t keycode = 0;
    uint16_t modifiers = 0;
};

using x11::connection;

xcb_window_t rootWindow(xcb_connection_t* conn)
{
    const xcb_screen_t* screen = x11::firstScreen(conn);
    return screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The keycode that produces a keysym (lower-case letters are their ASCII
// codes), or 0.
xcb_keycode_t keycodeOf(xcb_connection_t* conn, uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(conn);
    const xcb_keycode_t first = setup->min_keycode;
    const uint8_t count = setup->max_keycode - setup->min_keycode + 1;
    auto cookie = xcb_get_keyboard_mapping(conn, first, count);
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&free)> reply(
        xcb_get_keyboard_mapping_reply(conn, cookie, nullptr), &free);
    if (!reply)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int perCode = reply->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int col = 0; col < perCode; ++col) {
            if (syms[code * perCode + col] == keysym)
                return xcb_keycode_t(first + code);
        }
    }
    return 0;
}

uint16_t xModifiers(int modifiers)
{
    uint16_t mask = 0;
    if (modifiers & MOD_ALT)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & MOD_CONTROL)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & MOD_SHIFT)
        mask |= XCB_MOD_MASK_SHIFT;
    return mask;
}

// The first event code of the XKB extension, or 0 when the server has none.
uint8_t xkbFirstEvent(xcb_connection_t* conn)
{
    static const char name[] = "XKEYBOARD";
    auto cookie = xcb_query_extension(conn, sizeof(name) - 1, name);
    std::unique_ptr<xcb_query_extension_reply_t, decltype(&free)> reply(
        xcb_query_extension_reply(conn, cookie, nullptr), &free);
    return reply && reply->present ? reply->first_event : 0;
}

// Grabs the key with every lock variant; false (and nothing held) when
// another program holds one of them.
bool grabAll(xcb_connection_t* conn, const Grab& grab);
void ungrab(xcb_connection_t* conn, const Grab& grab);

class HotkeyFilter : public QAbstractNativeEventFilter {
public:
    std::map<int, Grab> grabs;
    uint8_t xkbEvent = 0;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if (isKeyboardChange(event)) {
            regrabSoon();
            return false;
        }
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
        const uint16_t state = key->state & ~(kLockMask | kNumLockMask);
        for (const auto& [id, grab] : grabs) {
            if (grab.keycode == key->detail && grab.modifiers == state && grab.window) {
                postWindowMessage(grab.window, WM_HOTKEY, id, 0);
                return true;
            }
        }
        return false;
    }

private:
    bool isKeyboardChange(const xcb_generic_event_t* event) const
    {
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_MAPPING_NOTIFY)
            return reinterpret_cast<const xcb_mapping_notify_event_t*>(event)->request == XCB_MAPPING_KEYBOARD;
        // An XKB event carries its kind in its second byte.
        return xkbEvent != 0 && type == xkbEvent &&
            (event->pad0 == kXkbNewKeyboardNotify || event->pad0 == kXkbMapNotify);
    }

    // A layout switch sends several notices; the grabs are redone once after them.
    void regrabSoon()
    {
        if (mRegrabPending)
            return;
        mRegrabPending = true;
        QMetaObject::invokeMethod(
            qGuiApp, [this] { regrab(); }, Qt::QueuedConnection);
    }

    void regrab()
    {
        mRegrabPending = false;
        xcb_connection_t* conn = connection();
        if (!conn)
            return;
        for (auto& [id, grab] : grabs) {
            // Most notices change nothing for the letter: another keyboard
            // typing, as two keyboards or a key sent by a program do. A grab
            // let go and taken again there would miss a press that reached
            // the server in between; a moved one is taken before the old is
            // let go, for the same reason.
            Grab moved = grab;
            moved.keycode = keycodeOf(conn, grab.keysym);
            if (moved.keycode == grab.keycode)
                continue;
            // A key another program holds now stays ungrabbed, as at start-up.
            if (moved.keycode != 0 && !grabAll(conn, moved))
                moved.keycode = 0;
            ungrab(conn, grab);
            grab = moved;
        }
    }

    bool mRegrabPending = false;
};

HotkeyFilter& filter(xcb_connection_t* conn)
{
    static HotkeyFilter* instance = [conn] {
        auto* f = new HotkeyFilter;
        f->xkbEvent = xkbFirstEvent(conn);
        qGuiApp->installNativeEventFilter(f);
        return f;
    }();
    return *instance;
}

void ungrab(xcb_connection_t* conn, const Grab& grab)
{
    if (grab.keycode == 0)
        return;
    const xcb_window_t root = rootWindow(conn);
    for (uint16_t variant : kLockVariants)
        xcb_ungrab_key(conn, grab.keycode, root, grab.modifiers | variant);
    xcb_flush(conn);
}

bool grabAll(xcb_connection_t* conn, const Grab& grab)
{
    const xcb_window_t root = rootWindow(conn);
    bool granted = true;
    for (uint16_t variant : kLockVariants) {
        auto cookie = xcb_grab_key_checked(conn, 1, root, grab.modifiers | variant, grab.keycode, XCB_GRAB_MODE_ASYNC,
                                           XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(conn, cookie)) {
            // BadAccess: another program holds the key.
            granted = false;
            free(error);
        }
    }
    if (!granted)
        ungrab(conn, grab);
    xcb_flush(conn);
    return granted;
}

}  // namespace

bool RegisterHotKey(QWidget* window, int id, int modifiers, int virtualKey)
{
    xcb_connection_t* conn = connection();
    if (!conn || virtualKey < 'A' || virtualKey > 'Z')
        return false;
    const auto keysym = xcb_keysym_t(virtualKey - 'A' + 'a');
    const Grab grab{window, keysym, keycodeOf(conn, keysym), xModifiers(modifiers)};
    if (grab.keycode == 0 || !grabAll(conn, grab))
        return false;
    filter(conn).grabs[id] = grab;
    return true;
}

bool UnregisterHotKey(QWidget* window, int id)
{
    xcb_connection_t* conn = connection();
    if (!conn)
        return false;
    auto& grabs = filter(conn).grabs;
    const auto it = grabs.find(id);
    if (it == grabs.end() || it->second.window != window)
        return false;
    ungrab(conn, it->second);
    grabs.erase(it);
    return true;
}

}  // namespace platform
