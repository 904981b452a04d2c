// The desktop window that shows the device screen (SDL2), on a thread of its own: it copies the
// screen about thirty times a second and turns the desktop's mouse and keys into the device's input.
// Ctrl+R asks the user-interface thread to turn the screen.
#pragma once

#include "platform/types.h"

namespace platform {

// False when no desktop window can be opened (no display); the screen then stays headless.
bool OpenDesktopWindow(HWND navBar);
void CloseDesktopWindow();
bool DesktopWindowIsOpen();

}  // namespace platform

namespace platform {
// For the test API: a stylus tap at window coordinates given to the desktop window as SDL events;
// false when no desktop window is open.
bool PushDesktopTap(int x, int y);
// A key of the desktop's keyboard pressed and released, by the desktop's name of it (".", "F2").
bool PushDesktopKey(const char* name);
}  // namespace platform
