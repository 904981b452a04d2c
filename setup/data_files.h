// Removing the program's data: its side files and theme files in the installation folder and its
// registry key.
#pragma once

#include "platform/types.h"

void DeleteDataFiles(LPCWSTR installDir);
void DeleteThemeFiles(LPCWSTR installDir);
