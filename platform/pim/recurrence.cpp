// Expansion of daily, weekly, monthly, month-nth, yearly and year-nth patterns.
#include "pim/recurrence.h"

#include <algorithm>

#include "pim/ole_date.h"

namespace platform::pim {
namespace {

constexpr int kLastInstance = 5;  // instance 5 means the last such weekday of the month
constexpr int kMonthsPerYear = 12;
// Enough for any pattern to show its shortest gap (daily, weekly or monthly within a year or two).
constexpr int kGapSample = 60;

std::int64_t OleDayOf(int year, int month, int day) {
    return DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
}

void CivilOfOleDay(std::int64_t oleDay, int& year, int& month, int& day) {
    CivilFromDays(oleDay + DaysFromCivil(1899, 12, 30), year, month, day);
}

LONG MaskOrDay(LONG mask, std::int64_t startDay) { return mask != 0 ? mask : (1 << DayOfWeek(startDay)); }

// The nth (or, for 5, the last) day of the month whose weekday is in the mask; 0 when none.
int NthWeekdayInMonth(int year, int month, LONG mask, LONG instance) {
    int found[31];
    int count = 0;
    const std::int64_t first = OleDayOf(year, month, 1);
    for (int d = 1; d <= DaysInMonth(year, month); ++d)
        if (mask & (1 << DayOfWeek(first + d - 1))) found[count++] = d;
    if (count == 0) return 0;
    if (instance >= kLastInstance || instance > count) return instance >= kLastInstance ? found[count - 1] : 0;
    return found[std::max<LONG>(instance, 1) - 1];
}

int ClampedDay(int year, int month, LONG day) {
    return static_cast<int>(std::clamp<LONG>(day, 1, DaysInMonth(year, month)));
}

LONG YearInterval(LONG interval) {
    return interval >= kMonthsPerYear && interval % kMonthsPerYear == 0 ? interval / kMonthsPerYear : interval;
}

}  // namespace

void ApplyPatternDefaults(RecurrenceData& r, LONG type, DATE start) {
    const std::int64_t day = OleDay(start);
    const CivilTime t = FromOleDate(start);
    r.type = type;
    r.interval = 1;
    r.dayOfWeekMask = 1 << DayOfWeek(day);
    r.dayOfMonth = t.day;
    r.monthOfYear = t.month;
    r.instance = (t.day - 1) / 7 + 1;
    r.patternStart = static_cast<double>(day);
    r.patternEnd = kNoDate;
    r.occurrences = 0;
    r.noEndDate = true;
}

void ForEachPatternDay(const RecurrenceData& r, std::int64_t fromDay, const std::function<bool(std::int64_t)>& visit) {
    if (!r.Set()) return;
    const std::int64_t startDay = OleDay(r.patternStart);
    const bool counted = !r.noEndDate && r.occurrences > 0;
    const bool dated = !r.noEndDate && !counted && !IsNoDate(r.patternEnd);
    const std::int64_t endDay = dated ? OleDay(r.patternEnd) : INT64_MAX;
    const LONG interval = std::max<LONG>(r.interval, 1);
    LONG left = counted ? r.occurrences : -1;
    // Gives one candidate day; false ends the walk.
    auto offer = [&](std::int64_t day) {
        if (day < startDay) return true;
        if (day > endDay || left == 0) return false;
        if (left > 0) --left;
        if (day < fromDay) return true;
        return visit(day);
    };
    const bool skipAhead = !counted && fromDay > startDay;
    int year = 0, month = 0, day = 0;
    CivilOfOleDay(startDay, year, month, day);

    switch (r.type) {
    case olRecursDaily: {
        std::int64_t k = skipAhead ? (fromDay - startDay) / interval : 0;
        while (offer(startDay + k * interval)) ++k;
        return;
    }
    case olRecursWeekly: {
        const LONG mask = MaskOrDay(r.dayOfWeekMask, startDay);
        const std::int64_t week0 = startDay - DayOfWeek(startDay);
        std::int64_t w = skipAhead ? (fromDay - week0) / 7 / interval * interval : 0;
        for (;; w += interval)
            for (int dow = 0; dow < 7; ++dow)
                if ((mask & (1 << dow)) && !offer(week0 + 7 * w + dow)) return;
    }
    case olRecursMonthly:
    case olRecursMonthNth: {
        const std::int64_t month0 = static_cast<std::int64_t>(year) * kMonthsPerYear + (month - 1);
        std::int64_t m = 0;
        if (skipAhead) {
            int fy = 0, fm = 0, fd = 0;
            CivilOfOleDay(fromDay, fy, fm, fd);
            const std::int64_t monthsAhead = static_cast<std::int64_t>(fy) * kMonthsPerYear + (fm - 1) - month0 - 1;
            m = std::max<std::int64_t>(0, monthsAhead / interval * interval);
        }
        for (;; m += interval) {
            const int y = static_cast<int>((month0 + m) / kMonthsPerYear);
            const int mo = static_cast<int>((month0 + m) % kMonthsPerYear) + 1;
            const int d = r.type == olRecursMonthly
                              ? ClampedDay(y, mo, r.dayOfMonth)
                              : NthWeekdayInMonth(y, mo, MaskOrDay(r.dayOfWeekMask, startDay), r.instance);
            if (d != 0 && !offer(OleDayOf(y, mo, d))) return;
            if (y > 9999) return;
        }
    }
    case olRecursYearly:
    case olRecursYearNth: {
        const LONG years = std::max<LONG>(YearInterval(interval), 1);
        const int month0 = std::clamp<LONG>(r.monthOfYear, 1, kMonthsPerYear);
        std::int64_t k = 0;
        if (skipAhead) {
            int fy = 0, fm = 0, fd = 0;
            CivilOfOleDay(fromDay, fy, fm, fd);
            k = std::max<std::int64_t>(0, (fy - year - 1) / years);
        }
        for (;; ++k) {
            const int y = static_cast<int>(year + k * years);
            if (y > 9999) return;
            const int d = r.type == olRecursYearly
                              ? ClampedDay(y, month0, r.dayOfMonth)
                              : NthWeekdayInMonth(y, month0, MaskOrDay(r.dayOfWeekMask, startDay), r.instance);
            if (d != 0 && !offer(OleDayOf(y, month0, d))) return;
        }
    }
    default:
        return;
    }
}

std::vector<Occurrence> SeriesOccurrences(const ItemData& series, DATE from, DATE to) {
    std::vector<Occurrence> result;
    if (!series.recurrence.Set()) return result;
    const DATE start = series.Date(PIMPR_START, 0);
    const std::int64_t timeOfDay = OleMinutes(start) - OleDay(start) * kMinutesPerDay;
    const LONG duration = static_cast<LONG>(series.Int(PIMPR_DURATION, 0));
    const std::int64_t fromMinutes = OleMinutes(from);
    const std::int64_t toMinutes = OleMinutes(to);
    auto findException = [&](std::int64_t day) -> const ExceptionData* {
        for (const ExceptionData& e : series.exceptions)
            if (e.originalDay == day) return &e;
        return nullptr;
    };
    // Pattern days whose (unchanged) start lies in the span.
    const std::int64_t firstDay = (fromMinutes - timeOfDay) / kMinutesPerDay - 1;
    ForEachPatternDay(series.recurrence, firstDay, [&](std::int64_t day) {
        const std::int64_t minutes = day * kMinutesPerDay + timeOfDay;
        if (minutes >= toMinutes) return false;
        if (minutes >= fromMinutes && !findException(day))
            result.push_back({day, OleFromMinutes(minutes), duration, nullptr});
        return true;
    });
    // Changed occurrences land where they were moved to.
    for (const ExceptionData& e : series.exceptions) {
        if (e.deleted) continue;
        const std::int64_t minutes = OleMinutes(e.start);
        if (minutes >= fromMinutes && minutes < toMinutes) result.push_back({e.originalDay, e.start, e.duration, &e});
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Occurrence& a, const Occurrence& b) { return OleMinutes(a.start) < OleMinutes(b.start); });
    return result;
}

