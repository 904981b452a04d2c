// The list-style appointment editor's starting values: a new appointment's defaults, an appointment
// template applied to ApptEditorState, and ApptEditorState saved as a new template.
#include "core/app_settings.h"
#include "core/appt_record.h"
#include "core/cat_record.h"
#include "core/month_cache.h"
#include "core/res_string.h"
#include "editors/appt_editor_state.h"
#include "editors/appt_form_services.h"
#include "editors/appt_list_editor.h"
#include "editors/attendees.h"
#include "editors/editor_state.h"
#include "editors/item_templates.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "platform/dialogs.h"
#include "resources/resource.h"

namespace {

constexpr LONG kMinutesInHour = 60;
constexpr LONG kOtherDayDuration = 60;

void SetEditorDates(const DateRec& start, const DateRec& end) {
    ApptListFields& dates = g_ApptEditor.dates;
    dates.startDate = start;
    dates.startTime = start;
    dates.endDate = end;
    dates.endTime = end;
}


// The reminder of a template: a listed number of minutes is a choice, any other a custom span.
void SetEditorReminder(const ApptRecord& record) {
    g_CustomReminder = CustomReminderState();
    if (!record.reminderSet) {
        g_ApptEditor.reminder = kReminderOff;
        return;
    }
    const int choice = ReminderChoiceOf(record.reminderMinutes);
    if (choice >= 0) {
        g_ApptEditor.reminder = choice;
        return;
    }
    SetCustomReminderFromMinutes(g_CustomReminder, record.reminderMinutes);
    g_ApptEditor.reminder = -1;
}

void ReadEditorReminder(ApptRecord& record) {
    const LONG minutes = g_CustomReminder.useCustom ? CustomReminderMinutes(g_CustomReminder)
                                                    : ReminderChoiceMinutes(static_cast<int>(g_ApptEditor.reminder));
    record.reminderSet = minutes != 0 ? 1 : 0;
    record.reminderMinutes = minutes;
}

}  // namespace

void KeepEditorDuration(const DateRec& start, const DateRec& end) {
    ApptEditorState& s = g_ApptEditor;
    s.keptHours = end.wHour - start.wHour;
    if (s.keptHours == 0) {
        s.keptMinutes = end.wMinute - start.wMinute;
    } else if (start.wMinute == 0) {
        s.keptMinutes = end.wMinute;
    } else {
        s.keptHours -= 1;
        s.keptMinutes = (kMinutesInHour - start.wMinute) + end.wMinute;
    }
}

void InitNewApptEditorState(HWND) {
    ApptEditorState& s = g_ApptEditor;
    AttendArrRemoveAll();
    g_ApptEditFlags.attendeesChanged = 0;
    s.subject.clear();
    s.location.clear();
    s.notes.clear();
    s.categories.clear();
    g_CustomReminder = CustomReminderState();
    const int choice = ReminderChoiceOf(g_Settings.defRem);
    s.reminder = choice > 0 ? choice : kReminderOff;
    s.occurs = kRecurOnce;
    s.status = kBusyStatusBusy;
    s.allDay = 0;
    s.sensitivity = 0;
    s.icon = -1;
    DateRec start, end;
    DefaultApptTimes(start, end);
    SetEditorDates(start, end);
    s.keptHours = g_Settings.apptLength / kMinutesInHour;
    s.keptMinutes = g_Settings.apptLength % kMinutesInHour;
}

void FillApptEditorFromTemplate(HWND) {
    if (!g_FromTemplate) return;
    if (g_TemplateChoice < 0 || g_TemplateChoice >= g_ApptTemplateList.Size()) return;
    const ApptRecord record = g_ApptTemplateList[g_TemplateChoice];
    ApptEditorState& s = g_ApptEditor;
    s.subject = record.subject;
    s.location = record.location;
    s.notes = record.notes;
    s.allDay = record.allDay ? 1 : 0;
    s.sensitivity = record.sensitivity;
    s.status = record.busyStatus;
    s.occurs = kRecurOnce;
    DateRec start, end;
    ApptTemplateTimesOn(record, g_SelectedDate, start, end);
    SetEditorDates(start, end);
    KeepEditorDuration(start, end);
    SetEditorReminder(record);
    g_EditorPrjCats.clear();
    s.categories.clear();
    for (const std::u16string& name : record.categories) SplitItemCatName(name, s.categories);
}

void BuildApptRecFromEditor(ApptRecord& record) {
    CommitApptSnaps();
    const ApptEditorState& s = g_ApptEditor;
    record.subject = s.subject.empty() ? LoadResString(IDS_NO_SUBJECT) : s.subject;
    record.location = s.location;
    record.notes = s.notes;
    record.busyStatus = s.status;
    record.allDay = s.allDay ? 1 : 0;
    record.sensitivity = s.sensitivity;
    const DateRec& day = s.dates.startDate;
    const DateRec& from = s.dates.startTime;
    const DateRec& to = s.dates.endTime;
    record.start = DateRec(day.wYear, day.wMonth, day.wDay, from.wHour, from.wMinute, from.wSecond);
    const DateRec& endDay = s.dates.endDate;
    record.duration = kOtherDayDuration;
    if (endDay.wDay == day.wDay && endDay.wMonth == day.wMonth)
        record.duration = (to.wHour - from.wHour) * kMinutesInHour + to.wMinute - from.wMinute;
    ReadEditorReminder(record);
    SplitCatList(record, g_EditorPrjCats, false);
    SplitCatList(record, s.categories, false);
}

int SaveApptEditorAsTemplate(HWND dialog) {
    ApptRecord record;
    BuildApptRecFromEditor(record);
    InsertApptTemplate(record);
    SaveApptTemplates();
    if (SelItemNotKind2()) {
        return ShowResMessage(dialog, IDS_TEMPLATE_SAVED_LEAVE, MB_YESNO | MB_ICONQUESTION) == IDYES ? 0 : 1;
    }
    ShowResMessage(dialog, IDS_NEW_TEMPLATE_SAVED, MB_ICONEXCLAMATION);
    return 1;
}
