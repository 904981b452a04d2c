// The Links dialog of an item: its links to other items, files and web addresses.
#pragma once

#include "platform/types.h"

// Shows the links of the current item.
void ShowLinksDlg(HWND owner);
