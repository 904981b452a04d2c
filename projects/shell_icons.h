// The shell's small system icons as the link lists show files: a private copy of the system list,
// to which a list appends its own images, and the index of a file's own icon in it.
#pragma once

#include <string>

#include "platform/commctrl.h"
#include "platform/types.h"

// A copy the caller destroys; an empty 16 x 16 list when the shell gives none.
HIMAGELIST DupSysSmallIconList();
// The file's icon in the system list, or -1 when the shell cannot give one.
int GetFileSysIconIndex(const std::u16string& path);
