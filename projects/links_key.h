// The keys that open the Links dialog from a list.
#pragma once

#include "platform/types.h"

// 1 when a links key opened the Links dialog of the selected item.
int HandleLinksKey(UINT key);
