// The Day list's rows of multi-day appointments that began on an earlier day, the overlay that
// redraws the current row in its selected look over the cached list, and scrolling the current
// row into view.
#pragma once

#include "calendar/day_list.h"
#include "core/date_rec.h"
#include "platform/types.h"

// Walks the section's rows, drawing them with draw; the visitor sees each row and may end the walk
// (`stopped`). `first` is cleared by the first row. The height of the section.
int WalkDaySpanRows(HDC dc, int x, int top, const DateRec& day, LONG& alternate, LONG& first, int draw,
                    const DayRowVisitor& visit, bool& stopped);
int DrawDaySpanRows(HDC dc, int x, int top, const DateRec& day, LONG& alternate, LONG& first, int draw);
// Whether the day has such a row at all.
bool DayHasSpanRows(const DateRec& day);
void DrawSelectedDayRow(HDC windowDC);
void ScrollToCurrentAppt(int redraw);
