// Number rows of the small field-list dialogs (custom recurrence, reminder times): a choice row over
// a range whose number may also be typed. The choices stretch to a stored number outside the range,
// so an item's own value is shown and kept as it is; a number the user sets outside the range is
// refused with a message naming the row and the range.
#pragma once

#include <span>

#include "core/val_snap.h"
#include "platform/types.h"

struct NumberRowRange {
    const void* live;  // the LONG the row edits
    LONG first;        // the range as shown
    LONG last;
    LONG shownAbove;   // the live value is this much below the number shown (every N held as N - 1)
};

// Sets the row's choices and offset for its range and the live value now; call before ValSnapSet.
void FillNumberRowChoices(ValSnap& row, const NumberRowRange& range);
// The number a row shows.
LONG NumberRowValue(const ValSnap& row, const NumberRowRange& range);

// A character typed on the selected row: a digit on an unlocked number row opens the digits prompt
// with it; a typed number in range is stored in the row, any other answer gets the range message.
// True when the character was taken.
bool TypeNumberIntoRow(HWND dialog, int listId, WCHAR ch, std::span<const NumberRowRange> ranges);
// Before OK: a changed number row outside its range gets the range message and is selected; false then.
bool CheckNumberRows(HWND dialog, int listId, std::span<const NumberRowRange> ranges);
