// Filling the month cache from the restricted calendar collection, switching between cached months,
// and the lists of all appointments and all multi-day spans.
#include "core/month_cache.h"

#include <algorithm>
#include <string>

#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/date_text.h"
#include "core/log_file.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/store_values.h"
#include "core/text_util.h"
#include "platform/text.h"

ApptMonthCache g_ApptCache;
ApptArray g_AllApptsArray;
SpanArray g_MultiDaySpans;
DateRec g_SelectedDate;

namespace {

constexpr const WCHAR* kStartRestriction = u"[Start] >= \"%s\" AND [Start] < \"%s\"";

int MonthLengthOf(int year, int month) { return DaysInMonth(DateRec(year, month, 1)); }

// Same OID and same start to the minute: a collection repeats an occurrence it already gave.
bool IsRepeatedElement(LONG oid, const DateRec& start, LONG prevOid, const DateRec& prevStart) {
    return oid == prevOid && start.wYear == prevStart.wYear && start.wMonth == prevStart.wMonth &&
           start.wDay == prevStart.wDay && start.wHour == prevStart.wHour && start.wMinute == prevStart.wMinute;
}

void ApplyCustomIcon(ApptRecord& appt) {
    const LONG icon = IdIndexGet(appt.oid, g_CustomIconIndex);
    if (icon != kNoId) appt.icon = icon;
}

CatIcon TakeIconFor(const ApptRecord& appt) { return appt.icon == -1 ? CatIcon::Take : CatIcon::Keep; }

void ReadCategoriesFromText(IAppointment* item, ApptRecord& appt) {
    BSTR text = nullptr;
    if (FAILED(item->get_Categories(&text))) return;
    SplitCatList(appt, TakeBstr(text), TakeIconFor(appt) == CatIcon::Take);
}

// Where the categories of an appointment come from: the store's pairs from version 5 on.
enum class CatSource { Pairs, Text };

CatSource CatSourceOfSystem() { return GetOsMajorVersion() >= kOsMajor5 ? CatSource::Pairs : CatSource::Text; }

// The light record of one element of a month's collection.
void ReadLightRecord(IAppointment* item, ApptRecord& appt, CatSource cats) {
    BSTR subject = nullptr;
    if (SUCCEEDED(item->get_Subject(&subject))) appt.subject = TakeBstr(subject);
    item->get_Duration(&appt.duration);
    appt.duration = ApptMinutesInRange(appt.duration);
    VARIANT_BOOL allDay = VARIANT_FALSE;
    item->get_AllDayEvent(&allDay);
    appt.allDay = allDay != 0 ? 1 : 0;
    appt.light = 1;
    item->get_BusyStatus(&appt.busyStatus);
    appt.busyStatus = BusyStatusInRange(appt.busyStatus);
    item->get_Sensitivity(&appt.sensitivity);
    appt.sensitivity = SensitivityInRange(appt.sensitivity);
    ApplyCustomIcon(appt);
    if (cats == CatSource::Pairs) {
        AttachItemCategories(appt.oid, g_CatAssocLists.appts, g_CatList, appt, TakeIconFor(appt));
    } else {
        ReadCategoriesFromText(item, appt);
    }
}

PoomPtr<IPOutlookItemCollection> CalendarItems(IPOutlookApp* app) {
    PoomPtr<IFolder> folder;
    if (!app || FAILED(app->GetDefaultFolder(olFolderCalendar, folder.Out())) || !folder) return {};
    PoomPtr<IPOutlookItemCollection> items;
    if (FAILED(folder->get_Items(items.Out()))) items.Reset();
    return items;
}

// Runs f on every appointment of the collection, stopping at the first element that cannot be had.
template <class F>
void ForEachAppt(IPOutlookItemCollection* items, F&& f) {
    int count = 0;
    if (FAILED(items->get_Count(&count))) return;
    for (int i = 1; i <= count; ++i) {
        PoomPtr<IDispatch> element;
        if (FAILED(items->Item(i, element.Out())) || !element) return;
        PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(element.Get(), IID_IAppointment);
        if (!appt) return;
        f(appt.Get());
    }
}

void FillMonth(IPOutlookApp* app, int year, int month) {
    PoomPtr<IPOutlookItemCollection> items(GetCurrentAppt(app, year, month));
    if (!items) {
        WriteLog(u"ReLoadApptPOOM: pItemCollection == NULL");
        return;
    }
    const MidnightRule rule = GetOsMajorVersion() >= kOsMajor4 ? MidnightRule::Shorten : MidnightRule::Keep;
    const CatSource cats = CatSourceOfSystem();
    LONG prevOid = kNoId;
    DateRec prevStart;
    ForEachAppt(items.Get(), [&](IAppointment* item) {
        ApptRecord appt;
        item->get_Oid(&appt.oid);
        DATE start = 0;
        if (SUCCEEDED(item->get_Start(&start))) PoomDateToDateRec(app, start, appt.start);
        if (IsRepeatedElement(appt.oid, appt.start, prevOid, prevStart)) return;
        prevOid = appt.oid;
        prevStart = appt.start;
        ReadLightRecord(item, appt, cats);
        TimeSpan span;
        if (g_ApptCache.curSpans && MakeMultiDaySpan(appt.start, appt.duration, appt.oid, rule, span))
            g_ApptCache.curSpans->Append(span);
        g_ApptCache.curAppts->Append(std::move(appt));
    });
}

}  // namespace

