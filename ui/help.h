// The program's help.
#pragma once

#include "platform/types.h"

void ShowHelp(HWND window);
