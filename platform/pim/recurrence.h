// Expansion of recurrence patterns: the days a pattern falls on, and the occurrences of a series
// (its changed occurrences moved, its deleted ones left out) that start inside a span of time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "pim/item_data.h"

namespace platform::pim {

struct Occurrence {
    std::int64_t originalDay = 0;  // the day the pattern gives it
    DATE start = 0;
    LONG duration = 0;
    const ExceptionData* exception = nullptr;  // when this occurrence was changed
};

// Calls `visit` for each day of the pattern, in order, from its first day; `visit` returns false to
// stop. Days before `fromDay` may be skipped when the pattern does not end after a count.
void ForEachPatternDay(const RecurrenceData& r, std::int64_t fromDay, const std::function<bool(std::int64_t)>& visit);

// The last day of a pattern that ends after a count; none for one that ends by date or never.
std::optional<std::int64_t> LastCountedDay(const RecurrenceData& r);

// The occurrences of an appointment series whose start lies in [from, to), in start order.
std::vector<Occurrence> SeriesOccurrences(const ItemData& series, DATE from, DATE to);
// The occurrence that starts on that day.
std::optional<Occurrence> OccurrenceOnDay(const ItemData& series, std::int64_t day);
// The first pattern day after `day` (a task's next due day), if the pattern goes on.
std::optional<std::int64_t> NextPatternDay(const RecurrenceData& r, std::int64_t day);
// The smallest gap between two following occurrences in minutes (for the reminder check).
std::optional<std::int64_t> ShortestGapMinutes(const RecurrenceData& r);

// The defaults a pattern takes from its item's start when its type is set.
void ApplyPatternDefaults(RecurrenceData& r, LONG type, DATE start);

}  // namespace platform::pim
