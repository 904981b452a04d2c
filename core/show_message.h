// The message box that carries the program's title as its caption.
#pragma once

#include "platform/types.h"

// Returns the button MessageBoxW returns.
int ShowMessage(HWND owner, LPCWSTR text, UINT flags);
