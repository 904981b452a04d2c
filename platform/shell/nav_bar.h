// The navigation bar at the top of the screen: the title (SHSetNavBarText's, else the foreground
// window's) and a clock. It lives on the user-interface thread, which is why the desktop window asks
// it to turn the screen.
#pragma once

#include <string>

#include "platform/user.h"

namespace platform {

// Posted to the bar by the desktop window's thread; the bar turns the screen on its own thread.
constexpr UINT kNavBarRotateMessage = WM_APP + 0x3E0;

HWND CreateNavBar();
HWND NavBarWindow();
// Places the bar across the top of the screen (after the screen turned).
void PlaceNavBar();
// Repaints the bar when its title or clock has changed (it looks by itself once a second).
// True when it has something new to paint.
bool RefreshNavBar();
// What the bar shows now.
std::u16string NavBarTitle();
std::u16string NavBarClock();

}  // namespace platform
