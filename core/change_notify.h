// Changes the program makes to PIM items itself, and the notifications that follow them.
#pragma once

#include "platform/types.h"

// Completes or reopens a task through the PIM store; -1 is the current item.
void ToggleTskComplete(LONG oid);

// A PIM item was created, deleted or changed, in this process or another: the item's OID and the
// identifier of its folder. The handlers answer 0.
LRESULT OnPimRecordCreated(WPARAM oid, LPARAM folderId);
LRESULT OnPimRecordDeleted(WPARAM oid, LPARAM folderId);
LRESULT OnPimRecordChanged(WPARAM oid, LPARAM folderId);

// Takes the task out of g_TskList and its OID index; later positions move down by one.
void RemoveItemFromIndexes(LONG oid);
// Enters every task of g_TskList into its OID index again.
void RebuildIdSlotMap();

// A new task or appointment for the current contact, opened in its editor.
void CreateTskForCts();
void CreateApptForCts();
