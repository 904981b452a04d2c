// The restriction language of item collections: conditions [Property] op "value" joined with AND and
// OR (AND binding first) and grouped with brackets. Dates are written "MM/DD/YYYY" or in the device's
// short-date format, optionally followed by a time ("10:30", "2:00 PM").
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pim/item_fields.h"

namespace platform::pim {

struct Restriction;

// Null when the text is not a valid restriction for the kind.
std::shared_ptr<const Restriction> ParseRestriction(std::u16string_view text, ItemKind kind);

bool Matches(const Restriction& r, const ItemData& item, std::optional<DATE> start = std::nullopt,
             std::optional<LONG> duration = std::nullopt);

// The span [from, to) that the restriction demands of [Start] in every match, when it does.
struct StartBounds {
    DATE from = -1e9;
    DATE to = 1e9;
};
std::optional<StartBounds> RequiredStartBounds(const Restriction& r);

// A date text as restrictions read it.
std::optional<DATE> ParseRestrictionDate(std::u16string_view text);

}  // namespace platform::pim
