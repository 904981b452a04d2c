// Reading whole appointments, occurrences, attendees, notes and titles from POOM by OID. Every
// interface is held by a PoomPtr and so released on every way out; every fetch is tested, so an item
// deleted meanwhile gives a failure instead of a crash.
#include "core/appt_readers.h"

#include <string>

#include "core/custom_icon.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/show_message.h"
#include "core/store_values.h"
#include "core/text_util.h"
#include "platform/memory.h"
#include "platform/system.h"
#include "platform/user.h"

// The date every calendar view shows (the month cache keeps it).
extern DateRec g_SelectedDate;

namespace {

// On this version a series is always read as itself.
constexpr int kOsMajorSeriesOnly = 3;
// How far back an occurrence of a series running past midnight is looked for.
constexpr int kOccurStepBackDays = 31;
constexpr LONG kMeetingStatusMeeting = olMeeting;

// The text of a getter's BSTR, freed in any case; empty when the getter failed.
std::u16string Bstr(HRESULT hr, BSTR text) {
    std::u16string result = TakeBstr(text);
    if (FAILED(hr)) result.clear();
    return result;
}

std::u16string NumberText(LONG value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

void ShowRecurError(const std::u16string& text) {
    ShowMessage(g_Frame.mainWnd, text.c_str(), MB_ICONEXCLAMATION);
}

// The fields after the recurring flag, in POOM's order, then the icon and the categories.
void ReadApptFields(IPOutlookApp* app, IAppointment& appt, ApptRecord& record) {
    LONG oid = record.oid;
    if (SUCCEEDED(appt.get_Oid(&oid))) record.oid = oid;
    BSTR text = nullptr;
    HRESULT hr = appt.get_Subject(&text);
    record.subject = Bstr(hr, text);
    text = nullptr;
    hr = appt.get_Location(&text);
    record.location = Bstr(hr, text);
    DATE start = 0;
    if (SUCCEEDED(appt.get_Start(&start))) PoomDateToDateRec(app, start, record.start);
    appt.get_Duration(&record.duration);
    record.duration = ApptMinutesInRange(record.duration);
    VARIANT_BOOL flag = VARIANT_FALSE;
    if (SUCCEEDED(appt.get_ReminderSet(&flag))) record.reminderSet = flag;
    appt.get_ReminderMinutesBeforeStart(&record.reminderMinutes);
    appt.get_BusyStatus(&record.busyStatus);
    record.busyStatus = BusyStatusInRange(record.busyStatus);
    appt.get_Sensitivity(&record.sensitivity);
    record.sensitivity = SensitivityInRange(record.sensitivity);
    LONG meeting = 0;
    if (SUCCEEDED(appt.get_MeetingStatus(&meeting))) record.meeting = meeting == kMeetingStatusMeeting ? 1 : 0;
    flag = VARIANT_FALSE;
    if (SUCCEEDED(appt.get_AllDayEvent(&flag))) record.allDay = flag;
    text = nullptr;
    hr = appt.get_Body(&text);
    const std::u16string notes = TrimSpaces(Bstr(hr, text));
    if (!notes.empty()) {
        record.notes = notes;
        record.hasNotes = 1;
    }
    const LONG icon = LookupCustomIcon(record.oid);
    if (icon != -1) record.icon = icon;
    const CatIcon takeIcon = icon == -1 ? CatIcon::Take : CatIcon::Keep;
    if (GetOsMajorVersion() >= kOsMajor5) {
        AttachItemCategories(record.oid, g_CatAssocLists.appts, g_CatList, record, takeIcon);
    } else {
        text = nullptr;
        hr = appt.get_Categories(&text);
        SplitCatList(record, Bstr(hr, text), takeIcon == CatIcon::Take);
    }
}

// A record made fresh for a full read.
void ResetForRead(ApptRecord& record) {
    record = ApptRecord();
    record.light = 0;
}

LONG RecurringFlag(IAppointment& appt) {
    VARIANT_BOOL recurring = VARIANT_FALSE;
    return SUCCEEDED(appt.get_IsRecurring(&recurring)) && recurring ? 1 : 0;
}

// Start and duration of a series or an occurrence, as a record for the day tests; false when they
// cannot be read.
bool ReadSpan(IPOutlookApp* app, IAppointment& appt, ApptRecord& probe) {
    DATE start = 0;
    if (FAILED(appt.get_Start(&start)) || !PoomDateToDateRec(app, start, probe.start)) return false;
    VARIANT_BOOL allDay = VARIANT_FALSE;
    if (SUCCEEDED(appt.get_AllDayEvent(&allDay))) probe.allDay = allDay;
    if (FAILED(appt.get_Duration(&probe.duration))) return false;
    probe.duration = ApptMinutesInRange(probe.duration);
    return true;
}

// The series' appointments end on another day than they start.
bool SeriesSpansDays(IPOutlookApp* app, IAppointment& series) {
    ApptRecord probe;
    return ReadSpan(app, series, probe) && ApptSpansDays(probe);
}

// An occurrence found on an earlier day still runs on the day asked for.
bool OccurrenceCoversDay(IPOutlookApp* app, IAppointment& occurrence, const DateRec& day) {
    ApptRecord probe;
    return ReadSpan(app, occurrence, probe) && ApptCoversDay(probe, day.wYear, day.wMonth, day.wDay);
}

// The notes of a task or a contact; out is left as it is when they cannot be read.
template <class Item>
void ReadItemBody(LONG oid, REFIID iid, std::u16string& out) {
    if (oid == -1) return;
    const PoomPtr<Item> item = GetPoomItem<Item>(GetPoomApp(), oid, iid);
    if (!item) return;
    BSTR body = nullptr;
    const HRESULT hr = item->get_Body(&body);
    std::u16string text = TakeBstr(body);
    if (SUCCEEDED(hr)) out = std::move(text);
}

}  // namespace

int LoadApptFromPOOM(LONG oid, ApptRecord& record) {
    IPOutlookApp2* app = GetPoomApp();
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!appt) return 0;
    ResetForRead(record);
    record.recurring = RecurringFlag(*appt);
    ReadApptFields(app, *appt, record);
    return 1;
}

