// The tasks view: its list and the preview pane below it.
#pragma once

#include "platform/commctrl.h"

// Lays the task list and its preview pane out again.
void RelayoutTaskView();
// Drops the task list's cached row picture.
void DropTaskRowCache();
// Scrolls the row with the list's selection mark into view, when there is one.
void EnsureTaskSelVisible();
void PaintTskView(const DRAWITEMSTRUCT& item);
void GetTskListMetrics(MEASUREITEMSTRUCT& measure);

// Makes the task of the selected row the current item; with tellUser and no task selected it says
// "No Task Selected.". TRUE when a task is selected.
BOOL CheckTskSelected(BOOL tellUser);

// ---- Task rows as the calendar's day lists show them.
struct TskRecord;
// Height of one task row: FONTSIZE plus 6, plus 10 on VGA screens.
int TskRowHeight();
// Draws the task's row in the rectangle with the alternating look; the row height.
int DrawTskRow(HDC dc, const RECT& rect, const TskRecord& task, LONG alternate);

// ---- What the outline lists of the toolkit use of the task list (stand-ins in lists/stubs.cpp).
#include "ui/list_rows.h"
// The task rows the task list shows.
extern ListRowArray g_TskRows;
// Re-reads the selected task row, or selects the remembered task when none is; the list's Enter.
void SyncTskSelection();
// A tap in the check area of the focused task row acts on it.
void TskListTapTest(int x, int y);
// Refills the task rows by the first sort key and reselects.
void FillTskList(LONG viewCode, LONG fillArg);
// ---- Used by the calendar's stylus in the tasks view.
// Re-reads the selected row, frees the cached row picture and updates the menu bar.
void ResetTskListCache();
