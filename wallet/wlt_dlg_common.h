// What the wallet's dialogs share, the form-style ones and the list-style ones alike: the soft-key
// bar and the open-dialog stack, the messages every one answers the same way, and the steps their OK
// ends with (an item's name, icon and categories stored, the field values stored and written).
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"
#include "wallet/wlt_dialog_checks.h"
#include "wallet/wlt_dialogs.h"

inline constexpr const WCHAR* kWltNewItemTitle = u"New Wallet Item";

// The bar, the stack entry; false when the bar cannot be made (the dialog then ends with -1).
bool OpenWltDialog(HWND dialog, UINT barId);
void CloseWltDialog(HWND dialog, INT_PTR result);
// The lock's close, the Back key and the parent's title on the way out; true when handled.
bool OnWltDlgShared(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
bool IsWltOkCommand(UINT id);
bool IsWltCancelCommand(UINT id);
void RefuseWltInput(HWND dialog, const WltRefusal& refusal);

// "Edit Wallet Item: %s" with the item's name.
std::u16string WltFieldsTitle(const WltItem& item);
// The item dialog's OK after its checks. Edit mode: the selected item takes the name, icon and
// categories, and the file is written and the tree filled. New mode: a copy of the template at
// templ becomes the new selected item (nothing is written yet). False when there is nothing to store.
bool StoreWltItemInfo(WltItemDlgMode mode, int templ, const std::u16string& name, LONG icon,
                      const std::u16string& categories);
// The fields dialog's OK: the values go into the selected item's first fields in order, the file is
// written and the detail view repainted when it shows.
void StoreWltFieldValues(const std::vector<std::u16string>& values);
