// The running window's side of a second start: the private messages 1036 to 1054.
#pragma once

#include "platform/types.h"

bool IsCmdLineMessage(UINT message);
// Acts on the message when the main window is in front (1044 always); returns 1, or the default
// handling for a message of the range that carries no switch.
LRESULT OnCmdLineMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
