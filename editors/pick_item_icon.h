// The custom icon of an item, picked from the icon list.
#pragma once

#include "platform/types.h"

// Picks a custom icon for the item of that OID.
void PickItemCustomIcon(HWND window, LONG oid);
