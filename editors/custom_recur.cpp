// The custom recurrence state and what picking a choice does to it, and the rows of the list-style
// editors' recurrence dialog.
//
// The needs-edit flag: picking choice 3 or 8 sets it; only OK in one of the custom recurrence
// dialogs clears it. While it is set and the item's choice is still 3 or 8 the savers refuse.
// The every-N row is held as N - 1 while the rows exist (its choices start at "1"); building the
// rows lowers every N, OK and Cancel both raise it again.
#include "editors/custom_recur.h"

#include <vector>

#include "core/date_text.h"
#include "core/show_message.h"
#include "core/tsk_priority.h"
#include "editors/field_list.h"
#include "editors/number_rows.h"
#include "editors/recur_choices.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/user.h"
#include "resources/resource.h"

CustomRecurState g_CustomRecur;

namespace {

constexpr int kRowLabelChars = 128;
constexpr LONG kMaxOccurrenceChoice = 99;

enum RowKind : LONG {
    kRowCheck = 0,
    kRowChoice = 1,
    kRowCaption = 5,
    kRowDate = 10,
};

ValSnapArray g_CustomRecurRows;

bool VariantHasInterval(LONG variant) {
    return variant == kRecurVariantDaily || variant == kRecurVariantWeekly;
}

void AddRow(UINT labelId, LONG kind, void* live) {
    ValSnap row;
    ValSnapSet(row, LoadResStr(labelId, kRowLabelChars), kind, live, nullptr);
    g_CustomRecurRows.Append(std::move(row));
}

void AddRow(const std::u16string& label, LONG kind, void* live) {
    ValSnap row;
    ValSnapSet(row, label, kind, live, nullptr);
    g_CustomRecurRows.Append(std::move(row));
}

// Every N is shown as N while the row holds N - 1; the count as it is.
constexpr NumberRowRange kNumberRanges[] = {
    {&g_CustomRecur.everyN, 1, kIntervalChoicesLong, 1},
    {&g_CustomRecur.occurrences, 0, kMaxOccurrenceChoice, 0},
};

void AddNumberRow(UINT labelId, const NumberRowRange& range) {
    ValSnap row;
    FillNumberRowChoices(row, range);
    ValSnapSet(row, LoadResStr(labelId, kRowLabelChars), kRowChoice, const_cast<void*>(range.live), nullptr);
    g_CustomRecurRows.Append(std::move(row));
}

void AddIntervalRow(UINT labelId) {
    --g_CustomRecur.everyN;
    AddNumberRow(labelId, kNumberRanges[0]);
}

void RaiseEveryN() {
    if (VariantHasInterval(g_CustomRecur.variant)) ++g_CustomRecur.everyN;
}

}  // namespace

void RecurReset() {
    // Every field, not only the weekdays and every N: a new series must not inherit the last one's end.
    const LONG landscape = g_CustomRecur.landscapeAtOpen;
    g_CustomRecur = CustomRecurState{};
    g_CustomRecur.landscapeAtOpen = landscape;
    g_CustomRecur.endDate.wYear = kNoDateYear;
    g_CustomRecur.rowEndDate.wYear = kNoDateYear;
}

bool CheckRecurStart(HWND owner, LONG choice, const DateRec& start) {
    const bool hasStart = start.wYear != kNoDateYear;
    bool accepted = true;
    if (choice != kRecurOnce && !hasStart) {
        ShowMessage(owner, LoadResStr(IDS_RECUR_NEEDS_START).c_str(), MB_OK);
        accepted = false;
    }
    if (choice == kRecurEveryXDays) {
        g_CustomRecur.needsEdit = 1;
        g_CustomRecur.everyN = 1;
    } else if (choice == kRecurCustomWeek) {
        for (LONG& day : g_CustomRecur.weekdays) day = 0;
        g_CustomRecur.needsEdit = 1;
        g_CustomRecur.everyN = 1;
        if (hasStart) g_CustomRecur.weekdays[WeekdayOf(start.wYear, start.wMonth, start.wDay)] = 1;
    }
    return accepted;
}

