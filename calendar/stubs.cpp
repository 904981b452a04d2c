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

void SetYearViewToday() {}
void MoveDragImage(LPARAM) {}
void CalendarStylusDown(LPARAM) {}
void CalendarStylusUp(LPARAM) {}
void CalendarDoubleTap(LPARAM) {}
void DrawSchedItem(const DRAWITEMSTRUCT&) {}
void MeasureSchedRow(MEASUREITEMSTRUCT&) {}
#include "calendar/appt_text_color.h"
#include "calendar/day_bars.h"
#include "extras/theme_words.h"

int DrawApptBars(HDC, int, int, int, int, int, int, int, int, int, int, int, int, int, int, int) { return 0; }
void DrawArrowLine(HDC, int, int, int, int, COLORREF, bool) {}
COLORREF GetApptTextColor(const ApptRecord&) { return static_cast<COLORREF>(GetThemeWord(8)); }

// Date navigation by key, until it is built.
#include "calendar/calendar_nav.h"
int TodayKeyCmd(UINT) { return 0; }
void DateNextDay() {}
void DatePrevDay() {}
// No contact preview card until the previews are built.
void ShowCtsPreview(LONG) {}

// ---- The schedule list, until it is built: no window and no rows.
#include "calendar/sched_list.h"
ListRowArray& SchedRows() {
    static ListRowArray rows;
    return rows;
}
void FillSchedDay() {}
void FillSchedAgenda() {}
void RefreshSchedList() {}
