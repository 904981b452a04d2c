// One editable row of the field lists (options pages, list-style editors, reminder times, sort
// dialog): a typed copy of one live variable with the row's caption and choices. The user edits
// the copy; OK commits every changed copy to its variable, Cancel drops the rows.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "core/record_array.h"
#include "platform/types.h"

// The live variable is a LONG for the number kinds, a std::u16string for the text kinds and a
// DateRec for the date kinds; the second variable of kinds 4 and 13 is a LONG.
enum ValSnapKind : LONG {
    kSnapPlain = 0,       // plain value
    kSnapRange = 1,       // index value = live - offset
    kSnapNumber = 2,      // number value
    kSnapChoice = 3,      // index value = live
    kSnapPair = 4,        // number value and second value
    kSnapCaption = 5,     // a caption row without a variable
    kSnapPairAlt = 13,
    kSnapChoiceAlt = 16,
};

inline constexpr LONG kSnapNewRowOption = 2;

struct ValSnap {
    ValSnap();

    std::u16string label;
    std::u16string textValue;
    LONG kind = -1;
    LONG secondValue = -1;
    LONG indexValue = -1;
    LONG numberValue = 0;
    LONG plainValue = 0;
    DateRec dateValue;
    LONG rowOption = kSnapNewRowOption;
    void* live = nullptr;
    void* secondLive = nullptr;
    RecordArray<std::u16string> choices;
    LONG locked = 0;   // the step operations leave the index alone
    LONG rowFlag = 0;
    LONG offset = 0;   // kind 1: the live value that choice 0 stands for
    LONG choiceCount = 0;
    LONG_PTR ownerWord = 0;
};

using ValSnapArray = RecordArray<ValSnap>;

bool IsSnapTextKind(LONG kind);
bool IsSnapDateKind(LONG kind);

// Sets label, kind and variables, clears locked and the row flag, then captures the live value.
void ValSnapSet(ValSnap& snap, const std::u16string& label, LONG kind, void* live, void* secondLive);
void ValSnapCapture(ValSnap& snap);
bool ValSnapChanged(const ValSnap& snap);
void ValSnapCommit(const ValSnap& snap);
bool ValSnapIsFor(const ValSnap& snap, const void* variable);
// Steps wrapping at the choice count; a locked row does not move.
void ValSnapPrev(ValSnap& snap);
void ValSnapNext(ValSnap& snap);
// The same, wrapping at the number of choice texts.
void ValSnapListPrev(ValSnap& snap);
void ValSnapListNext(ValSnap& snap);
// Choices "first" to "last" as decimal texts, offset = first; none when first > last.
void ValSnapSetRange(ValSnap& snap, LONG first, LONG last);

// The OK step of a field list: every changed row writes its copy back. Returns 1.
int CommitChangedSnaps(const ValSnapArray& rows);
// The start and end that the list-style appointment editor's four rows hold: the date rows give
// the day, the time rows the time of day; a variable without a row leaves its part unchanged.
void SnapDatesFromRows(const ValSnapArray& rows, const void* startDateVar, const void* startTimeVar,
                       const void* endDateVar, const void* endTimeVar, DateRec& start, DateRec& end);

