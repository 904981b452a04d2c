// Done in the appointment form: the form is checked, every field is written into a POOM appointment
// (a new one, the selected one or one occurrence of it), which is sent as a meeting request or
// saved; then the custom icon, the project tree, the month cache and the view are brought up to date.
//
// The form stays open after every refusal (dates, custom recurrence, item missing, custom end, a
// failed Save); the puts made before a failed Save go with the released item. Only after a Send or
// Save do the index, tree, cache and view steps run.
#include "calendar/calendar_input.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/custom_icon.h"
#include "core/id_index.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/view_id.h"
#include "editors/appt_form.h"
#include "editors/appt_form_fields.h"
#include "editors/appt_maint.h"
#include "editors/attendees.h"
#include "editors/custom_recur.h"
#include "editors/recur_choices.h"
#include "editors/reminders.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "resources/resource.h"

namespace {

// POOM's refusal of a reminder longer than the time between occurrences.
constexpr HRESULT kReminderRefused = static_cast<HRESULT>(0x80040067);
constexpr int kAllDayHour = 1;
constexpr int kOldAllDayEndHour = 22;

struct SaveFacts {
    bool isNew = false;
    bool meeting = false;
    bool recurWritten = false;
    bool hadOldStart = false;
    DateRec oldStart;
    DateRec oldEnd;
    DateRec newStart;
    DateRec newEnd;
    bool startDayChanged = false;
    bool daysChanged = false;
    bool spansDays = false;
};

void Warn(HWND dialog, const char16_t* text) { ShowMessage(dialog, text, MB_ICONEXCLAMATION); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// A series edited whole keeps all-day times at midnight; anything else at 01:00.
int AllDayHour() {
    return g_ApptEditFlags.isRecurring && !g_ApptEditFlags.occurrenceOnly ? 0 : kAllDayHour;
}

PoomPtr<IAppointment> GetFormItem(HWND dialog, SaveFacts& facts) {
    IPOutlookApp* app = GetPoomApp();
    if (SelItemNotKind2()) {
        facts.isNew = true;
        PoomPtr<IDispatch> item;
        if (app) app->CreateItem(olAppointmentItem, item.Out());
        PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
        if (!appt) Warn(dialog, u"Error: Unable to get Appointment.");
        return appt;
    }
    if (g_ApptEditFlags.occurrenceOnly) {
        PoomPtr<IAppointment> occurrence = ReadRecurPattern(g_CurItem.oid, g_SelectedDate);
        if (!occurrence) Warn(dialog, u"Error: Unable to get current recur appt");
        return occurrence;
    }
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(app, g_CurItem.oid, IID_IAppointment);
    if (!appt) Warn(dialog, u"Error: Unable to get Appointment.");
    return appt;
}

void PutTexts(HWND dialog, IAppointment& appt) {
    std::u16string subject = GetFormText(dialog, kApptSubjectId, kApptTextChars);
    if (subject.empty()) subject = LoadResString(IDS_NO_SUBJECT);
    appt.put_Subject(subject.c_str());
    appt.put_Location(GetFormText(dialog, kApptLocationId, kApptTextChars).c_str());
    appt.put_Body(GetFormText(dialog, kApptNotesId, kApptNotesChars).c_str());
}

// Every recipient replaced by the attendee list; one that POOM refuses is reported and skipped.
int ReplaceRecipients(HWND dialog, IAppointment& appt) {
    PoomPtr<IRecipients> recipients;
    if (FAILED(appt.get_Recipients(recipients.Out())) || !recipients) return 0;
    int count = 0;
    recipients->get_Count(&count);
    for (int i = count; i >= 1; --i) recipients->Remove(i);
    for (const Attendee& attendee : g_AttendeeArray) {
        PoomPtr<IRecipient> recipient;
        if (FAILED(recipients->Add(attendee.name.c_str(), recipient.Out())) || !recipient) {
            Warn(dialog, u"Error in Recipient Add");
            continue;
        }
        recipient->put_Address(attendee.address.c_str());
    }
    count = 0;
    recipients->get_Count(&count);
    return count;
}

void PutAttendees(HWND dialog, IAppointment& appt, SaveFacts& facts) {
    if (g_ApptEditFlags.attendeesChanged) {
        facts.meeting = ReplaceRecipients(dialog, appt) > 0;
    } else if (g_AttendeeArray.Size() > 0) {
        facts.meeting = ShowResMessage(dialog, IDS_MEETING_RESEND, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
}

void PutFlags(HWND dialog, IAppointment& appt) {
    const int choice = static_cast<int>(SendDlgItemMessageW(dialog, kReminderListId, LB_GETCURSEL, 0, 0));
    PutApptReminder(&appt, choice);
    if (GetDlgItem(dialog, kApptPrivateId)) appt.put_Sensitivity(Checked(dialog, kApptPrivateId) ? olPrivate : olNormal);
    if (GetDlgItem(dialog, kApptAllDayId)) appt.put_AllDayEvent(Checked(dialog, kApptAllDayId) ? VARIANT_TRUE : VARIANT_FALSE);
    const LONG busy = StatusRowToBusy(static_cast<LONG>(SendDlgItemMessageW(dialog, kApptStatusId, LB_GETCURSEL, 0, 0)));
    if (busy >= 0) appt.put_BusyStatus(busy);
}

bool ReadOld(IAppointment& appt, HRESULT (IAppointment::*get)(DATE*), DateRec& out) {
    DATE value = 0;
    return SUCCEEDED((appt.*get)(&value)) && PoomDateToDateRec(GetPoomApp(), value, out);
}

void PutStart(HWND dialog, IAppointment& appt, SaveFacts& facts) {
    if (!facts.isNew) facts.hadOldStart = ReadOld(appt, &IAppointment::get_Start, facts.oldStart);
    DateRec date, time;
    if (!GetPickerValue(dialog, kApptStartDateId, date)) return;
    if (Checked(dialog, kApptAllDayId)) {
        DateInit(time, date.wYear, date.wMonth, date.wDay, AllDayHour(), 0, 0);
    } else {
        GetPickerValue(dialog, kApptStartTimeId, time);
    }
    DateInit(facts.newStart, date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, time.wSecond);
    appt.put_Start(DateRecToPoom(GetPoomApp(), facts.newStart));
    if (!facts.isNew && g_ApptEditFlags.occurrenceOnly && ViewId == kViewApptPreview) {
        DateInit(g_SelectedDate, facts.newStart.wYear, facts.newStart.wMonth, facts.newStart.wDay, 0, 0, 0);
    }
}

void PutEnd(HWND dialog, IAppointment& appt, SaveFacts& facts) {
    if (!facts.isNew) ReadOld(appt, &IAppointment::get_End, facts.oldEnd);
    DateRec date, time;
    if (!GetPickerValue(dialog, kApptEndDateId, date)) return;
    DateRec& end = facts.newEnd;
    if (Checked(dialog, kApptAllDayId)) {
        if (g_Settings.ce5OrLater) {
            DateInit(end, date.wYear, date.wMonth, date.wDay, AllDayHour(), 0, 0);
            DateAddSpan(end, kOneDaySpan);
        } else {
            DateInit(end, date.wYear, date.wMonth, date.wDay, kOldAllDayEndHour, 0, 0);
        }
    } else {
        GetPickerValue(dialog, kApptEndTimeId, time);
        DateInit(end, date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, time.wSecond);
    }
    appt.put_End(DateRecToPoom(GetPoomApp(), end));
}

void NoteDayChanges(SaveFacts& facts) {
    if (facts.isNew) return;
    facts.startDayChanged = !DateSameDay(facts.oldStart, facts.newStart);
    facts.daysChanged = facts.startDayChanged || !DateSameDay(facts.oldEnd, facts.newEnd);
    if (facts.daysChanged) facts.spansDays = !DateSameDay(facts.newStart, facts.newEnd);
}

// False when the custom end lies before the start: the save is abandoned.
bool PutRecurrence(HWND dialog, IAppointment& appt, SaveFacts& facts) {
    if (g_ApptEditFlags.occurrenceOnly || !GetDlgItem(dialog, kOccursListId)) return true;
    // No row chosen (a pattern none of the rows names, every 6 weeks say) is kRecurUnnamed: the
    // pattern stays as it is.
    const LONG choice = static_cast<LONG>(SendDlgItemMessageW(dialog, kOccursListId, LB_GETCURSEL, 0, 0));
    facts.recurWritten = choice > kRecurOnce;
    PoomPtr<IRecurrencePattern> pattern;
    appt.GetRecurrencePattern(pattern.Out());
    DateRec start;
    if (!ReadOld(appt, &IAppointment::get_Start, start)) DateNow(start);
    const DATE patternStart = DateRecToPoom(GetPoomApp(), start);
    return ApplyRecurChoice(&appt, pattern.Get(), choice, start, patternStart, dialog);
}

void PutCategories(HWND dialog, IAppointment& appt) {
    const std::u16string text = g_EditorPrjCats + SelectedFormCats(dialog);
    appt.put_Categories(text.c_str());
}

// False when the Save failed; the flag set for the notification of this save is taken back then,
// since no notification follows and the next change of another program must not be swallowed.
bool SendOrSave(HWND dialog, IAppointment& appt, const SaveFacts& facts) {
    g_ChangeMarks.ownChange = 1;
    if (facts.meeting) {
        if (SUCCEEDED(appt.Send())) {
            ShowResMessage(dialog, IDS_MEETING_SENT, MB_ICONINFORMATION);
            return true;
        }
        // Nothing was stored: the form stays open with the meeting as typed.
        g_ChangeMarks.ownChange = 0;
        ShowMessage(dialog, u"Send Failed.", MB_ICONEXCLAMATION);
        return false;
    }
    const HRESULT result = appt.Save();
    if (SUCCEEDED(result)) return true;
    g_ChangeMarks.ownChange = 0;
    if (result == kReminderRefused) {
        ShowResMessage(dialog, IDS_APPT_SAVE_REMINDER_FAILED, MB_ICONEXCLAMATION);
    } else if (IsStoreFull(result)) {
        ShowMessage(dialog, StoreFullText(olAppointmentItem).c_str(), MB_ICONEXCLAMATION);
    } else {
        ShowMessage(dialog, platform::FormatW(u"Error in Appt Save: 0x%x", static_cast<unsigned>(result)).c_str(),
                    MB_ICONEXCLAMATION);
    }
    return false;
}

void UpdateCustomIcon(LONG oid) {
    if (!g_ApptEditFlags.iconPicked) return;
    const int found = IdIndexFind(oid, g_CustomIconIndex);
    if (found >= 0) g_CustomIconIndex.RemoveAt(found);
    if (g_ApptEditFlags.pickedIcon != -1) {
        IdIndexInsert(oid, g_ApptEditFlags.pickedIcon, g_CustomIconIndex);
        SaveCustomIconsFile();
    } else if (found >= 0) {
        SaveCustomIconsFile();
    }
}

void SelectDay(const DateRec& day) { DateInit(g_SelectedDate, day.wYear, day.wMonth, day.wDay, 0, 0, 0); }

// False when the save ends here (the moved occurrence's preview keeps its selection row).
bool UpdateMonthCache(LONG oid, const SaveFacts& facts) {
    const DateRec& start = facts.newStart;
    const bool wholeSeries = g_ApptEditFlags.isRecurring && !g_ApptEditFlags.occurrenceOnly;
    if (facts.recurWritten || wholeSeries) {
        LoadApptsForMonth(1, 1);
    } else if (facts.isNew) {
        UpdateApptInCache(oid, start.wYear, start.wMonth, start.wDay);
    } else if (!facts.daysChanged) {
        ReplaceExistingAppt(oid, start.wYear, start.wMonth, start.wDay);
    } else {
        if (facts.hadOldStart) {
            RemoveApptFromMonthBuckets(oid, facts.oldStart.wYear, facts.oldStart.wMonth, facts.oldStart.wDay,
                                       facts.spansDays ? 1 : 0);
        }
        const bool cached = FindMonthBucket(start.wYear, start.wMonth) >= 0;
        if (cached) {
            UpdateApptInCache(oid, start.wYear, start.wMonth, start.wDay);
        } else {
            LoadApptsForMonth(1, 1);
        }
        if (facts.startDayChanged && ViewId == kViewApptPreview) {
            SelectDay(start);
            if (cached) {
                g_CurItem.rowIndex = kNoId;
                return false;
            }
            LoadApptsForMonth(1, 1);
        }
    }
    return true;
}

void UpdateViewAfterSave() {
    if (ViewId == kViewDates || ViewId == kViewDay) {
        g_CurItem.kind = kItemNone;
        g_CurItem.oid = kNoId;
        g_CurItem.listIndex = kNoId;
        g_CurItem.rowIndex = kNoId;
        RefreshSchedList();
    } else {
        g_CurItem.rowIndex = kNoId;
    }
}

}  // namespace

int SaveApptDlg(HWND dialog) {
    OnApptPickerChange(dialog);
    if (!ReadApptDates(dialog)) {
        ShowResMessage(dialog, IDS_END_BEFORE_START, MB_ICONEXCLAMATION);
        return 0;
    }
    if (!OccursIsCustom(dialog)) {
        ShowResMessage(dialog, IDS_CUSTOM_RECUR_NOT_EDITED, MB_ICONEXCLAMATION);
        return 0;
    }
    SaveFacts facts;
    PoomPtr<IAppointment> appt = GetFormItem(dialog, facts);
    if (!appt) return 0;
    PutTexts(dialog, *appt);
    PutAttendees(dialog, *appt, facts);
    PutFlags(dialog, *appt);
    PutStart(dialog, *appt, facts);
    PutEnd(dialog, *appt, facts);
    NoteDayChanges(facts);
    if (!PutRecurrence(dialog, *appt, facts)) return 0;
    PutCategories(dialog, *appt);
    if (!SendOrSave(dialog, *appt, facts)) return 0;
    LONG oid = g_CurItem.oid;
    if (facts.isNew) appt->get_Oid(&oid);
    appt.Reset();
    UpdateCustomIcon(oid);
    if (g_PrjTreeFlag) {
        PrjTreeApptSaved(oid);
        g_PrjTreeFlag = 0;
    }
    if (!UpdateMonthCache(oid, facts)) return 1;
    UpdateViewAfterSave();
    return 1;
}
