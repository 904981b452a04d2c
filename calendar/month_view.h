// The month view's cached grid picture.
#pragma once

#include "platform/types.h"
#include "ui/offscreen.h"

// Clears the grid's drawn state and releases its buffer, so the next paint draws it afresh.
void DropMonthGridCache();

// ---- The month view's layout, its grid painter and the selected-day marks.
// The drawn grid of the shown month; while it does not exist the next month paint lays out afresh.
extern OffscreenBuffer MonthGridCache;
// The month grid and, with the split layout, the next month drawn small; SelDayPaneRect is beside them.
extern RECT MonthGridRect;
extern RECT NextMonthPreviewRect;

// The screen classes that the month and year layouts are tabled by.
enum class MonthScreen { None, QvgaLandscape, QvgaPortrait, QvgaSquare, Square320, Small, VgaLandscape,
                         VgaPortrait, VgaSquare };
MonthScreen GetMonthScreen();

// Sets the three rectangles and makes the grid cache, only while the cache does not exist.
void LayoutSplitPanes(HWND window);
// The inner rectangle of a day cell whose grid cell starts at (x, y); column 1..7 from the left.
void GetMonthCellRect(RECT& out, int x, int y, int width, int height, int column);
bool IsTopSplitMonth();
int IsInSplitMonthArea(int x, int y);

// The grid's measures, shared by the painter and the hit tests.
struct MonthGridGeometry {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int headerHeight = 0;
    int cellWidth = 0;
    int rowHeight = 0;
    int firstColumn = 1;  // the column of day 1, 1..7
    int year = 0;
    int month = 0;
};
// headerHeight is measured on dc in the calendar font.
MonthGridGeometry MonthGeometry(HDC dc, const RECT& grid, int year, int month);

// One cell of the grid walk: its place, its day (upper day of a folded cell) and its kind.
struct MonthCellPlace {
    int row = 0;
    int column = 0;
    int x = 0;
    int y = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    bool outside = false;  // a day of the month before or after
    bool folded = false;   // a row-5 cell holding day and day + 7
};
MonthCellPlace MonthCellAt(const MonthGridGeometry& g, int row, int column);

void PaintMonthView(HDC dc);
void PaintMonthViewCached(HDC dc);
void DrawMonthCalGrid(HDC dc, int left, int top, int right, int bottom, int year, int month);
void DrawMonthCell(HDC dc, int column, int year, int month, int day, int x, int y, int cw, int rh, int textOffset,
                   bool today, HBRUSH brush);
void DrawMonthCellTwoDays(HDC dc, int column, int year, int month, int day, int x, int y, int cw, int rh, bool today,
                          HBRUSH brush, bool noDivider);
void DrawMonthMarks(HDC dc, int year, int month, int day, int left, int top, int right, int bottom);
// The week label of a grid row: the ISO week of the first Monday on or after the date.
int MonthRowWeekNumber(int year, int month, int day);

// The 35 cells in reading order.
inline void ForEachMonthCell(const MonthGridGeometry& g, const auto& visit) {
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 7; ++column) visit(MonthCellAt(g, row, column));
}
