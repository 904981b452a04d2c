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
