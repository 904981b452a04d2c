// One PIM item as the store keeps it: its kind, OID, property values by property identifier, its
// categories, and for appointments and tasks the recurrence with its changed and deleted occurrences,
// for appointments the recipients.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
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

// An item's property values by identifier: one list kept in identifier order (an item holds a few
// dozen at most), so that reading, copying and freeing an item allocate once instead of per value.
class PropMap {
public:
    using value_type = std::pair<CEPROPID, PropValue>;
    using iterator = std::vector<value_type>::iterator;
    using const_iterator = std::vector<value_type>::const_iterator;

    iterator begin() { return values_.begin(); }
    iterator end() { return values_.end(); }
    const_iterator begin() const { return values_.begin(); }
    const_iterator end() const { return values_.end(); }
    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    void reserve(std::size_t n) { values_.reserve(n); }

    iterator find(CEPROPID id) {
        const auto it = LowerBound(id);
        return it != values_.end() && it->first == id ? it : values_.end();
    }
    const_iterator find(CEPROPID id) const {
        const auto it = std::lower_bound(values_.begin(), values_.end(), id, KeyBelow);
        return it != values_.end() && it->first == id ? it : values_.end();
    }
    std::size_t count(CEPROPID id) const { return find(id) != end() ? 1 : 0; }
    PropValue& operator[](CEPROPID id) {
        auto it = LowerBound(id);
        if (it == values_.end() || it->first != id) it = values_.emplace(it, id, PropValue{});
        return it->second;
    }
    std::size_t erase(CEPROPID id) {
        const auto it = find(id);
        if (it == values_.end()) return 0;
        values_.erase(it);
        return 1;
    }
    // Rows read in identifier order each go at the end; anything else goes to its place.
    void insert_or_assign(CEPROPID id, PropValue value) {
        if (values_.empty() || values_.back().first < id) values_.emplace_back(id, std::move(value));
        else (*this)[id] = std::move(value);
    }
    bool operator==(const PropMap&) const = default;

private:
    static bool KeyBelow(const value_type& entry, CEPROPID id) { return entry.first < id; }
    iterator LowerBound(CEPROPID id) { return std::lower_bound(values_.begin(), values_.end(), id, KeyBelow); }

    std::vector<value_type> values_;
};

struct ItemData {
    ItemKind kind = ItemKind::Appointment;
    CEOID oid = 0;  // 0 until first saved
    PropMap props;
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
