// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A click on an item, carried out: the plan of ShellLaunch, the questions and
// messages it calls for, D-Bus activation and the startup notification.

#include <QString>

namespace platform {

// Starts or opens the target as the desktop would. Beeps and answers false
// when nothing could be started; false without a beep when the user declined
// or was told why.
bool launch(const QString& target);

}  // namespace platform
