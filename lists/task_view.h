// The tasks view: the task list (control 2352) of the loaded tasks, grouped by the first sort key,
// its rows and their painting, the preview pane below it and the current task.
#pragma once

#include <string>

#include "platform/commctrl.h"
#include "platform/types.h"
#include "ui/list_rows.h"

struct TskRecord;

inline constexpr LONG kImportanceLow = 0;
inline constexpr LONG kImportanceHigh = 2;

struct TskListState {
    HWND list = nullptr;
    HWND menuBar = nullptr;
    LONG created = 0;
    LONG rememberedOid = -1;  // the task to select again when the view comes back
    LONG rememberedValid = 0;
    RECT previewPane{};       // where the task preview draws with "TASKPREVIEW"
    LONG previewScroll = 0;   // the first row of the preview shown at the pane's top
};

extern TskListState g_TskListState;
// The rows of the task list, rebuilt by every fill.
extern ListRowArray g_TskRows;

// ---- The view.
void ShowTskView(bool reselect);
// Refills the rows and the list for "TASKSORT"; with reselect the first item row is selected.
void FillTskList(bool reselect);
// The toolkit's refresh after an item changed: the rows and list refilled, the first item row
// selected when fillArg is set.
void FillTskList(LONG viewCode, LONG fillArg);
void FillTskFlat();
void FillTskByPriority();
void FillTskByCategory();
void FillTskBySensitivity();
void FillTskByCompleted();
void FillTskByAdvPriority();
// Fills g_TskRows for "TASKSORT" without touching the list; false when the value names no mode.
bool FillTskRows();
HWND CreateTskList(HWND parent);
void LayoutTskList(bool fitColumn);
void SaveTskListSel();
// Makes the task of the selected row the current item; with tellUser and no task selected it says
// "No Task Selected.". TRUE when a task is selected.
BOOL CheckTskSelected(BOOL tellUser);
// The selection moved or a row was activated.
void SyncTskSelection();
void ResetTskListCache();
// The task's index in g_TskList, -1 when it is not loaded.
int TskIndexFromOid(LONG oid);

// Lays the task list and its preview pane out again.
void RelayoutTaskView();
// Drops the task preview's cached picture.
void DropTaskRowCache();
// Scrolls the row with the list's selection mark into view, when there is one.
void EnsureTaskSelVisible();

// ---- The rows.
void PaintTskView(const DRAWITEMSTRUCT& item);
void GetTskListMetrics(MEASUREITEMSTRUCT& measure);
// Height of one task row of the calendar views' lists: FONTSIZE plus 6, plus 10 on VGA screens.
int TskRowHeight();
// Draws one task line; the row height used.
int DrawTskRow(HDC dc, const RECT& rect, const TskRecord& task, bool alternate, bool noBox, bool outside,
               bool twoLines);
// The calendar views' one-line task row.
int DrawTskRow(HDC dc, const RECT& rect, const TskRecord& task, LONG alternate);
// The icon strip of a task; with draw clear it only measures. Its width.
int DrawTskIcons(HDC dc, int x, int y, const TskRecord& task, bool draw, bool smallIcons, bool outside);
// A tap on the task list at the point: on the selected row's check box it toggles completion.
void TskListTapTest(int x, int y);
// Refills the task rows by the first sort key and reselects.
void FillTskList(LONG viewCode, LONG fillArg);
// ---- Used by the calendar's stylus in the tasks view.
// Re-reads the selected row, frees the cached row picture and updates the menu bar.
void ResetTskListCache();
std::u16string GetSensitivityCaption(LONG value);
std::u16string GetAdvPriorityCaption(WCHAR letter);

// The tasks view, its data loaded first when it is not yet.
void ShowTasksView();
