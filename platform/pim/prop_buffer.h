// Property values handed out as CEPROPVAL records in one heap buffer (IItem::GetProps and
// CeReadRecordPropsEx): the records first, then the texts and bytes they point to.
#pragma once

#include <optional>
#include <vector>

#include "pim/item_data.h"

namespace platform::pim {

struct PropOut {
    CEPROPID id = 0;
    std::optional<PropValue> value;  // none (and no `ref`): flagged CEDB_PROPNOTFOUND
    const PropValue* ref = nullptr;  // a value kept elsewhere, not copied
    const PropValue* Value() const { return value ? &*value : ref; }
};

// With CEDB_ALLOWREALLOC the buffer is allocated or grown on the heap (the process heap when null);
// otherwise it must be large enough, and ERROR_INSUFFICIENT_BUFFER gives the size needed.
HRESULT WritePropBuffer(const std::vector<PropOut>& values, DWORD flags, BYTE** buffer, DWORD* bytes, HANDLE heap);

// A CEPROPVAL as a store value (dates from FILETIME, texts copied).
std::optional<PropValue> ReadPropVal(const CEPROPVAL& value);

}  // namespace platform::pim
