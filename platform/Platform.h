// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The services whose answers tests script: the screen and the pointer, the
// beep, message boxes, menus, modal loops, pickers, opening items and sound.
// The program always runs on QtPlatform; tests install a scripted double.
//
// The window system's own calls do not go through here. They are free
// functions with one implementation, for X11, in x11/: the hotkey
// (window/Hotkey.h), keyboard focus (window/KeyboardFocus.h), dialog stacking
// (window/DialogStacking.h), display sync (window/DisplaySync.h), the pointer
// over X windows and Xwayland (window/WindowSystem.h), panel struts
// (window/PanelStruts.h), the settings daemon (icons/XSettings.h) and startup
// notification (launch/StartupNotification.h). Without an X connection (the
// offscreen platform of the headless tests) each does nothing and answers
// "none", which is what a headless test needs; what they do on a real display
// is checked by the end-to-end tests under Xvfb, where a stand-in would prove
// nothing.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace platform {

// One entry of a popup menu as the platform shows it.
struct MenuEntry {
    QString name;  // the entry's program name, handed back when it is chosen
    QString caption;  // with its "&" access key; "-" for a separator line
    bool enabled = true;
    bool visible = true;
    QList<MenuEntry> children;  // non-empty: a submenu
};

// A message box's icon and buttons, and the button that closed it.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageStyle {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    constexpr MessageStyle(MessageIcon icon, MessageButtons buttons) : icon(icon), buttons(buttons) {}
    // An icon alone has OK; buttons alone have no icon.
    constexpr MessageStyle(MessageIcon icon) : icon(icon) {}
    constexpr MessageStyle(MessageButtons buttons) : buttons(buttons) {}
    bool operator==(const MessageStyle&) const = default;
};

constexpr MessageStyle operator|(MessageIcon icon, MessageButtons buttons) { return {icon, buttons}; }
constexpr MessageStyle operator|(MessageButtons buttons, MessageIcon icon) { return {icon, buttons}; }

// Result of a file-open dialog.
struct FileChoice {
    bool accepted = false;
    QString file;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The bar's monitor (the primary one) in pixels of the whole desktop. Every
    // other position the program handles counts from its top-left corner, so a
    // bar on a monitor right of another one stays on its own.
    virtual QRect screenGeometry() = 0;
    QSize screenSize() { return screenGeometry().size(); }
    // The pointer, from the monitor's top-left corner.
    virtual QPoint cursorPos() = 0;
    // False when the display server reports the pointer over no window at
    // all: under Xwayland it is then on a native Wayland window, and
    // cursorPos() only tells where it left the X windows.
    virtual bool pointerOverAnyWindow() = 0;
    // The part of the monitor not covered by panels (EWMH struts), from its
    // top-left corner.
    virtual QRect availableGeometry() = 0;

    virtual void beep() = 0;

    virtual MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) = 0;

    // Pops a menu at a point (pixels from the monitor's corner); returns the chosen entry's name or "".
    virtual QString popupMenu(const QList<MenuEntry>& entries, QPoint at) = 0;

    // Shows a window modally and returns when it is hidden.
    virtual void runModal(QWidget* window) = 0;

    // Standard pickers. A cancelled picker answers accepted = false / "".
    virtual FileChoice openFileDialog(QWidget* owner, const QString& title, const QString& filter,
                                      const QString& initialFolder) = 0;
    virtual bool chooseColor(QWidget* owner, QColor& color) = 0;
    virtual QString browseForFolder(QWidget* owner, const QString& title) = 0;

    // Opens a file, folder, program, .desktop entry or URL the way the desktop
    // does, asking first about launchers the user has not trusted. False when
    // nothing was started (after a beep, unless the user declined or was told why).
    virtual bool shellOpen(const QString& target) = 0;

    // Starts playing a sound file without waiting for it.
    virtual void playSound(const QString& file) = 0;
};

// The services in force. Real ones unless a test installed a double.
Platform& services();
// Installs a double (tests) or the real services (nullptr); returns the old one.
Platform* setServices(Platform* replacement);

}  // namespace platform
