// The editors' texts from the program's string table.
#pragma once

#include <string>

#include "platform/types.h"

// The string of that id, cut to maxChars - 1 characters as a buffer of maxChars would; empty when
// the table has none.
std::u16string LoadResStr(UINT id, int maxChars = 256);
