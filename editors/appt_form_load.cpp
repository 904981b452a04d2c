// Loading the appointment form: the fixed lists, then the selected POOM appointment (one occurrence
// or the whole series), a new item's defaults or a template; and the pickers' rules while the form
// is open: the kept duration moves the end when the start moves.
#include <iterator>
#include <string_view>

#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "editors/appt_form.h"
#include "editors/recur_load.h"
#include "editors/appt_form_fields.h"
#include "editors/attendees.h"
#include "editors/custom_recur.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/subclass.h"

namespace {

constexpr UINT kStatusLabels[] = {IDS_STATUS_BUSY, IDS_STATUS_OUT_OF_OFFICE, IDS_STATUS_FREE, IDS_STATUS_TENTATIVE};
constexpr int kDefaultStartHour = 8;
constexpr int kHoursInDay = 24;
constexpr int kMinutesInHour = 60;
// A start at 23:00 is too late for an appointment longer than an hour, 22:00 for one of two hours.
constexpr int kLateHourLongAppt = 23;
constexpr LONG kLongApptMinutes = 61;
constexpr int kLateHourTwoHourAppt = 22;
constexpr LONG kTwoHourApptMinutes = 120;

void FillStatusList(HWND dialog) {
    const HWND list = GetDlgItem(dialog, kApptStatusId);
    for (const UINT id : kStatusLabels) {
        const std::u16string label = LoadResStr(id);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
}

void SetStatusRow(HWND dialog, LONG busy) {
    const LONG row = BusyToStatusRow(busy);
    if (row >= 0) SendDlgItemMessageW(dialog, kApptStatusId, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void SetOccursChoice(HWND dialog, LONG choice) {
    SendDlgItemMessageW(dialog, kOccursListId, LB_SETCURSEL, static_cast<WPARAM>(choice), 0);
}

void ResetForm() {
    RecurReset();
    g_KeptDuration.hours = 1;
    g_KeptDuration.minutes = 0;
    g_CustomRecur.needsEdit = 0;
    g_CustomRecur.endDateSet = 0;
    g_ApptEditFlags.firstAllDayDone = 0;
    g_EditorPrjCats.clear();
}

void PrepareLists(HWND dialog) {
    for (const int id : {kApptSubjectId, kApptLocationId, kApptNotesId}) SubclassAutoCapsEdit2(GetDlgItem(dialog, id));
    FillStatusList(dialog);
    FillFormCatList(dialog);
    FillReminderCombo(dialog);
}

void FillNewAppt(HWND dialog) {
    DateRec start, end;
    DefaultApptTimes(start, end);
    SetPickerValue(dialog, kApptStartDateId, &start);
    SetPickerValue(dialog, kApptStartTimeId, &start);
    SetPickerValue(dialog, kApptEndDateId, &end);
    SetPickerValue(dialog, kApptEndTimeId, &end);
    SubclassFormPickers(dialog);
    g_KeptDuration.hours = g_Settings.apptLength / kMinutesInHour;
    g_KeptDuration.minutes = g_Settings.apptLength % kMinutesInHour;
    FillRecurCombo(GetDlgItem(dialog, kOccursListId), start);
    SetOccursChoice(dialog, kRecurOnce);
    AttendArrRemoveAll();
    g_ApptEditFlags.attendeesChanged = 0;
    g_CustomReminder.useCustom = 0;
}

void SetText(HWND dialog, int id, BSTR text) { SetDlgItemTextW(dialog, id, TakeBstr(text).c_str()); }

void LoadTexts(HWND dialog, IAppointment& appt) {
    BSTR text = nullptr;
    if (SUCCEEDED(appt.get_Subject(&text))) SetText(dialog, kApptSubjectId, text);
    text = nullptr;
    if (SUCCEEDED(appt.get_Location(&text))) SetText(dialog, kApptLocationId, text);
    text = nullptr;
    if (SUCCEEDED(appt.get_Body(&text))) SetText(dialog, kApptNotesId, text);
}

void LoadFlags(HWND dialog, IAppointment& appt) {
    LONG sensitivity = 0;
    if (SUCCEEDED(appt.get_Sensitivity(&sensitivity)) && sensitivity == olPrivate)
        CheckDlgButton(dialog, kApptPrivateId, BST_CHECKED);
    VARIANT_BOOL allDay = VARIANT_FALSE;
    if (SUCCEEDED(appt.get_AllDayEvent(&allDay))) {
        CheckDlgButton(dialog, kApptAllDayId, allDay ? BST_CHECKED : BST_UNCHECKED);
        g_ApptEditFlags.firstAllDayDone = 1;
    }
    OnAllDayToggle(dialog);
    LONG busy = -1;
    if (SUCCEEDED(appt.get_BusyStatus(&busy))) SetStatusRow(dialog, busy);
}

// Project categories are carried apart; the others select their rows.
void LoadCategories(HWND dialog, IAppointment& appt) {
    BSTR text = nullptr;
    if (FAILED(appt.get_Categories(&text))) return;
    std::u16string all = TakeBstr(text);
    if (all.empty()) return;
    all += u",";
    std::u16string_view rest = all;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(u',');
        std::u16string token(TrimSpaces(rest.substr(0, comma)));
        rest = comma == std::u16string_view::npos ? std::u16string_view() : rest.substr(comma + 1);
        if (token.empty()) continue;
        if (IsPrjCat(token)) {
            g_EditorPrjCats += token + u",";
        } else {
            SelectFormCat(dialog, token);
        }
    }
}

bool SameMonthDay(const DateRec& a, const DateRec& b) { return a.wMonth == b.wMonth && a.wDay == b.wDay; }

void LoadDates(HWND dialog, IAppointment& appt) {
    IPOutlookApp* app = GetPoomApp();
    DATE value = 0;
    DateRec start, end;
    const bool hasStart = SUCCEEDED(appt.get_Start(&value)) && PoomDateToDateRec(app, value, start);
    const bool hasEnd = SUCCEEDED(appt.get_End(&value)) && PoomDateToDateRec(app, value, end);
    SetPickerValue(dialog, kApptStartDateId, hasStart ? &start : nullptr);
    SetPickerValue(dialog, kApptStartTimeId, hasStart ? &start : nullptr);
    SetPickerValue(dialog, kApptEndDateId, hasEnd ? &end : nullptr);
    SetPickerValue(dialog, kApptEndTimeId, hasEnd ? &end : nullptr);
    SubclassFormPickers(dialog);
    if (SameMonthDay(start, end)) {
        KeepApptDuration(start, end);
        return;
    }
    g_KeptDuration.keep = 0;
    if (IsDlgButtonChecked(dialog, kApptAllDayId) != BST_CHECKED) return;
    DateRec nextDay = start;
    DateAddSpan(nextDay, kOneDaySpan);
    if (SameMonthDay(nextDay, end)) g_KeptDuration.keep = 1;
    // Version 5 stores an all-day event's end at the next day; the form shows its last day.
    if (g_Settings.ce5OrLater && hasEnd) {
        DateRec lastDay = end;
        DateSubSpan(lastDay, kOneDaySpan);
        SetPickerValue(dialog, kApptEndDateId, &lastDay);
    }
}

void LoadRecurrence(HWND dialog, IAppointment& appt) {
    if (g_ApptEditFlags.occurrenceOnly) {
        for (const int id : {kOccursListId, kApptOccursLabelId, kApptOccursSpinId, kApptOccursPictureId})
            ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
        return;
    }
    PoomPtr<IRecurrencePattern> pattern;
    const bool hasPattern = SUCCEEDED(appt.GetRecurrencePattern(pattern.Out())) && pattern;
    DATE value = 0;
    DateRec start;
    const bool hasStart = SUCCEEDED(appt.get_Start(&value)) && PoomDateToDateRec(GetPoomApp(), value, start);
    if (hasStart) FillRecurCombo(GetDlgItem(dialog, kOccursListId), start);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    if (!hasPattern || FAILED(appt.get_IsRecurring(&recurring)) || !recurring || !hasStart) {
        SetOccursChoice(dialog, kRecurOnce);
        return;
    }
    const LONG choice = OccursChoiceOfPattern(pattern.Get(), start, kRecurUnnamed);
    if (choice != kRecurUnnamed) SetOccursChoice(dialog, choice);
    ReadPatternEnd(GetPoomApp(), pattern.Get());
}

void LoadReminder(HWND dialog, IAppointment& appt) {
    g_CustomReminder.useCustom = 0;
    VARIANT_BOOL set = VARIANT_FALSE;
    LONG minutes = 0;
    appt.get_ReminderSet(&set);
    appt.get_ReminderMinutesBeforeStart(&minutes);
    ShowReminderMinutes(dialog, set ? minutes : 0);
}

// The series, or with "edit this occurrence only" its occurrence on the shown date; null when none.
PoomPtr<IAppointment> OpenSelectedAppt(HWND dialog) {
    g_ApptEditFlags.occurrenceOnly = 0;
    g_ApptEditFlags.isRecurring = 0;
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
    if (!appt) return appt;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    if (FAILED(appt->get_IsRecurring(&recurring)) || !recurring) return appt;
    g_ApptEditFlags.isRecurring = 1;
    if (ShowResMessage(dialog, IDS_EDIT_OCCURRENCE_ONLY, MB_YESNO | MB_ICONQUESTION) != IDYES) return appt;
    g_ApptEditFlags.occurrenceOnly = 1;
    appt.Reset();
    return ReadRecurPattern(g_CurItem.oid, g_SelectedDate);
}

void FillExistingAppt(HWND dialog) {
    PoomPtr<IAppointment> appt = OpenSelectedAppt(dialog);
    if (!appt) return;
    LoadTexts(dialog, *appt);
    LoadFlags(dialog, *appt);
    LoadAttendeesFromAppt(appt.Get());
    g_ApptEditFlags.attendeesChanged = 0;
    LoadCategories(dialog, *appt);
    LoadDates(dialog, *appt);
    LoadReminder(dialog, *appt);
    LoadRecurrence(dialog, *appt);
}

void SetFocusedTimes(HWND dialog, int id, const DateRec& value) { SetPickerValue(dialog, id, &value); }

}  // namespace

void KeepApptDuration(const DateRec& start, const DateRec& end) {
    if (DateIsAfter(start, end)) return;
    g_KeptDuration.hours = end.wHour - start.wHour;
    if (g_KeptDuration.hours == 0) {
        g_KeptDuration.minutes = end.wMinute - start.wMinute;
    } else if (start.wMinute != 0) {
        g_KeptDuration.hours -= 1;
        g_KeptDuration.minutes = (kMinutesInHour - start.wMinute) + end.wMinute;
    } else {
        g_KeptDuration.minutes = end.wMinute;
    }
}

void DefaultApptTimes(DateRec& start, DateRec& end) {
    DateRec now;
    DateNow(now);
    // Before any view has chosen a day (a start for a new appointment alone) the day is today.
    const bool noDayChosen = g_SelectedDate.wMonth == 0 || g_SelectedDate.wDay == 0;
    const DateRec& day = ViewId == kViewDates || noDayChosen ? now : g_SelectedDate;
    int hour = kDefaultStartHour;
    if (DateSameDay(day, now)) {
        hour = now.wHour + 1;
        const LONG length = g_Settings.apptLength;
        if (hour == kHoursInDay || (hour == kLateHourLongAppt && length >= kLongApptMinutes) ||
            (hour == kLateHourTwoHourAppt && length == kTwoHourApptMinutes))
            hour = kDefaultStartHour;
    }
    DateInit(start, day.wYear, day.wMonth, day.wDay, hour, 0, 0);
    end = start;
    DateAddSpan(end, DateSpan{0, 0, g_Settings.apptLength, 0});
}

void InitApptEditDlg(HWND dialog) {
    ResetForm();
    PrepareLists(dialog);
    g_KeptDuration.keep = 1;
    if (g_ApptEditFlags.fromTemplate) {
        AttendArrRemoveAll();
        g_ApptEditFlags.attendeesChanged = 0;
        SetApptFormTitle(dialog);
        FillApptDlgFromTemplate(dialog);
        return;
    }
    if (SelItemNotKind2()) {
        FillNewAppt(dialog);
    } else {
        FillExistingAppt(dialog);
    }
    DateRec start;
    if (GetPickerValue(dialog, kApptStartDateId, start)) SetEditorItemDate(start);
    SetApptFormTitle(dialog);
}

void OnAllDayToggle(HWND dialog) {
    const BOOL enable = IsDlgButtonChecked(dialog, kApptAllDayId) == BST_CHECKED ? FALSE : TRUE;
    EnableWindow(GetDlgItem(dialog, kApptStartTimeId), enable);
    EnableWindow(GetDlgItem(dialog, kApptEndTimeId), enable);
}

bool ApptDatesInOrder(const DateRec& start, const DateRec& end, bool allDay) {
    if (!allDay) return DateIsBefore(start, end);
    return !DateIsBefore(DateRec(end.wYear, end.wMonth, end.wDay), DateRec(start.wYear, start.wMonth, start.wDay));
}

bool ReadApptDates(HWND dialog) {
    const bool allDay = GetDlgItem(dialog, kApptAllDayId) && IsDlgButtonChecked(dialog, kApptAllDayId) == BST_CHECKED;
    DateRec start, end;
    GetPickerDateTime(dialog, kApptStartDateId, kApptStartTimeId, start);
    GetPickerDateTime(dialog, kApptEndDateId, kApptEndTimeId, end);
    return ApptDatesInOrder(start, end, allDay);
}

void OnStartDateKillFocus(HWND dialog) {
    if (!g_KeptDuration.keep) return;
    DateRec start, endTime;
    if (!GetPickerValue(dialog, kApptStartDateId, start)) return;
    if (DateSameDay(start, g_ApptEditFlags.savedStart)) return;
    GetPickerValue(dialog, kApptEndTimeId, endTime);
    SetFocusedTimes(dialog, kApptEndDateId,
                    DateRec(start.wYear, start.wMonth, start.wDay, endTime.wHour, endTime.wMinute, endTime.wSecond));
}

void OnStartOrEndDateKillFocus(HWND dialog) {
    if (!g_KeptDuration.keep) return;
    DateRec startDate, endDate, startTime, endTime;
    if (!GetPickerValue(dialog, kApptStartDateId, startDate) || !GetPickerValue(dialog, kApptEndDateId, endDate)) return;
    if (!DateSameDay(startDate, endDate)) return;
    if (!GetPickerValue(dialog, kApptStartTimeId, startTime) || !GetPickerValue(dialog, kApptEndTimeId, endTime)) return;
    DateRec end(startDate.wYear, startDate.wMonth, startDate.wDay, startTime.wHour, startTime.wMinute, startTime.wSecond);
    DateAddSpan(end, DateSpan{0, g_KeptDuration.hours, g_KeptDuration.minutes, 0});
    SetFocusedTimes(dialog, kApptEndTimeId, end);
}

void OnEndTimeKillFocus(HWND dialog) {
    if (!g_KeptDuration.keep) return;
    DateRec start, end;
    if (!GetPickerDateTime(dialog, kApptStartDateId, kApptStartTimeId, start)) return;
    if (!GetPickerDateTime(dialog, kApptEndDateId, kApptEndTimeId, end)) return;
    KeepApptDuration(start, end);
}

void OnApptPickerChange(HWND dialog) {
    const HWND focus = GetFocus();
    if (!focus || GetParent(focus) != dialog) return;
    switch (GetDlgCtrlID(focus)) {
    case kApptStartDateId: OnStartDateKillFocus(dialog); break;
    case kApptStartTimeId:
    case kApptEndDateId: OnStartOrEndDateKillFocus(dialog); break;
    default: break;
    }
}
