// The program's embedded resources, read in place. (Grows with the resources area.)
#pragma once

#include "platform/types.h"

// Copies string `id` of the string table into out (at most outChars-1 characters, terminated) and
// returns its length; 0 when there is no such string.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR out, int outChars);
