// Capturing, comparing and committing the typed copies of field-list rows, and their choice steps.
#include "core/val_snap.h"

#include <algorithm>
#include <iterator>

#include "platform/text.h"

namespace {

constexpr LONG kTextKinds[] = {6, 7, 8, 14, 15, 17, 18, 19, 20, 21};
constexpr LONG kDateKinds[] = {9, 10, 11};

LONG& LiveNumber(const ValSnap& snap) { return *static_cast<LONG*>(snap.live); }
LONG& SecondNumber(const ValSnap& snap) { return *static_cast<LONG*>(snap.secondLive); }
std::u16string& LiveText(const ValSnap& snap) { return *static_cast<std::u16string*>(snap.live); }
DateRec& LiveDate(const ValSnap& snap) { return *static_cast<DateRec*>(snap.live); }

bool IsPairKind(LONG kind) { return kind == kSnapPair || kind == kSnapPairAlt; }
bool IsChoiceKind(LONG kind) { return kind == kSnapChoice || kind == kSnapChoiceAlt; }

void StepBack(ValSnap& snap, LONG count) {
    if (snap.locked != 0) return;
    if (--snap.indexValue < 0) snap.indexValue = count - 1;
}

void StepOn(ValSnap& snap, LONG count) {
    if (snap.locked != 0) return;
    if (++snap.indexValue >= count) snap.indexValue = 0;
}

// The choice a kind 1 row shows for its live value: a stored value outside the offered range shows
// as the nearest choice, never as none; showing it writes nothing until the user moves the row.
LONG ShownIndex(const ValSnap& snap) {
    const LONG index = LiveNumber(snap) - snap.offset;
    if (snap.choices.IsEmpty()) return index;
    return std::clamp<LONG>(index, 0, snap.choices.Size() - 1);
}

const ValSnap* FindRowFor(const ValSnapArray& rows, const void* variable) {
    if (variable == nullptr) return nullptr;
    for (const ValSnap& row : rows) {
        if (ValSnapIsFor(row, variable)) return &row;
    }
    return nullptr;
}

}  // namespace

ValSnap::ValSnap() { DateInit(dateValue, kNoDateYear, 0, 0, 0, 0, 0); }

bool IsSnapTextKind(LONG kind) { return std::find(std::begin(kTextKinds), std::end(kTextKinds), kind) != std::end(kTextKinds); }

bool IsSnapDateKind(LONG kind) { return std::find(std::begin(kDateKinds), std::end(kDateKinds), kind) != std::end(kDateKinds); }

void ValSnapSet(ValSnap& snap, const std::u16string& label, LONG kind, void* live, void* secondLive) {
    snap.label = label;
    snap.secondLive = secondLive;
    snap.kind = kind;
    snap.live = live;
    snap.locked = 0;
    snap.rowFlag = 0;
    ValSnapCapture(snap);
}

void ValSnapCapture(ValSnap& snap) {
    if (snap.live == nullptr) return;
    const LONG kind = snap.kind;
    if (kind == kSnapPlain) {
        snap.plainValue = LiveNumber(snap);
    } else if (kind == kSnapRange) {
        snap.indexValue = ShownIndex(snap);
    } else if (kind == kSnapNumber) {
        snap.numberValue = LiveNumber(snap);
    } else if (IsChoiceKind(kind)) {
        snap.indexValue = LiveNumber(snap);
    } else if (IsPairKind(kind)) {
        snap.numberValue = LiveNumber(snap);
        if (snap.secondLive != nullptr) snap.secondValue = SecondNumber(snap);
    } else if (IsSnapTextKind(kind)) {
        snap.textValue = LiveText(snap);
    } else if (IsSnapDateKind(kind)) {
        DateAssign(snap.dateValue, LiveDate(snap));
    }
}

bool ValSnapChanged(const ValSnap& snap) {
    if (snap.live == nullptr) return false;
    const LONG kind = snap.kind;
    if (kind == kSnapPlain) return LiveNumber(snap) != snap.plainValue;
    if (kind == kSnapRange) return snap.indexValue != ShownIndex(snap);
    if (kind == kSnapNumber) return LiveNumber(snap) != snap.numberValue;
    if (IsChoiceKind(kind)) return LiveNumber(snap) != snap.indexValue;
    if (IsPairKind(kind)) {
        return LiveNumber(snap) != snap.numberValue ||
               (snap.secondLive != nullptr && SecondNumber(snap) != snap.secondValue);
    }
    if (IsSnapTextKind(kind)) return LiveText(snap) != snap.textValue;
    if (IsSnapDateKind(kind)) return DateNotEqual(LiveDate(snap), snap.dateValue);
    return false;
}

void ValSnapCommit(const ValSnap& snap) {
    if (snap.live == nullptr) return;
    const LONG kind = snap.kind;
    if (kind == kSnapPlain) {
        LiveNumber(snap) = snap.plainValue;
    } else if (kind == kSnapRange) {
        LiveNumber(snap) = snap.offset + snap.indexValue;
    } else if (kind == kSnapNumber) {
        LiveNumber(snap) = snap.numberValue;
    } else if (IsChoiceKind(kind)) {
        LiveNumber(snap) = snap.indexValue;
    } else if (IsPairKind(kind)) {
        LiveNumber(snap) = snap.numberValue;
        if (snap.secondLive != nullptr) SecondNumber(snap) = snap.secondValue;
    } else if (IsSnapTextKind(kind)) {
        LiveText(snap) = snap.textValue;
    } else if (IsSnapDateKind(kind)) {
        DateAssign(LiveDate(snap), snap.dateValue);
    }
}

bool ValSnapIsFor(const ValSnap& snap, const void* variable) { return snap.live == variable; }

void ValSnapPrev(ValSnap& snap) { StepBack(snap, snap.choiceCount); }

void ValSnapNext(ValSnap& snap) { StepOn(snap, snap.choiceCount); }

void ValSnapListPrev(ValSnap& snap) { StepBack(snap, snap.choices.Size()); }

void ValSnapListNext(ValSnap& snap) { StepOn(snap, snap.choices.Size()); }

void ValSnapSetRange(ValSnap& snap, LONG first, LONG last) {
    snap.choices.RemoveAll();
    snap.offset = first;
    for (LONG n = first; n <= last; ++n) {
        snap.choices.Append(platform::FormatW(u"%d", static_cast<int>(n)));
        if (n == last) break;  // last may be the largest LONG
    }
}

int CommitChangedSnaps(const ValSnapArray& rows) {
    for (const ValSnap& row : rows) {
        const ValSnap copy = row;
        if (ValSnapChanged(copy)) ValSnapCommit(copy);
    }
    return 1;
}

void SnapDatesFromRows(const ValSnapArray& rows, const void* startDateVar, const void* startTimeVar,
                       const void* endDateVar, const void* endTimeVar, DateRec& start, DateRec& end) {
    const auto take = [&](DateRec& out, const void* dateVar, const void* timeVar) {
        if (const ValSnap* dateRow = FindRowFor(rows, dateVar)) DateAssign(out, dateRow->dateValue);
        if (const ValSnap* timeRow = FindRowFor(rows, timeVar)) {
            out.wHour = timeRow->dateValue.wHour;
            out.wMinute = timeRow->dateValue.wMinute;
            out.wSecond = timeRow->dateValue.wSecond;
            out.wMilliseconds = 0;
        }
    };
    take(start, startDateVar, startTimeVar);
    take(end, endDateVar, endTimeVar);
}
