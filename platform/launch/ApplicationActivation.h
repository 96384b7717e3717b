// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Starting a D-Bus activatable application the way the desktop does: its
// org.freedesktop.Application interface on the session bus.

#include <QString>

#include <functional>

namespace platform {

// Calls Activate on the application's bus name and object path and returns
// at once, so that an application slow to start does not hold up the bar.
// `failed` runs later when the call fails or goes unanswered. False at once
// when there is no session bus.
bool activateApplication(const QString& applicationId, const QString& startupId, std::function<void()> failed);

// The object path of an application id: "org.example.App" gives
// "/org/example/App"; "-" becomes "_".
QString applicationObjectPath(const QString& applicationId);

}  // namespace platform
