// The named properties of each item kind: their names in restrictions and sorts, their property
// identifiers, and the defaults a new item starts with.
#pragma once

#include <optional>
#include <string_view>

#include "pim/item_data.h"

namespace platform::pim {

enum class KindMask : unsigned { Appointment = 1, Contact = 2, Task = 4, AppointmentTask = 5, All = 7 };

struct FieldInfo {
    const char16_t* name;
    CEPROPID id;
    KindMask kinds;
};

// The field of that name (case-insensitive) for the kind, if it has one. "End" is the start plus the duration.
const FieldInfo* FindField(std::u16string_view name, ItemKind kind);
const FieldInfo* FindFieldById(CEPROPID id, ItemKind kind);
bool KindHas(KindMask mask, ItemKind kind);

// The value of a property of an item as restrictions and sorts see it (categories as their text, End
// computed); `start` overrides the start of an occurrence.
PropValue FieldValue(const ItemData& item, CEPROPID id, std::optional<DATE> start = std::nullopt,
                     std::optional<LONG> duration = std::nullopt);

// A new item of the kind with the store's defaults.
ItemData NewItem(ItemKind kind);

// The property type in the low word of an identifier.
inline WORD PropType(CEPROPID id) { return static_cast<WORD>(id & 0xFFFF); }

}  // namespace platform::pim
