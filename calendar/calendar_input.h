// What the main window hands the calendar views: the stylus, the drag image, the owner-drawn
// schedule rows, and the year view's date.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

void SetYearViewToday();
// Scrolls the agenda view window back to its top.
void ResetAgendaScroll();
void MoveDragImage(LPARAM point);
void CalendarStylusDown(LPARAM point);
void CalendarStylusUp(LPARAM point);
void CalendarDoubleTap(LPARAM point);
void DrawSchedItem(const DRAWITEMSTRUCT& item);
void MeasureSchedRow(MEASUREITEMSTRUCT& measure);

// ---- What the outline lists of the toolkit use of the schedule list.
#include "ui/list_rows.h"
// The schedule rows the dates and day lists show.
extern ListRowArray g_SchedRows;
// Opens the item of the selected schedule row; the list's Enter.
void OpenSchedSel();
// A tap in the check area of a task row toggles the task.
void SchedListTap(int x, int y);
// Rebuilds the schedule rows for the shown date.
void FillSchedDay();
// Refills the schedule list of the current view from its first day.
void RefreshSchedList();
