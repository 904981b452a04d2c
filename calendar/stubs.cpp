// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/month_view.h"
#include "calendar/calendar_input.h"
#include "calendar/row_separator.h"

void DropMonthGridCache() {}

void SyncSchedSel() {}
void ReleaseAgendaBuffer() {}
void RelayoutAgendaView() {}
HWND AgendaSecondListWnd() { return nullptr; }
void RedrawSelSchedRow() {}
void PlaceUnderWeekdayBar(HWND) {}
void ReleasePreviewBuffer() {}
void RecalcTimelineMetrics() {}

void SetYearViewToday() {}
void ResetAgendaScroll() {}
void MoveDragImage(LPARAM) {}
void CalendarStylusDown(LPARAM) {}
void CalendarStylusUp(LPARAM) {}
void CalendarDoubleTap(LPARAM) {}
void DrawSchedItem(const DRAWITEMSTRUCT&) {}
void MeasureSchedRow(MEASUREITEMSTRUCT&) {}
void DrawSeparator(HDC, int, int, int, int) {}
