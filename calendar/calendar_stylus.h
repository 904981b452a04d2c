// The stylus on the main window's calendar views: taps select a day or an item, tap-and-hold opens
// a menu, a double tap opens the Day view, a horizontal stroke in the month view changes the month,
// and an item dragged from the selected-day pane or the week view is dropped on another day.
#pragma once

#include "platform/types.h"

// The last plain tap in the month view, (-1, -1) when none.
struct PenDownPoint {
    int x = -1;
    int y = -1;
};
extern PenDownPoint g_PenDown;

void OnStylusDown(LPARAM point);
void OnStylusUp(LPARAM point);
void OnStylusDblTap(LPARAM point);
void MoveItemDrag(LPARAM point);

// The date of the month-grid cell under the point, neighbour-month days included; 0 outside.
int HitTestMonthGridDay(int x, int y, int left, int top, int right, int bottom, int& year, int& month, int& day);
// On MonthGridRect; interactive 1 also refreshes the month and repaints on a hit.
int TapMonthGridDay(int x, int y, int& year, int& month, int& day, int interactive);
// A double tap in the month view; open 1 opens the Day view of a hit day.
int HitTestMonthDblTap(int x, int y, int open);
// The week view's day box under the point; 0 outside every box.
int HitTestWeekDayBox(int x, int y, int& year, int& month, int& day);
// As HitTestWeekDayBox, into the selected date.
int SelectWeekDayAt(int x, int y);

void BeginItemDrag(int x, int y);
// 1 when a drag was active.
int EndItemDrag(int x, int y);
bool IsItemDragActive();
void DropItemOnDate(int year, int month, int day);
void MoveApptToNewDate(int year, int month, int day);
