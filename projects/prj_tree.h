// What the item editors tell the project tree: the flag it sets when it starts a new item, and the
// saved item whose node it then places.
#pragma once

#include "platform/types.h"

// Set by the project tree when it starts a new item; cleared by the editors after they report.
extern LONG g_PrjTreeFlag;
void PrjTreeApptSaved(LONG oid);
