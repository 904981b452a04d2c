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

// What the main window paints, keys and commands in the calendar views.
#include "calendar/cal_views.h"
void PaintMonthView(HDC) {}
void PaintYearView(HDC) {}
void DrawTskPreviewPane(HDC, int) {}
int JumpToTodayOnKey(UINT) { return 0; }
void ScrollDayPaneOnKey(UINT) {}
void DateStepFwd(LONG&, LONG&, LONG&, int) {}
void DateStepBack(LONG&, LONG&, LONG&, int) {}
void DateNextWeek(LONG&, LONG&, LONG&, int) {}
void DatePrevWeek(LONG&, LONG&, LONG&, int) {}
void ShowSelDayView() {}
void WeekViewNextWeek() {}
void WeekViewPrevWeek() {}
void WeekViewNextDay() {}
void WeekViewPrevDay() {}
void YearViewNextMonth() {}
void YearViewPrevMonth() {}
void YearViewNextRow() {}
void YearViewPrevRow() {}
void YearViewPickDate() {}
void GoBackFromPreviewB() {}
void GoBackFromPreviewC() {}
void GoToMonCmd() {}
void GoToTueCmd() {}
void GoToWedCmd() {}
void GoToThuCmd() {}
void GoToFriCmd() {}
void GoToSatCmd() {}
void GoToSunCmd() {}
void TodaySchedCmd() {}
void PrevWeekCmd() {}
void NextWeekCmd() {}
void GoToDateCmd() {}
void SetWeekStartToSelDate() {}
void RefreshCurView() {}

// ---- The schedule list and the task preview's reload mark, until they are built.
#include "calendar/sched_list.h"
void RefreshSchedList() {}
LONG g_TskPreviewReload = 0;
