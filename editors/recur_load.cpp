// The load side of the Occurs choices: POOM's type, interval and mask back to a choice.
#include "editors/recur_load.h"

#include <iterator>

#include "core/poom_session.h"
#include "editors/custom_recur.h"
#include "editors/recur_choices.h"

namespace {

constexpr LONG kWeekdaysMask = 62;  // Monday to Friday
constexpr LONG kEveryDay = 1;
constexpr LONG kEveryWeekDay = 2;
constexpr LONG kFirstWeekly = 4;    // 4..7: every 1..4 weeks on the start's weekday
constexpr LONG kFirstMonthly = 9;   // 9..13
constexpr LONG kFirstMonthNth = 14; // 14..18
constexpr LONG kYearly = 19;
constexpr LONG kYearNth = 20;
constexpr LONG kNoEndCount = 10;
constexpr LONG kWeeklyIntervals = 4;
constexpr LONG kMonthIntervals[] = {1, 2, 3, 4, 6};

LONG MonthChoice(LONG first, LONG interval, LONG unchanged) {
    for (LONG i = 0; i < static_cast<LONG>(std::size(kMonthIntervals)); ++i)
        if (kMonthIntervals[i] == interval) return first + i;
    return unchanged;
}

}  // namespace

LONG OccursChoiceOfPattern(IRecurrencePattern* pattern, const DateRec& patternStart, LONG unchanged) {
    LONG type = -1;
    LONG interval = 1;
    LONG mask = 0;
    pattern->get_RecurrenceType(&type);
    pattern->get_Interval(&interval);
    pattern->get_DayOfWeekMask(&mask);
    switch (type) {
    case olRecursDaily:
        if (interval == 1) return kEveryDay;
        g_CustomRecur.everyN = interval;
        return kRecurEveryXDays;
    case olRecursWeekly: {
        if (mask == kWeekdaysMask) return kEveryWeekDay;
        const LONG dayBit = 1L << patternStart.wDayOfWeek;
        if (mask == dayBit) return interval >= 1 && interval <= kWeeklyIntervals ? kFirstWeekly + interval - 1 : unchanged;
        g_CustomRecur.everyN = interval;
        for (int day = 0; day < kDaysInWeek; ++day) g_CustomRecur.weekdays[day] = (mask >> day) & 1;
        return kRecurCustomWeek;
    }
    case olRecursMonthly: return MonthChoice(kFirstMonthly, interval, unchanged);
    case olRecursMonthNth: return MonthChoice(kFirstMonthNth, interval, unchanged);
    case olRecursYearly: return kYearly;
    case olRecursYearNth: return kYearNth;
    }
    return kRecurOnce;
}

void ReadPatternEnd(IPOutlookApp* app, IRecurrencePattern* pattern) {
    VARIANT_BOOL noEnd = VARIANT_FALSE;
    pattern->get_NoEndDate(&noEnd);
    if (noEnd) {
        g_CustomRecur.endDate = DateRec();
        g_CustomRecur.endDate.wYear = kNoDateYear;
        g_CustomRecur.occurrences = kNoEndCount;
        g_CustomRecur.endsAfter = 0;
        g_CustomRecur.endDateSet = 0;
        return;
    }
    DATE end = POOM_NO_DATE;
    pattern->get_PatternEndDate(&end);
    DateRec endDate;
    if (PoomDateToDateRec(app, end, endDate)) {
        g_CustomRecur.endDate = endDate;
        g_CustomRecur.endDateSet = 1;
        g_CustomRecur.endsAfter = 0;
        return;
    }
    LONG count = 0;
    pattern->get_Occurrences(&count);
    g_CustomRecur.occurrences = count;
    g_CustomRecur.endsAfter = 1;
    g_CustomRecur.endDateSet = 0;
}
