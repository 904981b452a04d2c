// The appointment form and templates: filling the form from the chosen template, on the shown date
// with the template's times of day, and saving the form's fields as a new template.
#include "core/app_settings.h"
#include "core/appt_record.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/month_cache.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "editors/appt_form.h"
#include "editors/appt_form_fields.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/edit_caret.h"

namespace {

constexpr LONG kMinutesInHour = 60;
constexpr LONG kOtherDayDuration = 60;

bool Checked(HWND dialog, int id) { return GetDlgItem(dialog, id) && IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void FillTemplateDates(HWND dialog, const ApptRecord& record) {
    DateRec start, end;
    ApptTemplateTimesOn(record, g_SelectedDate, start, end);
    SetPickerValue(dialog, kApptStartDateId, &start);
    SetPickerValue(dialog, kApptStartTimeId, &start);
    SetPickerValue(dialog, kApptEndDateId, &end);
    SetPickerValue(dialog, kApptEndTimeId, &end);
    SubclassFormPickers(dialog);
    KeepApptDuration(start, end);
    FillRecurCombo(GetDlgItem(dialog, kOccursListId), start);
    SendDlgItemMessageW(dialog, kOccursListId, LB_SETCURSEL, kRecurOnce, 0);
}

void FillTemplateCats(HWND dialog, const ApptRecord& record) {
    g_EditorPrjCats.clear();
    for (const std::u16string& name : record.categories) {
        if (IsPrjCat(name)) {
            g_EditorPrjCats += name + u",";
        } else {
            SelectFormCat(dialog, name);
        }
    }
}

// The form's reminder as the template keeps it: set with minutes, or clear.
void ReadTemplateReminder(HWND dialog, ApptRecord& record) {
    LONG minutes = 0;
    if (g_CustomReminder.useCustom) {
        minutes = CustomReminderMinutes(g_CustomReminder);
    } else {
        minutes = ReminderChoiceMinutes(static_cast<int>(SendDlgItemMessageW(dialog, kReminderListId, LB_GETCURSEL, 0, 0)));
    }
    record.reminderSet = minutes != 0 ? 1 : 0;
    record.reminderMinutes = minutes;
}

void ReadTemplateDates(HWND dialog, ApptRecord& record) {
    DateRec start, end;
    if (GetPickerDateTime(dialog, kApptStartDateId, kApptStartTimeId, start)) record.start = start;
    record.duration = kOtherDayDuration;
    if (GetPickerDateTime(dialog, kApptEndDateId, kApptEndTimeId, end) && end.wDay == start.wDay &&
        end.wMonth == start.wMonth) {
        record.duration = (end.wHour - start.wHour) * kMinutesInHour + end.wMinute - start.wMinute;
    }
}

}  // namespace

void FillApptDlgFromTemplate(HWND dialog) {
    if (g_TemplateChoice < 0 || g_TemplateChoice >= g_ApptTemplateList.Size()) return;
    const ApptRecord record = g_ApptTemplateList[g_TemplateChoice];
    SetDlgItemTextW(dialog, kApptSubjectId, record.subject.c_str());
    SetDlgItemTextW(dialog, kApptLocationId, record.location.c_str());
    SetDlgItemTextW(dialog, kApptNotesId, record.notes.c_str());
    CheckDlgButton(dialog, kApptPrivateId, record.sensitivity >= 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kApptAllDayId, record.allDay ? BST_CHECKED : BST_UNCHECKED);
    OnAllDayToggle(dialog);
    const LONG row = BusyToStatusRow(record.busyStatus);
    if (row >= 0) SendDlgItemMessageW(dialog, kApptStatusId, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    FillTemplateCats(dialog, record);
    FillTemplateDates(dialog, record);
    g_CustomReminder.useCustom = 0;
    if (record.reminderSet) ShowReminderMinutes(dialog, record.reminderMinutes);
    EditCaretToEnd(GetDlgItem(dialog, kApptSubjectId));
}

int SaveApptAsTemplate(HWND dialog) {
    ApptRecord record;
    record.subject = GetFormText(dialog, kApptSubjectId, kApptTextChars);
    if (record.subject.empty()) record.subject = LoadResString(IDS_NO_SUBJECT);
    record.location = GetFormText(dialog, kApptLocationId, kApptTextChars);
    record.notes = GetFormText(dialog, kApptNotesId, kApptNotesChars);
    ReadTemplateReminder(dialog, record);
    record.sensitivity = Checked(dialog, kApptPrivateId) ? 1 : 0;
    record.allDay = Checked(dialog, kApptAllDayId) ? 1 : 0;
    const LONG busy = StatusRowToBusy(static_cast<LONG>(SendDlgItemMessageW(dialog, kApptStatusId, LB_GETCURSEL, 0, 0)));
    if (busy >= 0) record.busyStatus = busy;
    ReadTemplateDates(dialog, record);
    SplitCatList(record, g_EditorPrjCats, false);
    const int rows = static_cast<int>(SendDlgItemMessageW(dialog, kCatListBoxId, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        if (SendDlgItemMessageW(dialog, kCatListBoxId, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0)
            record.categories.Append(FormCatAtRow(row));
    InsertApptTemplate(record);
    SaveApptTemplates();
    if (SelItemNotKind2()) {
        return ShowResMessage(dialog, IDS_TEMPLATE_SAVED_LEAVE, MB_YESNO | MB_ICONQUESTION) == IDYES ? 0 : 1;
    }
    ShowResMessage(dialog, IDS_NEW_TEMPLATE_SAVED, MB_ICONEXCLAMATION);
    return 1;
}