void OnOccursChange(HWND dialog) {
    const LONG choice = static_cast<LONG>(SendDlgItemMessageW(dialog, kOccursListId, LB_GETCURSEL, 0, 0));
    SYSTEMTIME picked{};
    DateRec start;
    if (DateTime_GetSystemtime(GetDlgItem(dialog, kStartDatePickerId), &picked) == GDT_VALID) {
        DateAssignByVal(start, picked);
    } else {
        DateInit(start, kNoDateYear, 1, 1, 0, 0, 0);
    }
    CheckRecurStart(dialog, choice, start);
}

bool CustomChoiceEdited(LONG choice) {
    return g_CustomRecur.needsEdit == 0 || (choice != kRecurEveryXDays && choice != kRecurCustomWeek);
}

bool OccursIsCustom(HWND dialog) {
    if (g_CustomRecur.needsEdit == 0) return true;
    return CustomChoiceEdited(static_cast<LONG>(SendDlgItemMessageW(dialog, kOccursListId, LB_GETCURSEL, 0, 0)));
}

ValSnapArray& CustomRecurRows() { return g_CustomRecurRows; }

void BuildCustomRecurRows() {
    CustomRecurState& state = g_CustomRecur;
    g_CustomRecurRows.RemoveAll();
    if (state.variant == kRecurVariantDaily) {
        AddRow(IDS_SELECT, kRowCaption, nullptr);
        AddIntervalRow(IDS_RECUR_EVERY_X_DAYS);
    } else if (state.variant == kRecurVariantWeekly) {
        AddRow(IDS_SELECT, kRowCaption, nullptr);
        AddIntervalRow(IDS_RECUR_EVERY_X_WEEKS);
        AddRow(IDS_RECUR_ON, kRowCaption, nullptr);
        for (int day = 0; day < kDaysInWeek; ++day) {
            std::u16string name;
            FormatWeekdayName(name, day + 1, false);
            AddRow(name, kRowCheck, &state.weekdays[day]);
        }
    }
    AddRow(IDS_RECUR_ENDS_HEADING, kRowCaption, nullptr);
    DateAssign(state.rowEndDate, state.endDate);
    AddRow(IDS_RECUR_ENDS, kRowDate, &state.rowEndDate);
    AddRow(IDS_RECUR_END_AFTER, kRowCheck, &state.endsAfter);
    g_CustomRecurRows[g_CustomRecurRows.Size() - 1].rowFlag = 1;  // it locks and unlocks the count
    AddNumberRow(IDS_RECUR_OCCURRENCES, kNumberRanges[1]);
    g_CustomRecurRows[g_CustomRecurRows.Size() - 1].locked = state.endsAfter == 0 ? 1 : 0;
}

std::span<const NumberRowRange> CustomRecurNumberRanges() { return kNumberRanges; }

int CommitCustomRecurList() {
    CustomRecurState& state = g_CustomRecur;
    // Whether a row was edited is decided before any row is written: the end date row changes
    // the ends-after word that the next row edits.
    std::vector<bool> edited;
    for (const ValSnap& row : g_CustomRecurRows) edited.push_back(ValSnapChanged(row));
    for (int i = 0; i < g_CustomRecurRows.Size(); ++i) {
        const ValSnap& row = g_CustomRecurRows[i];
        if (!edited[static_cast<std::size_t>(i)]) continue;
        ValSnapCommit(row);
        if (row.live == &state.rowEndDate) {
            if (state.rowEndDate.wYear != kNoDateYear) {
                DateAssign(state.endDate, state.rowEndDate);
                state.endDateSet = 1;
                state.endsAfter = 0;
            }
        } else if (row.live == &state.endsAfter && state.endsAfter != 0) {
            state.endDateSet = 0;
        }
    }
    FieldListPop();
    RaiseEveryN();
    return 1;
}

void CancelRecurListDlg() {
    FieldListPop();
    RaiseEveryN();
}
