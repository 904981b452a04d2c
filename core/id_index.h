// Sorted index from a 32-bit key (as a rule an item's OID) to a 32-bit value (a record position, a
// custom icon number, a mark number), so that a record is found from its OID by binary search.
#pragma once

#include "core/record_array.h"
#include "platform/types.h"

// The key and the value -1 mean "none" and are never stored.
inline constexpr LONG kNoId = -1;

struct IdPair {
    LONG value = kNoId;
    LONG key = kNoId;
};

static_assert(sizeof(IdPair) == 8);

// Pairs in ascending order of key compared as signed numbers (OIDs with the top bit set first);
// equal keys stand next to each other.
using IdIndex = RecordArray<IdPair>;

// Position of a pair with the key, or -1.
int IdIndexFind(LONG key, const IdIndex& index);
// Value of the pair IdIndexFind gives, or -1.
LONG IdIndexGet(LONG key, const IdIndex& index);
// Inserts (value, key) before the first pair whose key is not smaller; nothing for a key or value of -1.
void IdIndexInsert(LONG key, LONG value, IdIndex& index);
// After the record at position removedValue left its array: later positions move down by one.
void IdIndexCloseGap(LONG removedValue, IdIndex& index);
// A position at or before the first pair whose key is not smaller than the key.
int IdIndexStartPos(LONG key, const IdIndex& index);
