// The device screen opened without the program's check that someone can see or drive it, for the
// test API, whose tests drive the screen themselves.
#pragma once

namespace platform {

// Lays the screen out, opens the desktop window when there is a display and starts the input
// script when one is asked for; true when the screen is shown or scripted.
bool OpenDeviceScreen();

}  // namespace platform
