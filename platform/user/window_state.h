// Focus, activation, the foreground window and visibility changes, for the calls that move them
// (creation, destruction, showing, input).
#pragma once

#include "platform/user.h"

namespace platform {

// The next window to activate when `leaving` (a top-level window of the calling thread) is hidden
// or destroyed: its owner when visible, else the topmost visible enabled top-level window of the
// thread; then activates it (or none).
void ActivateNextWindow(HWND leaving);
// Drops focus and capture of the calling thread that lie in `hwnd` or its descendants.
void ReleaseInputFrom(HWND hwnd);
// The foreground window of this process (nullptr when another program is in front).
void SetForegroundHandle(HWND hwnd);

}  // namespace platform
