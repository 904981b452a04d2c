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

// ---- The task list's rows as the item editors reach them.
// Refills the task list by the first sort key and selects the current row again.
void FillTskList(int flag);
// The OID of the task under the selected row, -1 none.
LONG GetTskListSelId();
// Selects, focuses and shows the row of the OID; 0 when there is none.
int SelectTskListRowById(LONG oid);
// Takes the rows of the OID out of the list.
void RemoveTskListRowsById(LONG oid);
