// The device screen: the shell's title bar at the top, the work area where the program's windows
// live, the soft-key bar at the bottom. With a display (and QUORVIA_HEADLESS unset) a desktop window
// shows the screen and takes the stylus and the device's keys; without one the screen is kept in
// memory only. QUORVIA_SCRIPT=FILE runs an input script (see StartDisplay).
#pragma once

#include "platform/types.h"

namespace platform {

// Called once by the program on its user-interface thread before it makes its windows: lays the
// screen out, makes the title bar and, with a display, opens the desktop window. When QUORVIA_SCRIPT
// names a file, the script's lines then run on this thread whenever its queue is idle:
//   tap X Y | hold X Y | key NAME | text WORDS | wait MS | shot FILE.png | rotate | quit
// A key NAME is UP, DOWN, LEFT, RIGHT, ENTER, SOFT1, SOFT2, BACK, TALK, END, STAR, HASH, SPACE,
// BACKSPACE, DELETE, TAB, a digit or a letter; `text` presses the keys that give its characters.
// The process exits with 0 after `quit` or the last line, and with 2 after a line it cannot run, naming the line.
// False, after saying on standard error how to run the program, when no one could see or drive the
// screen: no display (or none that opens), no script and no headless setting.
bool StartDisplay();
// Closes the desktop window and the title bar and gives the screen back its default layout.
void StopDisplay();
// True while a desktop window shows the screen.
bool DisplayIsShown();

// Turns the screen by a quarter: width and height swap, the shell's bars move, and the top-level
// windows get their new size (WM_SIZE) and WM_SETTINGCHANGE. Called on the user-interface thread.
void RotateScreen();

}  // namespace platform
