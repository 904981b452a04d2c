// The device screen's pixels and the device contexts of windows. The windowing area tells where a
// window lies on the screen and which part of it may be painted; until it does, only the whole
// screen (GetDC of no window) has a device context.
#pragma once

#include <functional>

#include "gdi/surface.h"

namespace platform::gdi {

// The screen surface, at the profile's size; made on first use.
Surface& ScreenSurface();
// Makes the screen anew at another size (the screen turned), white.
void ResizeScreen(int width, int height);

// Where a window's client area lies on the screen and the part of the screen it may paint.
struct WindowPlacement {
    POINT origin{};
    RECT visible{};
};
using WindowPlacementProvider = std::function<bool(HWND window, WindowPlacement& placement)>;
void SetWindowPlacementProvider(WindowPlacementProvider provider);

}  // namespace platform::gdi
