// One PIM item as the store keeps it: its kind, OID, property values by property identifier, its
// categories, and for appointments and tasks the recurrence with its changed and deleted occurrences,
// for appointments the recipients.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/poom.h"

namespace platform::pim {

enum class ItemKind { Appointment = olAppointmentItem, Contact = olContactItem, Task = olTaskItem };

// Integer (also booleans, 0 or 1), date (OLE), text or bytes.
using PropValue = std::variant<std::monostate, std::int64_t, double, std::u16string, std::vector<BYTE>>;

// A pattern as POOM describes it. Occurrences are counted from the pattern's first day.
struct RecurrenceData {
    LONG type = -1;
    LONG interval = 1;
    LONG dayOfWeekMask = 0;
    LONG dayOfMonth = 1;
    LONG instance = 1;
    LONG monthOfYear = 1;
    DATE patternStart = 0;  // the first day (whole day)
    DATE patternEnd = 0;    // the last day when the pattern ends by date
    LONG occurrences = 0;   // when it ends after a count
    bool noEndDate = true;
    bool Set() const { return type >= 0; }
};

// One occurrence of a series, changed or deleted; keyed by the day it would have fallen on.
struct ExceptionData {
    std::int64_t originalDay = 0;
    bool deleted = false;
    DATE start = 0;
    LONG duration = 0;
    std::optional<std::u16string> subject;
    std::optional<std::u16string> location;
    std::optional<std::u16string> body;
};

struct RecipientData {
    std::u16string name;
    std::u16string address;
};

struct ItemData {
    ItemKind kind = ItemKind::Appointment;
    CEOID oid = 0;  // 0 until first saved
    std::map<CEPROPID, PropValue> props;
    std::vector<std::u16string> categories;
    RecurrenceData recurrence;
    std::vector<ExceptionData> exceptions;
    std::vector<RecipientData> recipients;

    std::int64_t Int(CEPROPID id, std::int64_t fallback = 0) const;
    DATE Date(CEPROPID id, DATE fallback = 949998.0) const;
    std::u16string Text(CEPROPID id) const;
    const std::vector<BYTE>* Bytes(CEPROPID id) const;
    bool Has(CEPROPID id) const { return props.count(id) != 0; }
    void SetInt(CEPROPID id, std::int64_t v) { props[id] = v; }
    void SetDate(CEPROPID id, DATE v) { props[id] = v; }
    void SetText(CEPROPID id, std::u16string v);
};

// The comma-separated form of a category list ("Work, Home"), and back (blanks trimmed, empty names
// and repeats dropped).
std::u16string JoinCategories(const std::vector<std::u16string>& names);
std::vector<std::u16string> SplitCategories(std::u16string_view text);

}  // namespace platform::pim