int LoadApptOccurFromPOOM(LONG oid, ApptRecord& record, const DateRec& date) {
    // Callers pass the start of the very record being filled; the reset below would clear it.
    const DateRec day(date.wYear, date.wMonth, date.wDay);
    IPOutlookApp2* app = GetPoomApp();
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!appt) return 0;
    ResetForRead(record);
    record.recurring = RecurringFlag(*appt);
    if (record.recurring && GetOsMajorVersion() != kOsMajorSeriesOnly) {
        appt.Reset();
        appt = ReadRecurPattern(oid, day);
        if (!appt) return 0;
    }
    ReadApptFields(app, *appt, record);
    return 1;
}

int LoadApptByOid(LONG oid, ApptRecord& record, const DateRec& date) {
    if (oid == -1) return 0;
    return LoadApptOccurFromPOOM(oid, record, date);
}

PoomPtr<IAppointment> ReadRecurPattern(LONG oid, const DateRec& date) {
    IPOutlookApp2* app = GetPoomApp();
    if (!app) return PoomPtr<IAppointment>();
    const DateRec day(date.wYear, date.wMonth, date.wDay);
    const PoomPtr<IAppointment> series = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!series) {
        ShowRecurError(u"Error: Recur Main Error(" + NumberText(oid) + u")");
        g_CurItem.oid = kNoOid;
        return PoomPtr<IAppointment>();
    }
    PoomPtr<IRecurrencePattern> pattern;
    if (FAILED(series->GetRecurrencePattern(pattern.Out())) || !pattern) {
        ShowRecurError(u"Error: Get Recur Pattern");
        return PoomPtr<IAppointment>();
    }
    PoomPtr<IAppointment> occurrence;
    if (SUCCEEDED(pattern->GetOccurrence(DayToPoom(app, day), occurrence.Out())) && occurrence) return occurrence;
    occurrence.Reset();
    if (!SeriesSpansDays(app, *series)) return occurrence;
    // The day may be a later day of an occurrence that started before it. The nearest earlier
    // occurrence is the one; when it ends before the day, the day has none.
    DateRec earlier = day;
    for (int step = 0; step < kOccurStepBackDays; ++step) {
        DateSubDays(earlier, 1);
        if (SUCCEEDED(pattern->GetOccurrence(DayToPoom(app, earlier), occurrence.Out())) && occurrence) {
            if (!OccurrenceCoversDay(app, *occurrence, day)) occurrence.Reset();
            return occurrence;
        }
        occurrence.Reset();
    }
    return occurrence;
}

