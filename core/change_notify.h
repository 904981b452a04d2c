// Changes the program makes to PIM items itself, and the notifications that follow them.
#pragma once

#include "platform/types.h"

// Completes or reopens a task through the PIM store; -1 is the current item.
void ToggleTskComplete(LONG oid);

// A PIM item was created, deleted or changed, in this process or another; the handler's result
// is the main window's answer.
LRESULT OnPimRecordCreated(WPARAM wParam, LPARAM oid);
LRESULT OnPimRecordDeleted(WPARAM wParam, LPARAM oid);
LRESULT OnPimRecordChanged(WPARAM wParam, LPARAM oid);
