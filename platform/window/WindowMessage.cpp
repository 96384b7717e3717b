// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/WindowMessage.h"

#include <QCoreApplication>
#include <QWidget>

namespace platform {

QEvent::Type WindowMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void postWindowMessage(QWidget* window, int message, qintptr wParam, qintptr lParam)
{
    QCoreApplication::postEvent(window, new WindowMessageEvent(message, wParam, lParam));
}

}  // namespace platform