void MonthWindow(int year, int month, DateRec& start, DateRec& end) {
    int prevYear = 0, prevMonth = 0, nextYear = 0, nextMonth = 0;
    PrevMonth(year, month, prevYear, prevMonth);
    NextMonth(year, month, nextYear, nextMonth);
    start = DateRec(prevYear, prevMonth, MonthLengthOf(prevYear, prevMonth) - kMonthWindowDaysBack);
    end = DateRec(nextYear, nextMonth, kMonthWindowEndDay);
}

bool MakeMultiDaySpan(const DateRec& start, LONG minutes, LONG oid, MidnightRule rule, TimeSpan& span) {
    span = TimeSpan{start, minutes, oid};
    if (!SpanSpansDays(span)) return false;
    if (rule == MidnightRule::Keep) return true;
    const DateRec end = GetSpanEnd(span);
    if (end.wHour != 0 || end.wMinute != 0 || end.wSecond != 0) return true;
    span.minutes = minutes - 1;
    return SpanSpansDays(span);
}

IPOutlookItemCollection* GetCurrentAppt(IPOutlookApp* app, int year, int month) {
    DateRec start, end;
    MonthWindow(year, month, start, end);
    std::u16string startText, endText;
    FormatDateText(startText, start);
    FormatDateText(endText, end);
    const std::u16string restriction = platform::FormatW(kStartRestriction, startText.c_str(), endText.c_str());
    if (!app) {
        WriteLog(u"GetCurrentAppt: No Outlook App");
        return nullptr;
    }
    PoomPtr<IFolder> folder;
    if (FAILED(app->GetDefaultFolder(olFolderCalendar, folder.Out())) || !folder) {
        WriteLog(u"GetCurrentAppt: Default Folder Error");
        return nullptr;
    }
    PoomPtr<IPOutlookItemCollection> items;
    if (FAILED(folder->get_Items(items.Out())) || !items) {
        WriteLog(u"GetCurrentAppt: Get Items Error");
        return nullptr;
    }
    folder.Reset();
    items->put_IncludeRecurrences(VARIANT_TRUE);
    BSTR text = SysAllocString(restriction.c_str());
    if (!text) {
        WriteLog(u"GetCurrentAppt: Null Restrictions");
        return nullptr;
    }
    PoomPtr<IPOutlookItemCollection> restricted;
    const HRESULT hr = items->Restrict(text, restricted.Out());
    items.Reset();
    SysFreeString(text);
    if (!restricted) {
        WriteLog(u"GetCurrentAppt: Null Item Collection");
        return nullptr;
    }
    if (FAILED(hr)) {
        WriteLog(u"GetCurrentAppt: End Failed");
        return nullptr;
    }
    return restricted.Detach();
}

int InsertMonthKey(int year, int month) {
    RecordArray<MonthKey>& keys = g_ApptCache.keys;
    int at = 0;
    while (at < keys.Size() && (keys[at].year < year || (keys[at].year == year && keys[at].month <= month))) ++at;
    return keys.InsertAt(at, MonthKey{month, year});
}

