// The week view: seven (or five) day boxes drawn straight into the main window, the first day as
// a full-width box on top and the others in two columns below; the day-box painter that also
// draws the selected day's panes of the split month and the timeline week; and their hit tests.
#pragma once

#include <string>
#include <vector>

#include "core/date_rec.h"
#include "platform/types.h"

// One box of the week layout: its rectangle and its day as an offset from WeekViewStart.
struct WeekBox {
    RECT rect;
    int dayOffset;
    bool subBox;
};

// The boxes in drawing order (top box, left column, right column) for a view client rectangle.
std::vector<WeekBox> WeekViewLayout(const RECT& client);

// The weekday label of a day box's header, with the ISO week where it is shown.
std::u16string DayBoxLabel(const DateRec& date, bool subBox);

// Nonzero when the selected day's box reports entries below; 0 when the selected date is not shown.
int PaintWeekView(HDC dc, bool draw);
bool HitTestWeekView(int x, int y);
int DrawDayBox(HDC dc, const RECT& box, const DateRec& date, bool subBox, bool today, bool selected, int scroll,
               bool draw, bool pane);
bool HitTestDayBox(const RECT& box, int x, int y, const DateRec& date, bool subBox, bool today, bool selected,
                   int scroll, bool pane, int spare);

// Which selected-day pane.
enum SelDayPane : int { kTimelinePane = 0, kMonthPane = 1 };
int DrawSelDayPane(HDC dc, bool draw, int which);
bool HitTestSelDayPane(int x, int y, int which);
