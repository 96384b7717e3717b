#pragma once
// Pushes pending window changes to the display server now, so a window moved
// in a loop that does not return to the event loop is seen moving.

namespace platform {

void syncDisplay();

}  // namespace platform
