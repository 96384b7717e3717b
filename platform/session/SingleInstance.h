// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One bar per user and display: a lock held for the life of the process.

namespace platform {

// True when another instance of the program holds the per-user lock. The
// first caller that finds none takes the lock and keeps it until it ends.
bool PrevInstance();

// Gives the lock up before the process has quite ended, so that a new start
// right after a shutdown is not turned away.
void ReleaseInstance();

}  // namespace platform
