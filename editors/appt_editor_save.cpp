// The list-style appointment editor's load from POOM into ApptEditorState and its save back.
#include "calendar/sched_list.h"
#include "core/appt_occurrence.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/view_id.h"
#include "editors/appt_cache_update.h"
#include "editors/appt_editor_state.h"
#include "editors/appt_form.h"
#include "editors/appt_list_editor.h"
#include "editors/attendees.h"
#include "editors/custom_recur.h"
#include "editors/editor_state.h"
#include "editors/recur_choices.h"
#include "editors/recur_load.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "editors/tsk_save.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_tree_items.h"
#include "resources/resource.h"

namespace {

constexpr int kQuestionChars = 192;
constexpr WORD kAllDayHour = 1;
constexpr WORD kOldSystemEndHour = 22;

DateRec DayOf(const DateRec& date) { return DateRec(date.wYear, date.wMonth, date.wDay); }

DateRec WithTime(const DateRec& day, const DateRec& time) {
    return DateRec(day.wYear, day.wMonth, day.wDay, time.wHour, time.wMinute, time.wSecond);
}

bool VersionFiveOrLater() { return GetOsMajorVersion() >= kOsMajor5; }

void LoadApptDates(IAppointment* appt) {
    ApptEditorState& s = g_ApptEditor;
    IPOutlookApp* app = GetPoomApp();
    DATE value = POOM_NO_DATE;
    DateRec start, end;
    appt->get_Start(&value);
    PoomDateToDateRec(app, value, start);
    appt->get_End(&value);
    PoomDateToDateRec(app, value, end);
    s.dates.startDate = start;
    s.dates.startTime = start;
    s.dates.endDate = end;
    s.dates.endTime = end;
    if (start.wMonth == end.wMonth && start.wDay == end.wDay) {
        KeepEditorDuration(start, end);
        return;
    }
    s.keepDuration = 0;
    if (!s.allDay) return;
    DateRec nextDay = DayOf(start);
    DateAddSpan(nextDay, kOneDaySpan);
    if (nextDay.wMonth == end.wMonth && nextDay.wDay == end.wDay) s.keepDuration = 1;
    if (VersionFiveOrLater()) DateSubSpan(s.dates.endDate, kOneDaySpan);
}

void LoadApptReminder(IAppointment* appt) {
    g_CustomReminder.useCustom = 0;
    VARIANT_BOOL set = VARIANT_FALSE;
    LONG minutes = 0;
    appt->get_ReminderSet(&set);
    appt->get_ReminderMinutesBeforeStart(&minutes);
    if (!set || minutes == 0) {
        g_ApptEditor.reminder = 0;
        return;
    }
    const int choice = ReminderChoiceOf(minutes);
    if (choice > 0) {
        g_ApptEditor.reminder = choice;
        return;
    }
    SetCustomReminderFromMinutes(g_CustomReminder, minutes);
    g_ApptEditor.reminder = -1;
}

void LoadApptRecurrence(IAppointment* appt) {
    PoomPtr<IRecurrencePattern> pattern;
    if (FAILED(appt->GetRecurrencePattern(pattern.Out())) || !pattern) return;
    DATE start = POOM_NO_DATE;
    pattern->get_PatternStartDate(&start);
    DateRec patternDay;
    PoomDateToDateRec(GetPoomApp(), start, patternDay);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    appt->get_IsRecurring(&recurring);
    if (!recurring) {
        g_ApptEditor.occurs = kRecurOnce;
        return;
    }
    g_ApptEditor.occurs = OccursChoiceOfPattern(pattern.Get(), patternDay, kRecurUnnamed);
    ReadPatternEnd(GetPoomApp(), pattern.Get());
}

void PutApptEditorReminder(IAppointment* appt) {
    if (g_CustomReminder.useCustom) {
        const LONG minutes = CustomReminderMinutes(g_CustomReminder);
        appt->put_ReminderSet(minutes ? VARIANT_TRUE : VARIANT_FALSE);
        if (minutes) appt->put_ReminderMinutesBeforeStart(minutes);
        return;
    }
    const LONG choice = g_ApptEditor.reminder;
    if (choice == 0) {
        appt->put_ReminderSet(VARIANT_FALSE);
    } else if (choice > 0 && choice < kReminderChoiceCount) {
        appt->put_ReminderSet(VARIANT_TRUE);
        appt->put_ReminderMinutesBeforeStart(ReminderChoiceMinutes(choice));
    }
}

// Step 6: the attendees, and whether the appointment goes out as a meeting request.
bool WriteApptAttendees(HWND dialog, IAppointment* appt) {
    if (g_ApptEditFlags.attendeesChanged) {
        if (!WriteAttendeesToAppt(appt)) ShowMessage(dialog, u"Error in Recipient Add", MB_ICONEXCLAMATION);
        PoomPtr<IRecipients> recipients;
        int count = 0;
        if (SUCCEEDED(appt->get_Recipients(recipients.Out())) && recipients) recipients->get_Count(&count);
        return count > 0;
    }
    if (g_AttendeeArray.Size() == 0) return false;
    const std::u16string question = LoadResStr(IDS_MEETING_RESEND);
    return ShowMessage(dialog, question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The start and end as written; both are stored back into the editor's date fields.
void MergeApptTimes(DateRec& start, DateRec& end) {
    ApptEditorState& s = g_ApptEditor;
    const bool wholeSeries = g_ApptEditFlags.isRecurring && !g_ApptEditFlags.occurrenceOnly;
    const DateRec allDayTime(2000, 1, 1, wholeSeries ? 0 : kAllDayHour);
    start = WithTime(s.dates.startDate, s.allDay ? allDayTime : s.dates.startTime);
    if (!s.allDay) {
        end = WithTime(s.dates.endDate, s.dates.endTime);
    } else if (VersionFiveOrLater()) {
        end = WithTime(s.dates.endDate, allDayTime);
        DateAddSpan(end, kOneDaySpan);
    } else {
        end = DateRec(s.dates.endDate.wYear, s.dates.endDate.wMonth, s.dates.endDate.wDay, kOldSystemEndHour);
    }
    s.dates.startDate = start;
    s.dates.endDate = end;
}

// Step 14: 1 when the appointment was sent or saved.
int SendOrSaveAppt(HWND dialog, IAppointment* appt, bool meeting) {
    if (meeting) {
        // A send that failed stored nothing: the editor stays open with the meeting as typed.
        const bool sent = SUCCEEDED(appt->Send());
        const std::u16string text = sent ? LoadResStr(IDS_MEETING_SENT) : std::u16string(u"Send Failed.");
        ShowMessage(dialog, text.c_str(), sent ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
        return sent ? 1 : 0;
    }
    const HRESULT saved = appt->Save();
    if (SUCCEEDED(saved)) return 1;
    const std::u16string text = saved == E_POOM_INVALID_REMINDER ? LoadResStr(IDS_APPT_SAVE_FAILED_REMINDER)
                                : IsStoreFull(saved)
                                    ? StoreFullText(olAppointmentItem)
                                    : platform::FormatW(u"Error in Appt Save: 0x%x", static_cast<unsigned>(saved));
    ShowMessage(dialog, text.c_str(), MB_ICONEXCLAMATION);
    return 0;
}

void UpdateCacheAfterSave(LONG oid, bool isNew, bool recurWritten, const DateRec& oldStart, const DateRec& start,
                          const DateRec& end) {
    if (recurWritten || g_ApptEditFlags.isRecurring) {
        LoadApptsForMonth(1, 1);
    } else if (isNew) {
        UpdateApptInCache(oid, start.wYear, start.wMonth, start.wDay);
    } else {
        const bool daysChanged = !DateSameDay(oldStart, start);
        if (!daysChanged) {
            ReplaceExistingAppt(oid, start.wYear, start.wMonth, start.wDay);
        } else {
            RemoveApptFromMonthBuckets(oid, oldStart.wYear, oldStart.wMonth, oldStart.wDay, DateSameDay(start, end) ? 0 : 1);
            if (FindMonthBucket(start.wYear, start.wMonth) >= 0) UpdateApptInCache(oid, start.wYear, start.wMonth, start.wDay);
            else LoadApptsForMonth(1, 1);
            if (ViewId == kViewApptPreview) g_CurItem.date = DayOf(start);
        }
    }
    if (!DateSameMonth(start, end)) {
        int year = 0, month = 0;
        NextMonth(g_SelectedDate.wYear, g_SelectedDate.wMonth, year, month);
        ReLoadApptPOOM(year, month, 1);
        // The next month is read again for the item's later days; the views stay on the month shown.
        ReLoadApptPOOM(g_SelectedDate.wYear, g_SelectedDate.wMonth, 0);
    }
}

}  // namespace

void EditApptByOid(HWND dialog) {
    if (SelItemNotKind2()) return;
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
    if (appt) LoadApptForEdit(dialog, appt.Get(), g_CurItem.oid);
}

void LoadApptForEdit(HWND dialog, IAppointment* series, LONG oid) {
    ApptEditorState& s = g_ApptEditor;
    g_ApptEditFlags.occurrenceOnly = 0;
    g_ApptEditFlags.isRecurring = 0;
    g_ApptEditFlags.firstAllDayDone = 1;
    s.icon = IdIndexGet(oid, g_CustomIconIndex);
    PoomPtr<IAppointment> occurrence;
    IAppointment* appt = series;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    series->get_IsRecurring(&recurring);
    if (recurring) {
        g_ApptEditFlags.isRecurring = 1;
        const std::u16string question = LoadResStr(IDS_EDIT_OCCURRENCE_ONLY, kQuestionChars);
        if (ShowMessage(dialog, question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
            g_ApptEditFlags.occurrenceOnly = 1;
            occurrence = PoomPtr<IAppointment>(GetOccurrenceOnDate(oid, DayOf(g_SelectedDate)));
            if (!occurrence) return;
            appt = occurrence.Get();
        }
    }
    BSTR text = nullptr;
    appt->get_Subject(&text);
    s.subject = TakeBstr(text);
    text = nullptr;
    appt->get_Location(&text);
    s.location = TakeBstr(text);
    text = nullptr;
    appt->get_Body(&text);
    s.notes = TakeBstr(text);
    appt->get_Sensitivity(&s.sensitivity);
    VARIANT_BOOL allDay = VARIANT_FALSE;
    appt->get_AllDayEvent(&allDay);
    s.allDay = allDay ? 1 : 0;
    AttendArrRemoveAll();
    g_ApptEditFlags.attendeesChanged = 0;
    LoadAttendeesFromAppt(appt);
    appt->get_BusyStatus(&s.status);
    text = nullptr;
    if (SUCCEEDED(appt->get_Categories(&text))) SplitItemCats(TakeBstr(text), s.categories);
    LoadApptDates(appt);
    LoadApptReminder(appt);
    if (!g_ApptEditFlags.occurrenceOnly) LoadApptRecurrence(appt);
}

bool ApptEditorDatesValid() {
    CommitApptSnaps();
    ApptEditorState& s = g_ApptEditor;
    if (s.allDay) return ApptDatesInOrder(s.dates.startDate, s.dates.endDate, true);
    s.dates.startDate = WithTime(s.dates.startDate, s.dates.startTime);
    s.dates.endDate = WithTime(s.dates.endDate, s.dates.endTime);
    return ApptDatesInOrder(s.dates.startDate, s.dates.endDate, false);
}

int SaveApptListEditor(HWND dialog) {
    if (!ApptEditorDatesValid()) {
        ShowMessage(dialog, LoadResStr(IDS_END_BEFORE_START).c_str(), MB_ICONEXCLAMATION);
        return 0;
    }
    if (!CheckCustomRecurEdited(CommitApptSnaps, g_ApptEditor.occurs)) {
        ShowMessage(dialog, LoadResStr(IDS_CUSTOM_RECUR_NOT_EDITED).c_str(), MB_ICONEXCLAMATION);
        return 0;
    }
    PoomPtr<IAppointment> appt;
    if (SelItemNotKind2()) {
        PoomPtr<IDispatch> item;
        if (IPOutlookApp* app = GetPoomApp(); app && SUCCEEDED(app->CreateItem(olAppointmentItem, item.Out())))
            appt = QueryPoom<IAppointment>(item.Get(), IID_IAppointment);
    } else if (g_ApptEditFlags.occurrenceOnly) {
        appt = PoomPtr<IAppointment>(GetOccurrenceOnDate(g_CurItem.oid, DayOf(g_SelectedDate)));
        if (!appt) {
            ShowMessage(dialog, u"Error: Unable to get current recur appt", MB_ICONEXCLAMATION);
            return 0;
        }
    } else {
        appt = GetPoomItem<IAppointment>(GetPoomApp(), g_CurItem.oid, IID_IAppointment);
        if (!appt) {
            ShowMessage(dialog, u"Error: Unable to get Appointment.", MB_ICONEXCLAMATION);
            return 0;
        }
    }
    LONG oid = kNoId;
    return SaveApptEditorPOOM(dialog, std::move(appt), oid);
}

int SaveApptEditorPOOM(HWND dialog, PoomPtr<IAppointment> appt, LONG& oid) {
    CommitApptSnaps();
    if (!appt) return 0;
    ApptEditorState& s = g_ApptEditor;
    IPOutlookApp* app = GetPoomApp();
    const bool isNew = SelItemNotKind2();
    appt->put_Subject(s.subject.empty() ? LoadResStr(IDS_NO_SUBJECT).c_str() : s.subject.c_str());
    appt->put_Location(s.location.c_str());
    appt->put_Body(s.notes.c_str());
    const bool meeting = WriteApptAttendees(dialog, appt.Get());
    PutApptEditorReminder(appt.Get());
    appt->put_Sensitivity(s.sensitivity);
    appt->put_AllDayEvent(s.allDay ? VARIANT_TRUE : VARIANT_FALSE);
    appt->put_BusyStatus(s.status);
    DateRec oldStart;
    if (!isNew) {
        DATE value = POOM_NO_DATE;
        appt->get_Start(&value);
        PoomDateToDateRec(app, value, oldStart);
    }
    DateRec start, end;
    MergeApptTimes(start, end);
    appt->put_Start(DateRecToPoom(app, start));
    appt->put_End(DateRecToPoom(app, end));
    bool recurWritten = false;
    if (!g_ApptEditFlags.occurrenceOnly) {
        PoomPtr<IRecurrencePattern> pattern;
        appt->GetRecurrencePattern(pattern.Out());
        DATE patternStart = POOM_NO_DATE;
        appt->get_Start(&patternStart);
        recurWritten = s.occurs > 0;
        if (!ApplyRecurChoice(appt.Get(), pattern.Get(), s.occurs, DayOf(start), patternStart, dialog)) return 0;
    }
    appt->put_Categories((g_EditorPrjCats + s.categories).c_str());
    g_ChangeMarks.ownChange = 1;
    if (!SendOrSaveAppt(dialog, appt.Get(), meeting)) {
        g_ChangeMarks.ownChange = 0;  // nothing of ours will come back from the store
        return 0;
    }
    if (isNew) appt->get_Oid(&oid);
    else oid = g_CurItem.oid;
    appt.Reset();
    StoreItemCustomIcon(oid, s.icon, false);
    if (NewItemInPrj) {
        PrjTreeApptSaved(oid);
        NewItemInPrj = 0;
    }
    UpdateCacheAfterSave(oid, isNew, recurWritten, oldStart, start, end);
    if (ViewId == kViewDates || ViewId == kViewDay) {
        ResetSelection();
        RefreshSchedList();
    } else {
        g_CurItem.rowIndex = kNoId;
    }
    return 1;
}
