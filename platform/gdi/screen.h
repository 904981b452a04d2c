// The device screen's pixels, and the device contexts that draw on it: the whole screen, or a
// window's client area where the window shows.
#pragma once

#include "gdi/surface.h"

namespace platform::gdi {

// The screen surface, at the profile's size: made white on first use and again whenever the
// profile's screen size changes (another test device, the screen turned).
Surface& ScreenSurface();

// A DC on the screen for the window's client area (null with ERROR_INVALID_WINDOW_HANDLE).
HDC WindowDc(HWND window);

}  // namespace platform::gdi
