// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/month_view.h"
#include "calendar/calendar_input.h"

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

// What the main window paints, keys and commands in the calendar views.
#include "calendar/cal_views.h"
void PaintMonthView(HDC) {}
void PaintWeekView(HDC, int) {}
void PaintTimelineWeek(HDC) {}
void PaintYearView(HDC) {}
void DrawTskPreviewPane(HDC, int) {}
void ShowTimelineWeek(int) {}
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
void GoBackFromPreviewA() {}
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
