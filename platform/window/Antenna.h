// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The message watcher: told which window to watch (dispatch 2) and which
// messages to trap (dispatch 1), it raises OnTrap once for each such message
// that reaches the window: hotkeys and dropped files.

#include <functional>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace platform {

class Antenna : public QObject {
    Q_OBJECT
public:
    explicit Antenna(QObject* parent = nullptr);

    // Dispatch 2: the window to watch. Dispatch 1: one message number to trap.
    void dispatch(int dispatchId, qintptr argument);
    void watch(QWidget* window);
    void trap(int message);

    std::function<void(qintptr hWnd, int nMsg, qintptr wParam, qintptr lParam)> OnTrap;

    // The window handle a watched window is known by.
    static qintptr handleOf(QWidget* window);
    static QWidget* windowOf(qintptr handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void raise(int message, qintptr wParam, qintptr lParam);

    QPointer<QWidget> mWindow;
    QSet<int> mTrapped;
};

}  // namespace platform
