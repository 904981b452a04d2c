// The calendar views as the main window paints them, hands them keys and commands, and leaves
// their previews: the painters, the date steps, the week and year moves and the day tool bar.
#pragma once

#include "calendar/agenda_switch.h"
#include "calendar/timeline_week.h"
#include "calendar/week_view.h"
#include "platform/types.h"

void PaintMonthView(HDC dc);
void PaintYearView(HDC dc);
// The task preview in the tasks view's pane; its height, or 0 when it only copied the drawing.
int DrawTskPreviewPane(HDC dc, int draw);


// 1 when the key was the keyboard model's today key and today is shown.
int JumpToTodayOnKey(UINT key);
// Scrolls the month and week views' day pane on the model's keys for 1 and 3.
void ScrollDayPaneOnKey(UINT key);
// One day or seven days forward or back, month and year carried; redraw 1 reloads a new month.
void DateStepFwd(LONG& year, LONG& month, LONG& day, int redraw);
void DateStepBack(LONG& year, LONG& month, LONG& day, int redraw);
void DateNextWeek(LONG& year, LONG& month, LONG& day, int redraw);
void DatePrevWeek(LONG& year, LONG& month, LONG& day, int redraw);
// Shows the day view of the selected date.
void ShowSelDayView();
void WeekViewNextWeek();
void WeekViewPrevWeek();
void WeekViewNextDay();
void WeekViewPrevDay();
void YearViewNextMonth();
void YearViewPrevMonth();
void YearViewNextRow();
void YearViewPrevRow();
void YearViewPickDate();

// Leave the appointment, contact and task preview for the view they were opened from.
void GoBackFromPreviewB();
void GoBackFromPreviewC();

// The day schedule's tool bar.
void GoToMonCmd();
void GoToTueCmd();
void GoToWedCmd();
void GoToThuCmd();
void GoToFriCmd();
void GoToSatCmd();
void GoToSunCmd();
void TodaySchedCmd();
void PrevWeekCmd();
void NextWeekCmd();
void GoToDateCmd();
// "Move To Top": the selected date becomes the week view's first day.
void SetWeekStartToSelDate();

// Refreshes the current view after the selected date changed.
void RefreshCurView();
