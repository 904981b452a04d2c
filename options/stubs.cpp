// Stand-ins for the options dialog until it is built: the current field list is only remembered.
#include "options/field_list.h"

namespace {
ValSnapArray* g_CurFieldRows = nullptr;
int g_CurFieldListId = 0;
}  // namespace

void FieldListPop() {}

ValSnapArray& FieldListRows() {
    static ValSnapArray rows;
    return g_CurFieldRows ? *g_CurFieldRows : rows;
}

LONG FindValSnapFor(const void* variable) {
    const ValSnapArray& rows = FieldListRows();
    for (int i = 0; i < rows.Size(); ++i)
        if (ValSnapIsFor(rows[i], variable)) return i;
    return -1;
}

// The list-style editors' rows are kept as the current field list; nothing is shown in the list.
void InitSettingsList(HWND, int, int) {}
void SetCurrentFieldList(ValSnapArray* rows, int listId) {
    g_CurFieldRows = rows;
    g_CurFieldListId = listId;
}
int CurrentFieldListId() { return g_CurFieldListId; }
void FieldListFillView(HWND, int, int) {}
void MeasureFieldRow(MEASUREITEMSTRUCT&) {}
void DrawFieldRow(const DRAWITEMSTRUCT&, HWND) {}

void ResetFieldListStack() {}

// The options dialog as the main window opens it.
#include "options/options_dlg.h"
void RunOptionsDlg() {}
