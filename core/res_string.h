// Texts of the program's string table.
#pragma once

#include <string>

#include "platform/types.h"

// The string of that identifier, or the fallback when the table has none.
std::u16string LoadResString(UINT id, const std::u16string& fallback = std::u16string());
// Shows the string of that identifier with the program title as caption.
int ShowResMessage(HWND owner, UINT id, UINT flags);
