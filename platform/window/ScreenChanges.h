// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Tells when the bar's monitor changes under it: resized, or another monitor
// made primary (the primary one removed included).

#include <functional>
#include <QObject>

namespace platform {

// Calls `changed` once after each burst of changes, while `context` lives.
void watchScreenChanges(QObject* context, std::function<void()> changed);

}  // namespace platform
