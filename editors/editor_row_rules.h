// What a changed row of the list-style editors does to the rows that depend on it: the rows it
// locks or unlocks, the Occurs labels that follow a new date, and the end that follows the start.
#pragma once

#include "platform/types.h"

void ApptEditorRowChanged(HWND dialog, int index);
void TskEditorRowChanged(HWND dialog, int index);
