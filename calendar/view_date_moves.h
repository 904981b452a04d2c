// Moving the current view to another date.
#pragma once

// The go-to-date dialog and "Today" for the current view.
void GoToDateForView();
void TodayForView();

// Moving the current view to a chosen date or to today.
void GoToDateCurView();
void GoToToday();
