// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Window messages the platform delivers to a window: a hotkey (786) or a
// drop of files (563). An Antenna watching the window turns each into OnTrap.

#include <QEvent>
#include <QtGlobal>

class QWidget;

namespace platform {

constexpr int WM_DROPFILES = 563;
constexpr int WM_HOTKEY = 786;

class WindowMessageEvent : public QEvent {
public:
    static QEvent::Type eventType();
    WindowMessageEvent(int message, qintptr wParam, qintptr lParam)
        : QEvent(eventType()), message(message), wParam(wParam), lParam(lParam)
    {
    }
    const int message;
    const qintptr wParam;
    const qintptr lParam;
};

// Queues a message for a window; it arrives on the user-interface thread.
void postWindowMessage(QWidget* window, int message, qintptr wParam, qintptr lParam);

}  // namespace platform
