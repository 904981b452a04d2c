// Reading iCalendar (.ics: VEVENT and VTODO with their recurrence rules) and vCard (.vcf) files into
// PIM items, all of a file or none of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "devicectl/content_lines.h"
#include "pim/item_data.h"

namespace devicectl {

using Items = std::vector<platform::pim::ItemData>;

std::optional<Items> ReadCalendar(const std::string& text, ImportError& error);
// Fields the store cannot hold (a birthday without a year) are left out and named in leftOut; the
// file is still refused whole for a malformed structure.
std::optional<Items> ReadCards(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut = nullptr);

// "YYYYMMDD", "YYYYMMDDTHHMMSS" (a final Z: universal time, turned into local time), "YYYY-MM-DD".
std::optional<DATE> ParseIcalDate(const std::string& text, bool* dateOnly = nullptr);

}  // namespace devicectl