void ClearApptMonthCache() {
    // Fresh lists rather than RemoveAll: the months are freed now, not when their slots are reused.
    g_ApptCache.keys = RecordArray<MonthKey>();
    g_ApptCache.apptLists = RecordArray<std::shared_ptr<ApptArray>>();
    g_ApptCache.spanLists = RecordArray<std::shared_ptr<SpanArray>>();
    g_ApptCache.curAppts = nullptr;
    g_ApptCache.curSpans = nullptr;
}

namespace {

// Appends to into the spans of (fromYear, fromMonth) that reach into (year, month), the following
// month, and start before its window. A span that starts inside the window comes again from the
// month's own query; carrying it too would put the appointment into the month's spans twice. A span
// already there is not added again.
void CarrySpansInto(const SpanArray& from, int fromYear, int fromMonth, int year, int month, SpanArray& into) {
    DateRec windowStart, windowEnd;
    MonthWindow(year, month, windowStart, windowEnd);
    for (const TimeSpan& span : from) {
        if (span.start.wYear != fromYear || span.start.wMonth != fromMonth) continue;
        if (!DateIsBefore(span.start, windowStart)) continue;
        const DateRec end = GetSpanEnd(span);
        if (end.wYear < year || (end.wYear == year && end.wMonth < month)) continue;
        const bool present = std::any_of(into.begin(), into.end(), [&](const TimeSpan& held) {
            return held.oid == span.oid && DateEqual(held.start, span.start);
        });
        if (!present) into.Append(span);
    }
}

// The split month reads the next month before the shown one; the spans of the shown month that run
// on into the next are carried there once the shown month is read.
void CarryIntoNextMonth(int year, int month) {
    int nextYear = 0, nextMonth = 0;
    NextMonth(year, month, nextYear, nextMonth);
    const int next = FindMonthBucket(nextYear, nextMonth);
    if (next < 0 || !g_ApptCache.curSpans) return;
    CarrySpansInto(*g_ApptCache.curSpans, year, month, nextYear, nextMonth, *g_ApptCache.spanLists[next]);
}

}  // namespace

void CarryPrevMonthSpans(int year, int month) {
    SpanArray* current = g_ApptCache.curSpans;
    if (!current) return;
    int prevYear = 0, prevMonth = 0;
    PrevMonth(year, month, prevYear, prevMonth);
    const int prev = FindMonthBucket(prevYear, prevMonth);
    if (prev < 0) return;
    CarrySpansInto(*g_ApptCache.spanLists[prev], prevYear, prevMonth, year, month, *current);
}

void ReLoadApptPOOM(int year, int month, LONG reload) {
    int at = FindMonthBucket(year, month);
    if (at >= 0) {
        g_ApptCache.curAppts = g_ApptCache.apptLists[at].get();
        g_ApptCache.curSpans = g_ApptCache.spanLists[at].get();
        if (reload == 0) return;
        g_ApptCache.curAppts->RemoveAll();
        g_ApptCache.curSpans->RemoveAll();
    } else {
        at = InsertMonthKey(year, month);
        g_ApptCache.apptLists.InsertAt(at, std::make_shared<ApptArray>());
        g_ApptCache.spanLists.InsertAt(at, std::make_shared<SpanArray>());
        g_ApptCache.curAppts = g_ApptCache.apptLists[at].get();
        g_ApptCache.curSpans = g_ApptCache.spanLists[at].get();
    }
    CarryPrevMonthSpans(year, month);
    FillMonth(GetPoomApp(), year, month);
    CarryIntoNextMonth(year, month);
}

