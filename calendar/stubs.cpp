// Stand-ins for the calendar views until they are built: there is nothing to redraw.
#include "calendar/agenda_view.h"
#include "calendar/calendar_input.h"
#include "calendar/row_separator.h"

void SyncSchedSel() {}
HWND AgendaSecondListWnd() { return nullptr; }
void RedrawSelSchedRow() {}
void PlaceUnderWeekdayBar(HWND) {}

void DrawSchedItem(const DRAWITEMSTRUCT&) {}
void MeasureSchedRow(MEASUREITEMSTRUCT&) {}
#include "calendar/appt_text_color.h"
#include "extras/theme_words.h"

COLORREF GetApptTextColor(const ApptRecord&) { return static_cast<COLORREF>(GetThemeWord(8)); }

// No contact preview card until the previews are built.
void ShowCtsPreview(LONG) {}

// What the main window paints, keys and commands in the calendar views.
#include "calendar/cal_views.h"
void DrawTskPreviewPane(HDC, int) {}
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

// ---- The schedule rows and their actions, until the schedule list is built.
ListRowArray g_SchedRows;
void OpenSchedSel() {}
void SchedListTap(int, int) {}
void FillSchedDay() {}
void RefreshSchedList() {}

// ---- The task preview's complete box, until the task preview is built.
int HitPreviewCompleteBox(int, int) { return 0; }

// ---- The Dates view's schedule rows, until the schedule list is built.
#include "calendar/sched_list.h"
void FillSchedAgenda() {}
