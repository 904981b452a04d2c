// The Dates view: the coming days from today, each laid out by the Day list painter.
#pragma once

#include "platform/types.h"

// Days after today that the Dates list shows (today plus this many).
inline constexpr int kUpcomingDays = 7;
// Gap between two days that drew something.
inline constexpr int kDatesDayGap = 8;

int DrawDatesList(HDC dc, int draw);
int DatesListHitTest(int x, int y);
int SelectNextDatesItem();
int SelectPrevDatesItem();
