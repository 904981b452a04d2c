// Calling window procedures, and the default handling other areas extend (the drawing area erases
// backgrounds, the controls area answers its own messages).
#pragma once

#include <optional>

#include "platform/user.h"

namespace platform {

// Calls the window's current procedure on the calling thread; 0 when the window is gone.
LRESULT CallWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sends WM_PAINT, validates whatever the procedure left unvalidated, and draws the window's scroll bars.
LRESULT DeliverPaint(HWND hwnd);

// A handler DefWindowProcW asks first; an empty result leaves the message to the next handler.
using DefWindowHandler = std::optional<LRESULT> (*)(HWND, UINT, WPARAM, LPARAM);
void AddDefWindowHandler(DefWindowHandler handler);

}  // namespace platform
