// Stand-ins for the parts of the task and contact lists that are not built yet.
#include "core/cur_item.h"
#include "core/cat_record.h"
#include "lists/cat_filter.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/text.h"
#include "frame/side_files.h"

BOOL CheckTskSelected(BOOL) {
    ResetSelection();
    return FALSE;
}

void RelayoutTaskView() {}
void DropTaskRowCache() {}
void EnsureTaskSelVisible() {}

bool OnCtsKey(UINT, UINT) { return false; }
void ResetContactSortState() {}
void RunCtsDefaultAction() {}
void PaintTskView(const DRAWITEMSTRUCT&) {}
void GetTskListMetrics(MEASUREITEMSTRUCT&) {}

// No category filter until the filters are built: every item passes.
COLORREF GetTskCatColor(const TskRecord&) { return kCatDefaultColour; }
// Until the contact text dialog is built it leaves no text.
#include "lists/cts_text.h"
#include "ui/dialog_conventions.h"

std::u16string g_CtsPickedText;

INT_PTR CtsTextDlg(HWND) {
    g_CtsPickedText.clear();
    return kDlgCancel;
}
// Task rows of the day lists, until the task list is built: the height by the row rule, nothing
// drawn.
#include "core/app_settings.h"
#include "core/tsk_record.h"
#include "ui/screen_class.h"
namespace {
constexpr int kTskRowPadding = 6;
constexpr int kTskRowVgaExtra = 10;
}  // namespace
int TskRowHeight() { return g_Settings.fontSize + kTskRowPadding + (IsVgaScreen() ? kTskRowVgaExtra : 0); }
int DrawTskRow(HDC, const RECT&, const TskRecord&, LONG) { return TskRowHeight(); }

// The lists as the main window's commands and menus reach them: nothing is selected yet.
#include "lists/list_commands.h"
void ReFillCtsView(UINT) {}
void ShowCatFilterDlg() {}
void SortDlg(int) {}
void ShowCallHistoryDlg(HWND) {}
void DeleteCompletedTsks(HWND) {}
bool TskSelRowIsItem() { return false; }
bool CtsSelRowIsItem() { return false; }

// ---- The task and contact list rows the item editors reach, until the lists build them.
void FillTskList(int) {}
LONG GetTskListSelId() { return -1; }
int SelectTskListRowById(LONG) { return 0; }
void RemoveTskListRowsById(LONG) {}
void ReLoadCts(LONG) {}
LONG GetCtsListSelId() { return -1; }
int SelectCtsListRowById(LONG) { return 0; }
void RemoveCtsListRowsById(LONG) {}
