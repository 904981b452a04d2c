// The value forms of calendar files that are not times: durations and recurrence rules.
#pragma once

#include <optional>
#include <string>

#include "pim/item_data.h"

namespace devicectl {

// "P1DT2H", "-PT15M", "PT90M": minutes, negative before; nothing past what the store can keep.
std::optional<long> ParseDuration(const std::string& text);

// RRULE into the item's pattern; `anchor` is the series start. False (with `why`) for what the store
// cannot keep. Its UNTIL, if any, is left to the caller in `until`.
bool ApplyRule(const std::string& rule, DATE anchor, platform::pim::RecurrenceData& r, std::string& until,
               std::string& why);

}  // namespace devicectl