LONG IsCurApptMeeting() {
    const CurItem& selection = g_CurItem;
    if (selection.kind != kItemAppt || selection.oid == kNoOid) return 0;
    ApptRecord record;
    if (!LoadApptByOid(selection.oid, record, g_SelectedDate)) return 0;
    return record.meeting;
}

int GetApptAttendees(LONG oid, StrArray& names) {
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
    if (!appt) return 0;
    PoomPtr<IRecipients> recipients;
    if (FAILED(appt->get_Recipients(recipients.Out())) || !recipients) return 1;
    int count = 0;
    if (FAILED(recipients->get_Count(&count))) return 1;
    for (int i = 1; i <= count; ++i) {
        PoomPtr<IRecipient> recipient;
        if (FAILED(recipients->Item(i, recipient.Out())) || !recipient) break;
        BSTR name = nullptr;
        const HRESULT hr = recipient->get_Name(&name);
        if (SUCCEEDED(hr)) names.Append(TakeBstr(name));
        else TakeBstr(name);
    }
    return 1;
}

void GetTskTextProp(LONG oid, std::u16string& out) { ReadItemBody<ITask>(oid, IID_ITask, out); }

void GetCtsTextProp(LONG oid, std::u16string& out) { ReadItemBody<IContact>(oid, IID_IContact, out); }

int GetItemPropsText(IDispatch* contact, std::u16string& text, LONG& field) {
    const PoomPtr<IItem> item = QueryPoom<IItem>(contact, IID_IItem);
    if (!item) return 0;
    CEPROPID propId = 0;
    GetCtsSmartPropField(item.Get(), field, propId);
    if (field == -1) return 0;
    const HANDLE heap = GetProcessHeap();
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    if (SUCCEEDED(item->GetProps(&propId, CEDB_ALLOWREALLOC, 1, &values, &bytes, heap)) && values) {
        std::u16string value;
        FormatPropVal(value, propId, values);
        // The callers' buffer holds this many characters with the terminator.
        text = value.substr(0, kPropsTextChars - 1);
    }
    if (values) HeapFree(heap, 0, values);
    return 0;
}

void GetItemTitleByOid(LONG oid, LONG kind, std::u16string& out) {
    switch (kind) {
    case kItemAppt: {
        ApptRecord record;
        if (oid != -1 && LoadApptOccurFromPOOM(oid, record, g_SelectedDate)) out = record.subject;
        else out.clear();
        break;
    }
    case kItemTask: {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        BSTR subject = nullptr;
        if (!task || FAILED(task->get_Subject(&subject))) {
            TakeBstr(subject);
            break;
        }
        WCHAR letter = 0;
        LONG number = 0;
        ParseLetterNumberPrefix(out, TakeBstr(subject), letter, number);
        break;
    }
    case kItemContact: {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        BSTR fileAs = nullptr;
        if (contact && SUCCEEDED(contact->get_FileAs(&fileAs))) out = TakeBstr(fileAs);
        else TakeBstr(fileAs);
        break;
    }
    default: break;
    }
}
