// The message box that carries the program's title as its caption.
#pragma once

#include "platform/types.h"

// String 103 of the string table: the product title.
inline constexpr UINT kTitleStringId = 103;

// Returns the button MessageBoxW returns.
int ShowMessage(HWND owner, LPCWSTR text, UINT flags);
