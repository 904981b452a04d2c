// The date record's construction, comparisons, month lengths and stepping.
// The loops follow the stepping rules exactly (one day or one hour at a time where the rules say so),
// because stored dates and the views rely on their results, including for out-of-range fields.
#include "core/date_rec.h"

#include <tuple>

namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;
constexpr int kDaysPerWeek = 7;
constexpr int kMonday = 1;
constexpr int kThursday = 4;
constexpr int kSunday = 0;

WORD ToWord(int value) { return static_cast<WORD>(value); }

auto Fields(const DateRec& d) {
    return std::make_tuple(d.wYear, d.wMonth, d.wDay, d.wHour, d.wMinute, d.wSecond);
}

// Days of a month by the year-divisible-by-4 rule; 31 for a month outside 1 to 12.
int MonthLength(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return year % 4 == 0 ? 29 : 28;
    default: return 31;
    }
}

}  // namespace

DateRec::DateRec(int year, int month, int day, int hour, int minute, int second) : SYSTEMTIME{} {
    DateInit(*this, year, month, day, hour, minute, second);
}

DateRec::DateRec(const SYSTEMTIME& time) : SYSTEMTIME{} { DateAssignByVal(*this, time); }

DateRec::DateRec(const DateRec& other) noexcept : SYSTEMTIME{} { DateAssign(*this, other); }

DateRec& DateRec::operator=(const DateRec& other) noexcept { return DateAssign(*this, other); }

DateRec& DateInit(DateRec& date, int year, int month, int day, int hour, int minute, int second) {
    date.wYear = ToWord(year);
    date.wMonth = ToWord(month);
    date.wDay = ToWord(day);
    date.wHour = ToWord(hour);
    date.wMinute = ToWord(minute);
    date.wSecond = ToWord(second);
    date.wMilliseconds = 0;
    DateSetDow(date);
    return date;
}

void DateClear(DateRec& date) { static_cast<SYSTEMTIME&>(date) = SYSTEMTIME{}; }

void DateCopy(const DateRec& source, DateRec& target) {
    static_cast<SYSTEMTIME&>(target) = static_cast<const SYSTEMTIME&>(source);
}

DateRec& DateAssign(DateRec& target, const DateRec& source) {
    return DateAssignByVal(target, source);
}

DateRec& DateAssignByVal(DateRec& target, SYSTEMTIME source) {
    return DateInit(target, source.wYear, source.wMonth, source.wDay, source.wHour, source.wMinute,
                    source.wSecond);
}

void SetDateOnlyTime(DateRec& date) {
    date.wHour = 1;
    date.wMinute = 0;
    date.wSecond = 0;
    date.wMilliseconds = 0;
}

int WeekdayOf(int year, int month, int day) {
    const int a = (kMonthsPerYear + 2 - month) / kMonthsPerYear;
    const int y = year - a;
    const int m = month + kMonthsPerYear * a - 2;
    const int w = (day + y + y / 4 - y / 100 + y / 400 + (31 * m) / kMonthsPerYear) % kDaysPerWeek;
    // Out-of-range fields can make the sum negative; keep the field within 0 to 6.
    return (w + kDaysPerWeek) % kDaysPerWeek;
}

void DateSetDow(DateRec& date) { date.wDayOfWeek = ToWord(WeekdayOf(date.wYear, date.wMonth, date.wDay)); }

bool DateEqual(const DateRec& a, const DateRec& b) { return Fields(a) == Fields(b); }
bool DateNotEqual(const DateRec& a, const DateRec& b) { return Fields(a) != Fields(b); }
bool DateSameDay(const DateRec& a, const DateRec& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}
bool DateSameMonth(const DateRec& a, const DateRec& b) { return a.wYear == b.wYear && a.wMonth == b.wMonth; }
bool DateIsBefore(const DateRec& a, const DateRec& b) { return Fields(a) < Fields(b); }
bool DateIsAfter(const DateRec& a, const DateRec& b) { return Fields(a) > Fields(b); }
bool DateGreater(const DateRec& a, const DateRec& b) { return DateIsAfter(a, b); }

bool DateLaterThan(const DateRec& date, int year, int month, int day, int hour, int minute, int second) {
    return std::make_tuple(int{date.wYear}, int{date.wMonth}, int{date.wDay}, int{date.wHour},
                           int{date.wMinute}, int{date.wSecond}) >
           std::make_tuple(year, month, day, hour, minute, second);
}

int DaysInMonth(const DateRec& date) { return MonthLength(date.wYear, date.wMonth); }

int MaxDaysInMonth(int month) { return month == 2 ? 29 : MonthLength(0, month); }

void NextMonth(int year, int month, int& outYear, int& outMonth) {
    outYear = year;
    outMonth = month + 1;
    if (outMonth > kMonthsPerYear) {
        outMonth = 1;
        ++outYear;
    }
}

void PrevMonth(int year, int month, int& outYear, int& outMonth) {
    outYear = year;
    outMonth = month - 1;
    if (outMonth < 1) {
        outMonth = kMonthsPerYear;
        --outYear;
    }
}

namespace {

void StepBackTo(int weekday, int year, int month, int day, DateRec& out) {
    DateInit(out, year, month, day, 0, 0, 0);
    while (out.wDayOfWeek != weekday) DateSubSpan(out, kOneDaySpan);
}

}  // namespace

void WeekStartMonday(int year, int month, int day, DateRec& out) { StepBackTo(kMonday, year, month, day, out); }

