// The program's main function: the switches, the single instance, the controls, the main window
// and the message loop.
#pragma once

#include "platform/types.h"

// 0 when the program ends early (a second start, no mutex, no window), else the code of the last
// message (the code given to PostQuitMessage).
int WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR cmdLine, int show);