std::optional<std::int64_t> LastCountedDay(const RecurrenceData& r) {
    if (r.noEndDate || r.occurrences <= 0) return std::nullopt;
    std::optional<std::int64_t> last;
    ForEachPatternDay(r, INT64_MIN, [&](std::int64_t day) {
        last = day;
        return true;
    });
    return last;
}

std::optional<Occurrence> OccurrenceOnDay(const ItemData& series, std::int64_t day) {
    const auto found = SeriesOccurrences(series, OleFromDay(day), OleFromDay(day + 1));
    if (found.empty()) return std::nullopt;
    return found.front();
}

std::optional<std::int64_t> NextPatternDay(const RecurrenceData& r, std::int64_t day) {
    std::optional<std::int64_t> next;
    ForEachPatternDay(r, day + 1, [&](std::int64_t d) {
        if (d <= day) return true;
        next = d;
        return false;
    });
    return next;
}

std::optional<std::int64_t> ShortestGapMinutes(const RecurrenceData& r) {
    std::optional<std::int64_t> previous;
    std::optional<std::int64_t> gap;
    int seen = 0;
    ForEachPatternDay(r, OleDay(r.patternStart), [&](std::int64_t d) {
        if (previous) gap = std::min(gap.value_or(INT64_MAX), (d - *previous) * kMinutesPerDay);
        previous = d;
        return ++seen < kGapSample;
    });
    return gap;
}

}  // namespace platform::pim
