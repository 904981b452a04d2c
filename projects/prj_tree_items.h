// What the item editors tell the project tree about the items they save, copy or delete; the links
// of an item go with it (projects/item_links.h).
#pragma once

#include "core/item_links.h"
#include "platform/types.h"

// Set while the project tree wants to hear of saved contacts: the project tree's new-item mark.
extern LONG NewItemInPrj;
inline LONG& g_PrjTreeUpdateFlag = NewItemInPrj;

void PrjTreeTskSaved(LONG oid);
void PrjTreeCtsSaved(LONG oid);
// After a saved appointment while NewItemInPrj is set: updates its node in the project tree.
void PrjTreeApptSaved(LONG oid);