void WeekStartSunday(int year, int month, int day, DateRec& out) { StepBackTo(kSunday, year, month, day, out); }

void GetWeekStartDate(int year, int month, int day, int startWeekMon, DateRec& weekStart) {
    switch (startWeekMon) {
    case 1: WeekStartMonday(year, month, day, weekStart); break;
    case 2: WeekStartSunday(year, month, day, weekStart); break;
    default: DateInit(weekStart, year, month, day, 0, 0, 0); break;
    }
}

DateRec& GetFirstThursday(DateRec& date, int year) {
    DateInit(date, year, 1, 1, 0, 0, 0);
    while (date.wDayOfWeek != kThursday) DateAddSpan(date, kOneDaySpan);
    return date;
}

int CountDaysTo(DateRec& a, const DateRec& b) {
    int count = 0;
    if (DateIsAfter(a, b)) {
        while (DateIsAfter(a, b)) {
            DateSubSpan(a, kOneDaySpan);
            --count;
        }
        return count;
    }
    while (DateIsBefore(a, b)) {
        DateAddSpan(a, kOneDaySpan);
        ++count;
    }
    return count;
}

int WeekdayOrdinalInMonth(SYSTEMTIME date) {
    int weekday = WeekdayOf(date.wYear, date.wMonth, 1);
    int count = 0;
    for (int day = 1; day <= date.wDay; ++day) {
        if (weekday == date.wDayOfWeek) ++count;
        weekday = (weekday + 1) % kDaysPerWeek;
    }
    return count;
}

void DateAddDays(DateRec& date, int days) {
    date.wDay = ToWord(date.wDay + days);
    while (date.wDay > DaysInMonth(date)) {
        date.wDay = ToWord(date.wDay - DaysInMonth(date));
        date.wMonth = ToWord(date.wMonth + 1);
        while (date.wMonth > kMonthsPerYear) {
            date.wMonth = ToWord(date.wMonth - kMonthsPerYear);
            date.wYear = ToWord(date.wYear + 1);
        }
    }
}

void DateSubDays(DateRec& date, int days) {
    int t = date.wDay - days;
    if (t > 0) {
        date.wDay = ToWord(t);
        return;
    }
    int month = date.wMonth;
    int year = date.wYear;
    do {
        --month;
        while (month < 1) {
            month += kMonthsPerYear;
            --year;
        }
        t += MonthLength(year, month);
    } while (t < 1);
    date.wYear = ToWord(year);
    date.wMonth = ToWord(month);
    date.wDay = ToWord(t);
}

void DateAddMinutes(DateRec& date, int minutes) {
    // Whole days first: the 16-bit minute field would wrap past 45 days.
    if (minutes >= kMinutesPerHour * kHoursPerDay) {
        DateAddDays(date, minutes / (kMinutesPerHour * kHoursPerDay));
        minutes %= kMinutesPerHour * kHoursPerDay;
    }
    date.wMinute = ToWord(date.wMinute + minutes);
    while (date.wMinute >= kMinutesPerHour) {
        date.wHour = ToWord(date.wHour + 1);
        date.wMinute = ToWord(date.wMinute - kMinutesPerHour);
        while (date.wHour >= kHoursPerDay) {
            date.wHour = ToWord(date.wHour - kHoursPerDay);
            DateAddDays(date, 1);
        }
    }
}

namespace {

// How many whole units to borrow so that a negative t becomes 0 to unit-1.
int BorrowCount(int t, int unit) { return (-t - 1) / unit + 1; }

}  // namespace

void DateSubMinutes(DateRec& date, int minutes) {
    const int t = date.wMinute - minutes;
    if (t >= 0) {
        date.wMinute = ToWord(t);
        return;
    }
    const int hours = BorrowCount(t, kMinutesPerHour);
    const int newMinute = t + kMinutesPerHour * hours;
    for (int i = 0; i < hours; ++i) {
        if (date.wHour == 0) {
            date.wHour = kHoursPerDay - 1;
            DateSubDays(date, 1);
        } else {
            date.wHour = ToWord(date.wHour - 1);
        }
    }
    date.wMinute = ToWord(newMinute);
}

void DateAddSpan(DateRec& date, const DateSpan& span) {
    DateAddDays(date, span.days);
    int hour = date.wHour + span.hours;
    while (hour >= kHoursPerDay) {
        hour -= kHoursPerDay;
        DateAddDays(date, 1);
    }
    date.wHour = ToWord(hour);
    DateAddMinutes(date, span.minutes);
    int second = date.wSecond + span.seconds;
    while (second >= kSecondsPerMinute) {
        second -= kSecondsPerMinute;
        DateAddMinutes(date, 1);
    }
    date.wSecond = ToWord(second);
    DateSetDow(date);
}

void DateSubSpan(DateRec& date, const DateSpan& span) {
    DateSubDays(date, span.days);
    int hour = date.wHour - span.hours;
    if (hour < 0) {
        const int days = BorrowCount(hour, kHoursPerDay);
        hour += kHoursPerDay * days;
        for (int i = 0; i < days; ++i) DateSubDays(date, 1);
    }
    date.wHour = ToWord(hour);
    DateSubMinutes(date, span.minutes);
    int second = date.wSecond - span.seconds;
    if (second < 0) {
        const int minutes = BorrowCount(second, kSecondsPerMinute);
        second += kSecondsPerMinute * minutes;
        for (int i = 0; i < minutes; ++i) DateSubMinutes(date, 1);
    }
    date.wSecond = ToWord(second);
    DateSetDow(date);
}
