// The fields of the device's own item cards: which properties a contact, appointment or task card
// shows and edits, with their labels and kinds, and the values moved between a card and its item.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pim/item_core.h"
#include "pim/ole_date.h"

namespace platform::cards {

enum class FieldType {
    Text,        // one line
    Lines,       // several lines (notes, streets)
    Phone,
    Email,       // must look like an address when set
    Web,
    Date,        // a day, or none
    DateTime,    // a day and a time of day
    Check,       // on or off
    Importance,  // low, normal, high
    Categories,
    Picture,     // the contact's picture, chosen from the pictures in My Documents
};

struct CardField {
    const char16_t* label;
    CEPROPID prop;
    FieldType type;
};

std::span<const CardField> FieldsOf(pim::ItemKind kind);

// One field's value as the card holds it.
struct FieldValue {
    std::u16string text;   // texts, categories, the chosen picture file
    DATE date = pim::kNoDate;
    LONG number = 0;       // checks, importance
    bool pictureSet = false;
};

FieldValue ReadField(const pim::ItemCore& item, const CardField& field);
// Writes a value into the item (not yet saved); false when the item refused it.
bool WriteField(pim::ItemCore& item, const CardField& field, const FieldValue& value);

// Texts the cards show.
std::u16string DateText(DATE date, bool withTime);
std::u16string TimeText(DATE date);
// The name a contact card shows at its top.
std::u16string ContactName(const pim::ItemCore& item);
// The window title of the kind's application.
const char16_t* CardTitle(pim::ItemKind kind);

// An e-mail address must have a name before one "@" and a domain with a dot after it.
bool LooksLikeEmail(std::u16string_view text);

}  // namespace platform::cards