void LoadApptsForMonth(LONG reset, LONG reloadCats) {
    if (reset != 0) {
        ClearApptMonthCache();
        g_AllApptsArray.RemoveAll();
        g_MultiDaySpans.RemoveAll();
    }
    if (reloadCats != 0) {
        LoadCategories();
        ReloadCategoryAssoc();
    }
    const int year = g_SelectedDate.wYear;
    const int month = g_SelectedDate.wMonth;
    LONG r = reset;
    if (g_Settings.nextMonthPrev != 0 && g_Settings.splitMonth != 0) {
        int nextYear = 0, nextMonth = 0;
        NextMonth(year, month, nextYear, nextMonth);
        ReLoadApptPOOM(nextYear, nextMonth, r);
        r = 0;
    }
    if (g_Settings.cacheLast != 0) {
        int prevYear = 0, prevMonth = 0;
        PrevMonth(year, month, prevYear, prevMonth);
        ReLoadApptPOOM(prevYear, prevMonth, reset);
        r = 0;
    }
    ReLoadApptPOOM(year, month, r);
    g_ApptCache.loaded = 1;
}

void ReLoadNextMonthAppts() {
    if (g_Settings.nextMonthPrev == 0 || g_Settings.splitMonth == 0) return;
    // Both current arrays go back to the shown month, so the views never see one month's
    // appointments beside another month's spans.
    ApptArray* shownAppts = g_ApptCache.curAppts;
    SpanArray* shownSpans = g_ApptCache.curSpans;
    int nextYear = 0, nextMonth = 0;
    NextMonth(g_SelectedDate.wYear, g_SelectedDate.wMonth, nextYear, nextMonth);
    ReLoadApptPOOM(nextYear, nextMonth, 0);
    g_ApptCache.curAppts = shownAppts;
    g_ApptCache.curSpans = shownSpans;
}

void OpenApptMonthByOid(LONG oid) {
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    if (!appt) return;
    DATE start = 0;
    DateRec date;
    if (FAILED(appt->get_Start(&start)) || !PoomDateToDateRec(app, start, date)) return;
    g_SelectedDate = DateRec(date.wYear, date.wMonth, date.wDay);
    appt.Reset();
    ReLoadApptPOOM(date.wYear, date.wMonth, 0);
}

void ReloadAllAppts() {
    const bool ce5 = GetOsMajorVersion() >= kOsMajor5;
    if (ce5) LoadAllApptsPOOM();
    g_ApptCache.curSpans = &g_MultiDaySpans;
    if (ce5) LoadMultiDaySpans();
}

void LoadAllApptsPOOM() {
    g_ApptCache.curAppts = &g_AllApptsArray;
    g_AllApptsArray.RemoveAll();
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IPOutlookItemCollection> items = CalendarItems(app);
    if (!items) return;
    ForEachAppt(items.Get(), [&](IAppointment* item) {
        ApptRecord appt;
        BSTR text = nullptr;
        if (SUCCEEDED(item->get_Subject(&text))) appt.subject = TakeBstr(text);
        item->get_Oid(&appt.oid);
        text = nullptr;
        if (SUCCEEDED(item->get_Location(&text))) appt.location = TakeBstr(text);
        DATE start = 0;
        if (SUCCEEDED(item->get_Start(&start))) PoomDateToDateRec(app, start, appt.start);
        ApplyCustomIcon(appt);
        ReadCategoriesFromText(item, appt);
        // The body itself tells whether there are notes.
        text = nullptr;
        if (SUCCEEDED(item->get_Body(&text))) {
            std::u16string body = TrimSpaces(TakeBstr(text));
            if (!body.empty()) {
                appt.hasNotes = 1;
                appt.notes = std::move(body);
            }
        }
        g_AllApptsArray.Append(std::move(appt));
    });
}

void LoadMultiDaySpans() {
    g_MultiDaySpans.RemoveAll();
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IPOutlookItemCollection> items = CalendarItems(app);
    if (!items) return;
    const MidnightRule rule = GetOsMajorVersion() >= kOsMajor5 ? MidnightRule::Shorten : MidnightRule::Keep;
    ForEachAppt(items.Get(), [&](IAppointment* item) {
        DateRec start;
        DATE date = 0;
        if (SUCCEEDED(item->get_Start(&date))) PoomDateToDateRec(app, date, start);
        LONG minutes = 0, oid = kNoId;
        item->get_Duration(&minutes);
        item->get_Oid(&oid);
        TimeSpan span;
        if (MakeMultiDaySpan(start, ApptMinutesInRange(minutes), oid, rule, span)) g_MultiDaySpans.Append(span);
    });
}
