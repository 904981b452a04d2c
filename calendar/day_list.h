// One day of the drawn agenda lists: header, birthdays and anniversaries, the day's appointments,
// measured or drawn by one walk that the hit test and the selection steps repeat row by row.
#pragma once

#include <functional>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/types.h"

// No day is laid out below this content row.
inline constexpr int kDayListLimit = 2000;
// The Day view's list starts this far below the top of its content.
inline constexpr int kDayListTop = 4;
inline constexpr int kDayListX = 8;
// A row's subject, location and notes longer than this are cut and "..." appended: the list is
// drawn whole into one buffer, which a text wrapped over thousands of lines would not fit.
inline constexpr std::size_t kRowNotesChars = 250;

// One row the walk passed: the item, its kind (1 task, 2 appointment, 3 contact) and its place.
struct DayRowSpot {
    LONG oid = -1;
    LONG kind = 0;
    DateRec date;
    int top = 0;
    int height = 0;
};
// Returns true to end the walk at this row.
using DayRowVisitor = std::function<bool(const DayRowSpot&)>;

// y below the day, or top unchanged when it already lies beyond the limit. `first` is the list's
// first-header flag; with `defer` the header waits for the first row, and a day without rows has none.
int DrawDayList(HDC dc, const DateRec& date, int top, LONG& first, int defer, int draw);
// The same walk offering each row to the visitor; `stopped` tells whether a visitor ended it.
int WalkDayList(HDC dc, const DateRec& date, int top, LONG& first, int defer, int draw,
                const DayRowVisitor& visit, bool& stopped);
int DrawDayHeader(HDC dc, int x, int y, const DateRec& date, LONG& first, int draw);
int DrawApptRow(HDC dc, int x, int y, const ApptRecord& appt, const DateRec& day, LONG alternate, int draw,
                int noBox);
COLORREF GetApptTextColor(const ApptRecord& appt, int useFirst);
COLORREF GetApptBarColor(const ApptRecord& appt);
struct OffscreenBuffer;
// Fills the buffer with the theme's background.
void DrawViewBackground(OffscreenBuffer& buffer, int sourceX, int sourceY, HWND window = nullptr);

int DayListHitTest(int x, int y, int top, const DateRec& date);
// Makes the row after the current one current; with `found` set on entry, the first row of the day.
int SelectNextDayItem(int top, const DateRec& date, bool& found);
// The last row passed before the current one, kept across days by the Dates list.
struct PrevDayItem {
    LONG oid = -1;
    LONG kind = 0;
    DateRec date;
    LONG rowPos = -1;
};
int SelectPrevDayItem(int top, const DateRec& date, PrevDayItem& previous);
int SelectFirstDayItem();
