// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the bar does when asked from outside the process: its hotkey, the
// commands a key bound by the desktop sends (kestrel2 --show, --hide,
// --toggle), and the desktop portal's shortcut.

#include "bar/frmMain.h"

#include "core/mMain.h"
#include "platform/session/CommandSocket.h"
#include "platform/window/WindowSystem.h"

void frmMain::ShowFromKey()
{
    ShowDashkeep();
    Show();
    takeKeyboard();
}

void frmMain::obeyCommand(const QByteArray& word)
{
    const bool park = word == "hide" || (word == "toggle" && isShown());
    if (park)
        HideDashkeep();
    else
        ShowFromKey();
}

void frmMain::listenForCommands()
{
    mCommands.OnCommand = [this](const QByteArray& word) { obeyCommand(word); };
    mCommands.listen(platform::commandSocketPath());
}

void frmMain::bindPortalShortcut()
{
    // On X11 the key grab sees every press; under Xwayland it sees only
    // those that reach an X window, so the desktop is asked as well.
    if (!platform::inWaylandSession())
        return;
    mPortalShortcut.OnActivated = [this] { ShowFromKey(); };
    mPortalShortcut.bind(QStringLiteral("Show ") + mMain::ProductName, QStringLiteral("CTRL+ALT+a"));
}
