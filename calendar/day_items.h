// The list of everything that falls on one date inside a rectangle (birthdays and anniversaries,
// carried-over and starting appointments, tasks), its hit test, and the year view's day marks.
#pragma once

#include "core/date_rec.h"
#include "platform/types.h"

// 1 when an entry did not fit (entries remain below), 0 when the whole list was listed.
int DrawDayItems(HDC dc, const RECT& rect, const DateRec& date, int top, int scroll, bool draw, bool todayFlag,
                 bool compact);
// 1 when the point lies on a listed entry; that entry then is the global selection.
bool HitTestDayItems(const RECT& rect, int x, int y, const DateRec& date, int top, int scroll, bool todayFlag,
                     bool compact);
// Sets each counter to 1 when the date has an open task due / an appointment, else 0.
void GetDayMarkCounts(const DateRec& date, int& taskCount, int& apptCount);

// The more-above (up) and more-below marks: halves of the arrow bitmap, 9 x 5 pixels.
void DrawMoreArrow(HDC dc, int x, int y, bool up);
