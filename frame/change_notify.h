// Changes the program makes to PIM items itself, and the notifications that follow them.
#pragma once

#include "ui/frame_calls.h"

#include "platform/types.h"

// A PIM item was created, deleted or changed, in this process or another: the item's OID and the
// identifier of its folder. The handlers answer 0.
LRESULT OnPimRecordCreated(WPARAM oid, LPARAM folderId);
LRESULT OnPimRecordDeleted(WPARAM oid, LPARAM folderId);
LRESULT OnPimRecordChanged(WPARAM oid, LPARAM folderId);

// A new task or appointment for the current contact, opened in its editor.
void CreateTskForCts();
void CreateApptForCts();
