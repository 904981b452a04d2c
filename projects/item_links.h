// The item link table as the delete commands use it.
#pragma once

#include "platform/types.h"

// Removes every link of the item (both directions); the number of records removed.
int RemoveItemLinks(LONG oid);
// Writes "linkinfo.dat" whole.
void SaveLinkInfoFile();
