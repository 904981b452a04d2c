// Changes the program makes to PIM items itself, and the notifications that follow them.
#pragma once

#include "platform/types.h"

// Completes or reopens a task through the PIM store; -1 is the current item.
void ToggleTskComplete(LONG oid);
