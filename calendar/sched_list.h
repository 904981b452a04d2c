// The schedule list of the dates and day views and the task preview, as the item editors reach them.
#pragma once

#include "platform/types.h"

// Fills the schedule list again for the current view.
void RefreshSchedList();
// Set when the task preview is to read its task again before it paints.
extern LONG g_TskPreviewReload;
