// Stand-ins for the parts of the task and contact lists that are not built yet.
#include "lists/cat_filter.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "lists/phone_lib.h"
#include "platform/text.h"
#include "frame/side_files.h"

bool GetViewCatFilter() { return false; }

void RelayoutTaskView() {}
void DropTaskRowCache() {}
void EnsureTaskSelVisible() {}

void PlaceCtsListBelowTabs() {}
void ReleaseContactGridBuffer() {}

bool LoadPhoneLibrary() { return false; }
void FreePhoneLibrary() {}
void PaintCtsView(const DRAWITEMSTRUCT&) {}
void MeasureCtsRow(MEASUREITEMSTRUCT&) {}
bool OnCtsKey(UINT, UINT) { return false; }
void ResetContactSortState() {}
void FetchSelContactQuiet() {}
void RunCtsDefaultAction() {}
void PaintTskView(const DRAWITEMSTRUCT&) {}
void GetTskListMetrics(MEASUREITEMSTRUCT&) {}

// The contacts view's sorted insert, until the view is built: by file-as name, ignoring case, so
// that a reloaded contact is kept.
void InsertCtsRecSorted(const CtsRecord& record) {
    int at = 0;
    while (at < g_CtsList.Size() && platform::CompareNoCase(g_CtsList[at].fileAs, record.fileAs) <= 0) ++at;
    g_CtsList.InsertAt(at, record);
}

// No recently viewed contacts yet.
void LoadCtsView() {}

// The lists as the main window's commands and menus reach them: nothing is selected yet.
#include "lists/list_commands.h"
CtsTypeAhead g_CtsTypeAhead;
bool CheckTskSelected(int) { return false; }
bool CheckCtsSelected(int) { return false; }
void ReFillCtsView(UINT) {}
void ShowCatFilterDlg() {}
void SortDlg(int) {}
void ShowCallHistoryDlg(HWND) {}
void DeleteCompletedTsks(HWND) {}
void CopyCurrentCts() {}
bool TskSelRowIsItem() { return false; }
bool CtsSelRowIsItem() { return false; }
bool TskPassCatFilter(const TskRecord&, int) { return true; }
int DialNumber(const std::u16string&) { return 0; }
