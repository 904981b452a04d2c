// The list-style editors' dependent rows. The rows hold the values being edited, so every rule reads
// the rows, not the editor state, which gets them only on Done.
#include "editors/editor_row_rules.h"

#include "editors/appt_editor_state.h"
#include "editors/appt_list_editor.h"
#include "editors/editor_state.h"
#include "editors/field_list.h"
#include "editors/recur_choices.h"
#include "editors/tsk_list_editor.h"
#include "platform/commctrl.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr LONG kStatusFreeChoice = 0;

void RedrawRow(HWND list, LONG index) {
    if (list) SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

// The row bound to a variable, or null when the editor shows none (no Occurs row for one occurrence).
ValSnap* RowFor(const void* variable, LONG& index) {
    index = FindValSnapFor(variable);
    return index >= 0 ? &FieldListRows()[index] : nullptr;
}

void RelabelOccurs(HWND dialog, HWND list, const LONG* occurs, const DateRec& date) {
    LONG index = -1;
    ValSnap* row = RowFor(occurs, index);
    if (!row) return;
    FillRecurChoices2(dialog, *row, date);
    row->choiceCount = row->choices.Size();
    RedrawRow(list, index);
}

// A date row's day with a time row's time of day; false when either row is missing.
bool RowsDateTime(const void* dateVar, const void* timeVar, DateRec& out) {
    LONG dateIndex = -1, timeIndex = -1;
    const ValSnap* date = RowFor(dateVar, dateIndex);
    const ValSnap* time = RowFor(timeVar, timeIndex);
    if (!date || !time) return false;
    const DateRec& d = date->dateValue;
    const DateRec& t = time->dateValue;
    out = DateRec(d.wYear, d.wMonth, d.wDay, t.wHour, t.wMinute, t.wSecond);
    return true;
}

// The first check of "All Day" makes the item free; later checks keep the user's status.
void OnAllDayRow(HWND list, bool on) {
    ApptListFields& dates = g_ApptEditor.dates;
    SetFieldRowLock(&dates.startTime, list, on);
    SetFieldRowLock(&dates.endTime, list, on);
    if (!on || g_ApptEditFlags.firstAllDayDone != 0) return;
    g_ApptEditFlags.firstAllDayDone = 1;
    LONG index = -1;
    if (ValSnap* status = RowFor(&g_ApptEditor.status, index)) {
        status->indexValue = kStatusFreeChoice;
        RedrawRow(list, index);
    }
}

// A new start day takes a one-day appointment's end along; the start is kept at once so that the
// next change compares with it.
void OnStartDateRow(HWND dialog, HWND list, const DateRec& day) {
    ApptListFields& dates = g_ApptEditor.dates;
    RelabelOccurs(dialog, list, &g_ApptEditor.occurs, day);
    LONG index = -1;
    ValSnap* end = RowFor(&dates.endDate, index);
    if (end && !DateSameDay(day, dates.startDate) && DateSameDay(end->dateValue, dates.startDate)) {
        const DateRec& e = end->dateValue;
        end->dateValue = DateRec(day.wYear, day.wMonth, day.wDay, e.wHour, e.wMinute, e.wSecond);
        RedrawRow(list, index);
    }
    dates.startDate = day;
}

// A one-day appointment's end time follows its start by the kept duration.
void MoveEndTime(HWND list) {
    const ApptEditorState& s = g_ApptEditor;
    DateRec start, end;
    if (!s.keepDuration || !RowsDateTime(&s.dates.startDate, &s.dates.startTime, start) ||
        !RowsDateTime(&s.dates.endDate, &s.dates.endTime, end) || !DateSameDay(start, end))
        return;
    DateAddSpan(start, DateSpan{0, s.keptHours, s.keptMinutes, 0});
    LONG index = -1;
    if (ValSnap* endTime = RowFor(&s.dates.endTime, index)) {
        endTime->dateValue = start;
        RedrawRow(list, index);
    }
}

void KeepRowsDuration() {
    const ApptListFields& dates = g_ApptEditor.dates;
    DateRec start, end;
    if (!RowsDateTime(&dates.startDate, &dates.startTime, start) || !RowsDateTime(&dates.endDate, &dates.endTime, end))
        return;
    if (!DateIsAfter(start, end)) KeepEditorDuration(start, end);
}

}  // namespace

void ApptEditorRowChanged(HWND dialog, int index) {
    ValSnapArray& rows = FieldListRows();
    if (index < 0 || index >= rows.Size()) return;
    const ValSnap changed = rows[index];
    const HWND list = GetDlgItem(dialog, IDC_APPT_FIELD_LIST);
    ApptListFields& dates = g_ApptEditor.dates;
    if (ValSnapIsFor(changed, &g_ApptEditor.allDay)) {
        OnAllDayRow(list, changed.plainValue != 0);
    } else if (ValSnapIsFor(changed, &dates.startDate)) {
        OnStartDateRow(dialog, list, changed.dateValue);
    } else if (ValSnapIsFor(changed, &dates.startTime) || ValSnapIsFor(changed, &dates.endDate)) {
        MoveEndTime(list);
    } else if (ValSnapIsFor(changed, &dates.endTime)) {
        KeepRowsDuration();
    }
}

void TskEditorRowChanged(HWND dialog, int index) {
    ValSnapArray& rows = FieldListRows();
    if (index < 0 || index >= rows.Size()) return;
    const ValSnap changed = rows[index];
    const HWND list = GetDlgItem(dialog, IDC_TSK_FIELD_LIST);
    TskEditorState& s = g_TskEditor;
    if (ValSnapIsFor(changed, &s.abcLetter)) {
        SetFieldRowLock(&s.number, list, changed.indexValue == 0);
    } else if (ValSnapIsFor(changed, &s.dueDate)) {
        const bool none = IsNoDate(changed.dateValue);
        if (!none) RelabelOccurs(dialog, list, &s.occurs, changed.dateValue);
        SetFieldRowLock(&s.occurs, list, none);
    } else if (ValSnapIsFor(changed, &s.reminderDate)) {
        SetFieldRowLock(&s.reminderTime, list, IsNoDate(changed.dateValue));
    }
}
