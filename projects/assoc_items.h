// The Associated Items dialog of an item.
#pragma once

#include "platform/types.h"

// The dialog's result, or -1 when it cannot be shown.
INT_PTR ShowAssocItemsDlg(HWND owner, LONG oid, LONG kind);
