// Store changes that arrive while the load thread is still filling the lists they would touch: held
// in arrival order and handled once everything is loaded.
#pragma once

#include "platform/types.h"

using PimChangeHandler = LRESULT (*)(WPARAM oid, LPARAM folderId);

// True when the change was held for later (a load is running); false means handle it now.
bool HoldChangeWhileLoading(PimChangeHandler handler, WPARAM oid, LPARAM folderId);
// Handles the held changes in the order they came, once the load has ended.
void ReplayHeldChanges();
