// The item link table as the delete commands use it.
#pragma once

#include "platform/types.h"

// Removes every link of the item (both directions); the number of records removed.
int RemoveItemLinks(LONG oid);
// Writes "linkinfo.dat" whole.
void SaveLinkInfoFile();
// A link from the item to the linked item, kept in key order (kinds 1 task, 2 appointment, 3 contact).
void AddLinkRec(LONG itemOid, LONG linkedOid, LONG itemKind, LONG linkedKind);
