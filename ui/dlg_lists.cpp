// The owner-drawn item lists of dialogs fitted to the dialog: the list fills the dialog's view
// rectangle (or the part below a top), its one column as wide less a scroll bar.
#include "platform/commctrl.h"
#include "platform/user.h"
#include "ui/dlg_services.h"
#include "ui/layout.h"
#include "ui/list_rows.h"

namespace {

void FitInside(HWND dialog, int listId, int top) {
    const HWND list = GetDlgItem(dialog, listId);
    if (!list) return;
    RECT r{};
    GetViewClientRect(dialog, r);
    const int width = r.right - r.left;
    MoveWindow(list, r.left, top, width, r.bottom - top, TRUE);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width - GetSystemMetrics(SM_CXVSCROLL), 0));
    EnsureSelRowVisible(list);
}

}  // namespace

void FitDlgList(HWND dialog, int listId, int) { FitInside(dialog, listId, 0); }

void FitDlgListBelow(HWND dialog, int listId, int top) { FitInside(dialog, listId, top); }
