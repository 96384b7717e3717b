#pragma once
// Ending the program from outside: SIGTERM, SIGINT, SIGHUP and the end of the
// desktop session all run one handler on the user-interface thread, so the
// program closes as it would when the system shuts down.

#include <functional>

namespace platform {

void onShutdownRequest(std::function<void()> handler);

}  // namespace platform
