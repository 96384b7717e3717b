// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window/DisplaySync.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace platform {

void syncDisplay()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return;
    if (xcb_connection_t* connection = x11->connection())
        xcb_flush(connection);
}

}  // namespace platform
