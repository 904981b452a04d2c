// The links between items ("linkinfo.dat") as the item saves and deletes keep them current.
#pragma once

#include "platform/types.h"

// Removes every link record naming the item; nonzero when any was removed.
int RemoveItemLinks(LONG oid);
// Writes "linkinfo.dat".
void SaveLinkInfoFile();
