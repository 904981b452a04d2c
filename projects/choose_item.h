// The "Choose Item" dialog of the projects: picks an item of one kind.
#pragma once

#include "platform/types.h"

// Opens the dialog for items of `kind` (3 picks a contact) and returns its result code.
INT_PTR ChooseItemDlg(HWND parent, LONG kind);
