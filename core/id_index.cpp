// The sorted identifier index: binary search, ordered insertion and renumbering after a removal.
#include "core/id_index.h"

namespace {

// Below this many pairs, and within this distance of the bisection, a forward scan is cheaper.
constexpr int kStartPosScan = 20;

}  // namespace

int IdIndexFind(LONG key, const IdIndex& index) {
    if (key == kNoId || index.IsEmpty()) return -1;
    int lo = 0;
    int hi = index.Size() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const LONG found = index[mid].key;
        if (found > key) {
            hi = mid - 1;
        } else if (found < key) {
            lo = mid + 1;
        } else {
            return mid;
        }
    }
    return -1;
}

LONG IdIndexGet(LONG key, const IdIndex& index) {
    const int pos = IdIndexFind(key, index);
    return pos < 0 ? kNoId : index[pos].value;
}

int IdIndexStartPos(LONG key, const IdIndex& index) {
    const int size = index.Size();
    if (size < kStartPosScan) return 0;
    int lo = 0;
    int mid = size / 2;
    do {
        if (index[mid].key < key) {
            lo = mid;
            mid = (mid + size) / 2;
        } else {
            mid /= 2;
        }
    } while (mid - lo >= kStartPosScan);
    return lo >= 0 && lo < size ? lo : 0;
}

void IdIndexInsert(LONG key, LONG value, IdIndex& index) {
    if (key == kNoId || value == kNoId) return;
    for (int i = IdIndexStartPos(key, index); i < index.Size(); ++i) {
        if (index[i].key >= key) {
            index.InsertAt(i, IdPair{value, key});
            return;
        }
    }
    index.Append(IdPair{value, key});
}

void IdIndexCloseGap(LONG removedValue, IdIndex& index) {
    for (IdPair& pair : index)
        if (pair.value > removedValue) --pair.value;
}
