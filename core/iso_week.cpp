// The ISO week of a date, counted from the Monday of the week that holds a year's first Thursday.
#include "core/iso_week.h"

#include "core/date_rec.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr DateSpan kThursdayToMonday{3, 0, 0, 0};

DateRec WeekOneMonday(int year) {
    DateRec monday;
    GetFirstThursday(monday, year);
    DateSubSpan(monday, kThursdayToMonday);
    return monday;
}

}  // namespace

int IsoWeekNumber(int year, int month, int day) {
    const DateRec date(year, month, day);
    DateRec base = WeekOneMonday(year);
    if (DateIsBefore(date, base)) {
        base = WeekOneMonday(year - 1);
    } else if (const DateRec next = WeekOneMonday(year + 1); !DateIsBefore(date, next)) {
        base = next;
    }
    return CountDaysTo(base, date) / kDaysPerWeek + 1;
}
