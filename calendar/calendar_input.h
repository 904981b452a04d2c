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
