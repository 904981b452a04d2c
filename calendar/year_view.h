// The year view (a half year on square screens): small month blocks whose day numbers are coloured
// by what the day holds, a cursor month moved by keys and stylus, and the month-block painter that
// also draws the split month view's next-month preview.
#pragma once

#include "platform/types.h"

struct YearViewState {
    LONG year = 0;
    LONG cursorMonth = 1;     // 1..12
    LONG firstHalf = 1;       // square screens: 1 shows January to June, 0 July to December
    LONG captionHeight = 0;   // of the last drawn block
};
extern YearViewState g_YearView;

void SetYearViewToday();
void ShowYearView();
void PaintYearView(HDC dc);
// yearView 0 draws the next-month preview of the month view.
void DrawYearView(HDC dc, int month, int year, const RECT& rect, int yearView);
void DrawYearMonth(HDC dc, int month, int year, const RECT& rect, int yearView);
// The block of a month in the view client rectangle; false when the month has no block on screen.
bool YearBlockRect(int month, RECT& out);
// Puts the cursor on the block under the point; 0 outside every block.
int YearViewHitTest(int x, int y);
void YearViewPickDate();
void YearViewPrevRow();
void YearViewNextRow();
void YearViewPrevMonth();
void YearViewNextMonth();
