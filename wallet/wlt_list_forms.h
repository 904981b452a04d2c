// The list-style forms of the wallet's item and fields dialogs (LISTEDIT on): dialog 7310 with one
// field list. The item form edits the name, type, icon and categories; the fields form one row per
// field, edited by the field's kind.
#pragma once

#include "platform/types.h"
#include "wallet/wlt_dialogs.h"

// The item form; its result code (OK 20071 once the item is stored).
INT_PTR RunWltItemListDlg(HWND owner, WltItemDlgMode mode);
// The fields form for the selected item; its result code.
INT_PTR RunWltFieldsListDlg(HWND owner);
