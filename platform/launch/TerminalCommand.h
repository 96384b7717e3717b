// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Wrapping a command line so it runs in the user's terminal emulator.

#include <QStringList>

namespace platform {

// The terminal's command line that runs the given command in a new window:
// x-terminal-emulator (Debian's choice), else $TERMINAL (with its own option
// before the command when it is a known terminal), else the first known
// terminal found on PATH. Empty when no terminal is installed.
QStringList inTerminal(const QStringList& command);

}  // namespace platform
