// What the editor dialogs take of the toolkit's dialog services beyond the dialog conventions: the
// re-layout with the other template of a pair when the screen turns, and the one-column owner-drawn
// item lists fitted to their dialog with their key handling.
#pragma once

#include "platform/types.h"
#include "ui/dlg_relayout.h"
#include "ui/list_subclass.h"

// The list fills the dialog's view rectangle, its column as wide less the scroll bar, and its
// selected row is scrolled into view; flag 1 on a resize (the same steps).
void FitDlgList(HWND dialog, int listId, int flag);
// The same with the list from `top` down.
void FitDlgListBelow(HWND dialog, int listId, int top);
// The item list procedure; flag 1 for the rows with a check strip.
inline HRESULT SubclassItemList(HWND list, int flag) {
    return SubclassItemList(list, flag ? CheckStrip::kYes : CheckStrip::kNo);
}
