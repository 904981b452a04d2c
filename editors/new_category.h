// The editors' "New Category" button.
#pragma once

#include "platform/types.h"

// Asks for a new category name and inserts it into the list and the dialog's category list box.
void NewCatCmd(HWND dialog);
