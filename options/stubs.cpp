// Stand-ins for the options dialog until it is built: no field list is on screen.
#include "options/field_list.h"

void FieldListPop() {}

ValSnapArray& FieldListRows() {
    static ValSnapArray rows;
    return rows;
}

LONG FindValSnapFor(const void*) { return -1; }

void ResetFieldListStack() {}

// The options dialog as the main window opens it.
#include "options/options_dlg.h"
void RunOptionsDlg() {}

// ---- The field list as the categories picker drives it, until it is built: the rows get plain
// list items that nothing paints or edits.
#include <string>

#include "platform/commctrl.h"
#include "platform/user.h"

namespace {
ValSnapArray* g_StandInTable = nullptr;
}

void SetFieldListTable(ValSnapArray* rows, int) { g_StandInTable = rows; }
void FieldListPush(int) {}
HRESULT InitSettingsList(HWND, int, bool) { return S_OK; }
void MeasureFieldRow(MEASUREITEMSTRUCT&) {}
void DrawFieldRow(const DRAWITEMSTRUCT&) {}

void FieldListFillView(HWND dialog, int listId, int select) {
    const HWND list = GetDlgItem(dialog, listId);
    if (!list || !g_StandInTable) return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < g_StandInTable->Size(); ++i) {
        std::u16string label = (*g_StandInTable)[i].label;
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = label.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (select >= 0 && select < g_StandInTable->Size()) SendMessageW(list, LVM_SETSELECTIONMARK, 0, select);
}
