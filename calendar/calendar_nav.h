// Date navigation of the calendar views by key: today, the next and the previous day.
#pragma once

#include "platform/types.h"

// 1 when the key jumped to today.
int TodayKeyCmd(UINT key);
void DateNextDay();
void DatePrevDay();

// ---- Moving the selected date by day, week and month, the week span, today, and the day pane.
// With redraw the words are the selected date's and the views follow; without it (the date
// picker) only the words change and a new month is loaded into the cache.
void DateStepFwd(LONG& year, LONG& month, LONG& day, int redraw);
void DateStepBack(LONG& year, LONG& month, LONG& day, int redraw);
void DateNextWeek(LONG& year, LONG& month, LONG& day, int redraw);
void DatePrevWeek(LONG& year, LONG& month, LONG& day, int redraw);
// Day 1 of the next or previous month of the selected date.
void DateNextMonth(LONG& year, LONG& month, LONG& day);
void DatePrevMonth(LONG& year, LONG& month, LONG& day);
void WeekViewNextWeek();
void WeekViewPrevWeek();
void WeekViewNextDay();
void WeekViewPrevDay();
void WeekViewBackToPrevWeek();
// "Move To Top": the selected date becomes the week view's first day.
void SetWeekStartToSelDate();
// 1 when the key was the keyboard model's today key.
int JumpToTodayOnKey(UINT key);
// Scrolls the selected-day pane or the week view's selected box on the keys that carry 1 and 3.
void ScrollDayPaneOnKey(UINT key);
// Reloads the shown month, redraws the grid and retitles the month view.
void RefreshAppts();
void ReadTodayDate();
// Refreshes the current view after the selected date changed.
void RefreshCurView();
// The Day view of the selected date.
void ShowSelDayView();
// Invalidates the main window with erasing and updates it at once.
void RepaintMainWindow();
