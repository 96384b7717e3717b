// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ending the program from outside: SIGTERM, SIGINT, SIGHUP and the end of the
// desktop session all run one handler on the user-interface thread, so the
// program closes as it would when the system shuts down. The handler runs once;
// a second signal ends the process at once, and a shutdown that has not ended
// the process after a short grace time ends it then, once no write of the
// settings is under way.

#include <functional>

namespace platform {

void onShutdownRequest(std::function<void()> handler);

// True once a shutdown was asked for: modal windows no longer wait for the user.
bool shutdownRequested();

}  // namespace platform
