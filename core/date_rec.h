// The date record that every date and time in memory is held in, and its arithmetic: weekday,
// month lengths, day, minute and span steps, comparisons and the small calendar operations.
// A DateRec has the platform's SYSTEMTIME layout, so it is passed wherever a SYSTEMTIME is taken.
#pragma once

#include "platform/cedb.h"
#include "platform/types.h"

// Year of "no date": users test the year alone.
inline constexpr WORD kNoDateYear = 4501;

// Eight 16-bit fields in SYSTEMTIME order. Construction from fields and assignment recompute the
// weekday and zero the milliseconds; the field-wise day and minute steps do not, the span steps do.
// A caller that needs the weekday after a field-wise step assigns the record to itself.
struct DateRec : SYSTEMTIME {
    DateRec() : SYSTEMTIME{} {}
    DateRec(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    explicit DateRec(const SYSTEMTIME& time);
    // Never throws, so that records holding dates move, not copy, when their arrays grow.
    DateRec(const DateRec& other) noexcept;
    DateRec& operator=(const DateRec& other) noexcept;
};
static_assert(sizeof(DateRec) == sizeof(SYSTEMTIME));

// Days, hours, minutes and seconds by which the span steps move a date; callers pass counts >= 0.
struct DateSpan {
    LONG days = 0;
    LONG hours = 0;
    LONG minutes = 0;
    LONG seconds = 0;
};

inline constexpr DateSpan kOneDaySpan{1, 0, 0, 0};

// Construction and assignment.
DateRec& DateInit(DateRec& date, int year, int month, int day, int hour, int minute, int second);
void DateClear(DateRec& date);
void DateCopy(const DateRec& source, DateRec& target);  // all eight fields as they are
DateRec& DateAssign(DateRec& target, const DateRec& source);
DateRec& DateAssignByVal(DateRec& target, SYSTEMTIME source);
void DateNow(DateRec& date);
void SetDateOnlyTime(DateRec& date);  // 01:00:00.000, weekday untouched
void DateSetDow(DateRec& date);
// The Gregorian weekday (0 Sunday) of a year, month and day, by the rule DateSetDow uses.
int WeekdayOf(int year, int month, int day);

// Comparisons of year, month, day, hour, minute and second; milliseconds and weekday never count.
bool DateEqual(const DateRec& a, const DateRec& b);
bool DateNotEqual(const DateRec& a, const DateRec& b);
bool DateSameDay(const DateRec& a, const DateRec& b);
bool DateSameMonth(const DateRec& a, const DateRec& b);
bool DateIsBefore(const DateRec& a, const DateRec& b);
bool DateIsAfter(const DateRec& a, const DateRec& b);
bool DateGreater(const DateRec& a, const DateRec& b);
bool DateLaterThan(const DateRec& date, int year, int month, int day, int hour, int minute, int second);

// Month lengths: every year divisible by 4 is a leap year here (no century rule), while the weekday
// follows the Gregorian calendar. Stored dates and day stepping rely on both rules as they stand.
int DaysInMonth(const DateRec& date);
int MaxDaysInMonth(int month);
bool IsToday(int day, int month, int year);
void NextMonth(int year, int month, int& outYear, int& outMonth);
void PrevMonth(int year, int month, int& outYear, int& outMonth);
void WeekStartMonday(int year, int month, int day, DateRec& out);
void WeekStartSunday(int year, int month, int day, DateRec& out);
// The week views' first day for a selected date by the "STARTWEEKMON" setting: 1 the Monday of its
// week, 2 the Sunday, anything else the selected date itself; always at 00:00:00.
void GetWeekStartDate(int year, int month, int day, int startWeekMon, DateRec& weekStart);
// The same for the calendar views' selected date (g_SelectedDate) and the "STARTWEEKMON" setting in
// force; the views pass their week start record.
void GetWeekStartDate(DateRec& weekViewStart);
DateRec& GetFirstThursday(DateRec& date, int year);
// Steps a one day at a time until it equals b and returns the number of steps. When a is later
// than b it steps back and returns the negative count; when the times of day differ it stops at
// the first step that reaches or passes b.
int CountDaysTo(DateRec& a, const DateRec& b);
int WeekdayOrdinalInMonth(SYSTEMTIME date);

// Field-wise steps: the fields stay in range, the weekday is not recomputed.
void DateAddDays(DateRec& date, int days);
void DateSubDays(DateRec& date, int days);
void DateAddMinutes(DateRec& date, int minutes);
void DateSubMinutes(DateRec& date, int minutes);
// Span steps: days, hours, minutes, seconds with carry or borrow, then the weekday recomputed.
void DateAddSpan(DateRec& date, const DateSpan& span);
void DateSubSpan(DateRec& date, const DateSpan& span);

// Properties of the PIM database volume.
bool CePropHasData(WORD type, const CEPROPVAL* prop);
int CePropToSystemTime(WORD type, const CEPROPVAL* prop, DateRec& out, bool alreadyLocal);
