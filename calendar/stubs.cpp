// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/month_view.h"
#include "calendar/calendar_input.h"
#include "calendar/row_separator.h"

void DropMonthGridCache() {}

void SyncSchedSel() {}
HWND AgendaSecondListWnd() { return nullptr; }
void RedrawSelSchedRow() {}
void PlaceUnderWeekdayBar(HWND) {}
void RecalcTimelineMetrics() {}

void SetYearViewToday() {}
void MoveDragImage(LPARAM) {}
void CalendarStylusDown(LPARAM) {}
void CalendarStylusUp(LPARAM) {}
void CalendarDoubleTap(LPARAM) {}
void DrawSchedItem(const DRAWITEMSTRUCT&) {}
void MeasureSchedRow(MEASUREITEMSTRUCT&) {}

// Date navigation by key, until it is built.
#include "calendar/calendar_nav.h"
int TodayKeyCmd(UINT) { return 0; }
void DateNextDay() {}
void DatePrevDay() {}
