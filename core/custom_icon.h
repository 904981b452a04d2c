// The custom icons of items as the painters and the readers look them up.
#pragma once

#include "platform/types.h"

// The item's custom icon number, -1 when it has none.
LONG LookupCustomIcon(LONG oid);
// Writes the whole index to "zqicons.dat"; a file that cannot be opened keeps its content.
void SaveCustomIconsFile();
// Reads the custom-icon index, "zqicons.dat".
void LoadCustomIconsFile();
