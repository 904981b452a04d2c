// What the item editors tell the project tree and the link table about the items they save, copy
// or delete.
#pragma once

#include "platform/types.h"

// Set by the project tree's new-item commands: the next new task goes into the selected project.
extern LONG g_PrjNewItemFlag;
// Set while the project tree wants to hear of saved contacts.
extern LONG g_PrjTreeUpdateFlag;

void PrjTreeTskSaved(LONG oid);
void PrjTreeCtsSaved(LONG oid);
// Removes every link that names the item; nonzero when any was removed.
int RemoveItemLinks(LONG oid);
// Writes "linkinfo.dat".
void SaveLinkInfoFile();
// After a saved appointment while g_PrjNewItemFlag is set: updates its node in the project tree.
void PrjTreeApptSaved(LONG oid);
