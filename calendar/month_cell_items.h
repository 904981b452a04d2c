// What a month cell shows of its day: the day bar, the marks of the day's items and the task-due and
// birthday or anniversary icons in the cell's corner, chosen by screen class and settings.
#pragma once

#include "core/date_rec.h"
#include "platform/types.h"

void DrawMonthCellItems(HDC dc, int x, int y, int cw, int rh, int labelWidth, int labelHeight, int year, int month,
                        int day, int outside);
void DrawCellBarsAndMarks(HDC dc, int x, int y, int cw, int rh, int labelWidth, int labelHeight, int year, int month,
                          int day, int outside);
void DrawCellItemMarks(HDC dc, int x, int y, int rh, int year, int month, int day, int labelWidth, int labelHeight,
                       int withDayMarks);
void DrawCellIcons(HDC dc, int x, int y, int cw, int rh, int year, int month, int day);
// Where the first item mark of a cell goes.
POINT CellMarksOrigin(int x, int y, int rh, int year, int month, int day, int labelWidth, int labelHeight);

// True when an open task that the user may see is due on that day.
bool HasTaskOnDate(const DateRec& date);
