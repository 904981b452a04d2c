// The custom recurrence of the item editors: every N days or weeks on chosen weekdays, and the end
// of every recurring choice (a last date, a number of occurrences, or none), with the bookkeeping
// that stops a save until a picked custom choice was edited, and the rows of its field-list dialog.
#pragma once

#include "core/date_rec.h"
#include <span>

#include "core/val_snap.h"
#include "editors/number_rows.h"
#include "platform/types.h"

inline constexpr int kDaysInWeek = 7;

// Which part of the state a dialog edits.
enum CustomRecurVariant : LONG {
    kRecurVariantEndOnly = 0,
    kRecurVariantDaily = 1,   // choice 3
    kRecurVariantWeekly = 2,  // choice 8
};

struct CustomRecurState {
    DateRec endDate;                    // valid while endDateSet is 1
    LONG weekdays[kDaysInWeek] = {};    // Sunday first; 1 = the custom week includes the day
    LONG endsAfter = 0;                 // 1 = ends after occurrences
    LONG endDateSet = 0;                // 1 = ends on endDate
    LONG variant = kRecurVariantEndOnly;
    LONG needsEdit = 0;                 // choice 3 or 8 picked, its dialog not yet closed with OK
    LONG everyN = 1;
    LONG occurrences = 0;
    LONG landscapeAtOpen = 0;
    DateRec rowEndDate;                 // the working copy the "Ends:" row edits
    LONG endEdited = 0;                 // the dialog closed with Done: its end is written, also to a
                                        // pattern no Occurs choice names
};

extern CustomRecurState g_CustomRecur;

// Every custom-recurrence field back to its start (no weekdays, every 1, no end); the loaders call it
// before they read an item's pattern.
void RecurReset();

// What picking an Occurs choice does to the state, for a start date (year 4501: none). A recurring
// choice without a start date shows the message and keeps the choice. Returns false then.
bool CheckRecurStart(HWND owner, LONG choice, const DateRec& start);
// The same for the form dialogs, from the Occurs list and the start date picker.
void OnOccursChange(HWND dialog);
// False while a custom choice (3 or 8) has been picked and not yet edited.
bool OccursIsCustom(HWND dialog);
bool CustomChoiceEdited(LONG choice);

// The rows of the list-style editors' dialog 7305, built from and written back to the state.
ValSnapArray& CustomRecurRows();
void BuildCustomRecurRows();
// The number rows among them (every N, the count) with their ranges.
std::span<const NumberRowRange> CustomRecurNumberRanges();
int CommitCustomRecurList();
void CancelRecurListDlg();
// Before a list-style editor saves: 0 while its Occurs choice is a custom one not yet edited.
// commitRows writes the editor's changed rows to their variables first; occursChoice is then read.
template <class Commit>
int CheckCustomRecurEdited(Commit&& commitRows, const LONG& occursChoice) {
    if (g_CustomRecur.needsEdit == 0) return 1;
    commitRows();
    return CustomChoiceEdited(occursChoice) ? 1 : 0;
}
