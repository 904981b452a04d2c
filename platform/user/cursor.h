// What the screen shows of the cursor: the desktop window shows the wait cursor while it is set.
#pragma once

namespace platform {

bool WaitCursorShown();

}  // namespace platform
