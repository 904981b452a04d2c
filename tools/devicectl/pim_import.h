// Reading iCalendar (.ics: VEVENT and VTODO with their recurrence rules) and vCard (.vcf) files into
// PIM items.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "devicectl/content_lines.h"
#include "pim/item_data.h"

namespace devicectl {

using Items = std::vector<platform::pim::ItemData>;

// What a calendar import left out or turned into more items than the file has components.
struct CalendarCounts {
    int skippedItems = 0;  // events and to-dos left out (each named in leftOut)
    int ownDates = 0;      // dates of a series kept as appointments of their own (RDATE)
};

// Properties and components the store cannot keep are left out and named in leftOut; the file is
// refused whole only when it is no calendar at all.
std::optional<Items> ReadCalendar(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut = nullptr,
                                  CalendarCounts* counts = nullptr);
// Fields the store cannot hold (a birthday without a year) and cards it cannot keep are left out and
// named with their line in leftOut; only a file with no card at all is refused.
std::optional<Items> ReadCards(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut = nullptr);

// "YYYYMMDD", "YYYYMMDDTHHMMSS" (a final Z: universal time, turned into local time), "YYYY-MM-DD"; for
// the command line.
std::optional<DATE> ParseIcalDate(const std::string& text, bool* dateOnly = nullptr);

}  // namespace devicectl
