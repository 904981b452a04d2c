// In-place edits of the cached months, the day search and the day marks.
#include "core/month_cache_edit.h"

#include "core/anniv_list.h"
#include "core/month_cache.h"

namespace {

// Below this many records the caller's forward scan beats halving.
constexpr int kLinearScanSpan = 11;

template <class Array>
int RemoveFirstWithOid(Array* records, LONG oid) {
    if (!records) return 0;
    for (int i = 0; i < records->Size(); ++i) {
        if ((*records)[i].oid != oid) continue;
        records->RemoveAt(i);
        return 1;
    }
    return 0;
}

int RemoveFromMonth(LONG oid, int year, int month, LONG alsoSpans) {
    const int at = FindMonthBucket(year, month);
    if (at < 0) return 0;
    if (alsoSpans != 0) RemoveSpanByOid(g_ApptCache.spanLists[at].get(), oid);
    return RemoveApptByOid(g_ApptCache.apptLists[at].get(), oid);
}

// True when a starts after b, or at the same moment (to the second).
bool StartsAtOrAfter(const DateRec& a, const DateRec& b) { return !DateIsBefore(a, b); }

}  // namespace

int FindMonthBucket(int year, int month) {
    for (int i = 0; i < g_ApptCache.keys.Size(); ++i)
        if (g_ApptCache.keys[i].year == year && g_ApptCache.keys[i].month == month) return i;
    return -1;
}

int RemoveApptFromMonthBuckets(LONG oid, int year, int month, int day, LONG alsoSpans) {
    const int removed = RemoveFromMonth(oid, year, month, alsoSpans);
    const int length = DaysInMonth(DateRec(year, month, 1));
    int otherYear = 0, otherMonth = 0;
    // A day this close to the month's end or start lies in the neighbour month's window too.
    if (day >= length - kMonthWindowDaysBack) {
        NextMonth(year, month, otherYear, otherMonth);
        RemoveFromMonth(oid, otherYear, otherMonth, alsoSpans);
    } else {
        if (day <= kMonthWindowEndDay) {
            PrevMonth(year, month, otherYear, otherMonth);
            RemoveFromMonth(oid, otherYear, otherMonth, alsoSpans);
        }
        // A span that runs on into the next month was carried into that month's spans when it was
        // read, whatever its start day; left there it would still show the appointment.
        if (alsoSpans != 0) {
            NextMonth(year, month, otherYear, otherMonth);
            const int next = FindMonthBucket(otherYear, otherMonth);
            if (next >= 0) RemoveSpanByOid(g_ApptCache.spanLists[next].get(), oid);
        }
    }
    return removed;
}

int RemoveApptByOid(ApptArray* appts, LONG oid) { return RemoveFirstWithOid(appts, oid); }

int RemoveSpanByOid(SpanArray* spans, LONG oid) { return RemoveFirstWithOid(spans, oid); }

int ReplaceSpanByOid(SpanArray* spans, const TimeSpan& span) {
    if (!spans) return 0;
    for (TimeSpan& existing : *spans) {
        if (existing.oid != span.oid) continue;
        existing = span;
        return 1;
    }
    return 0;
}

// The start index comes from the array being edited, which need not be the shown month's.
int ReplaceApptByOid(ApptArray* appts, ApptRecord record) {
    if (!appts) return 0;
    for (int i = FindFirstOnDate(appts, record.start); i < appts->Size(); ++i) {
        if ((*appts)[i].oid != record.oid) continue;
        (*appts)[i] = std::move(record);
        return 1;
    }
    return 0;
}

int InsertApptSorted(ApptArray* appts, ApptRecord record) {
    if (!appts) return 0;
    for (int i = FindFirstOnDate(appts, record.start); i < appts->Size(); ++i) {
        if (!StartsAtOrAfter((*appts)[i].start, record.start)) continue;
        appts->InsertAt(i, std::move(record));
        return 1;
    }
    appts->Append(std::move(record));
    return 1;
}

int InsertSpanSorted(SpanArray* spans, const TimeSpan& span) {
    if (!spans) return 0;
    for (int i = 0; i < spans->Size(); ++i) {
        if (!StartsAtOrAfter((*spans)[i].start, span.start)) continue;
        spans->InsertAt(i, span);
        return 1;
    }
    spans->Append(span);
    return 1;
}

int FindFirstOnDate(const DateRec& date) { return FindFirstOnDate(g_ApptCache.curAppts, date); }

int FindFirstOnDate(const ApptArray* appts, const DateRec& date) {
    if (!appts || appts->IsEmpty()) return 0;
    const ApptArray& list = *appts;
    int low = 0;
    int high = list.Size() - 1;
    while (high - low >= kLinearScanSpan) {
        const int mid = low + (high - low) / 2;
        const int order = CompareDay(list[mid].start, date.wYear, date.wMonth, date.wDay);
        if (order > 0) {
            high = mid;
        } else if (order == 0) {
            int first = mid;
            while (first > 0 && CompareDay(list[first - 1].start, date.wYear, date.wMonth, date.wDay) == 0) --first;
            // The record before the day, from which the caller's scan skips forward.
            return first > 0 ? first - 1 : 0;
        } else {
            low = mid;
        }
    }
    return low;
}

LONG GetDayMarkKind(const DateRec& date) {
    const AnnivArray& list = g_AnnivList;
    bool birthday = false;
    bool anniversary = false;
    // The list is in month and day order: the scan ends at the first entry after the day. A day
    // without entries gives a start at the list's end or at a later entry: no mark.
    for (int i = AnnivFindByDate(list, date); i >= 0 && i < list.Size(); ++i) {
        const AnnivEntry& entry = list[i];
        if (entry.date.wMonth > date.wMonth || (entry.date.wMonth == date.wMonth && entry.date.wDay > date.wDay)) break;
        if (!AnnivIsOn(entry, date.wMonth, date.wDay)) continue;
        if (entry.kind == kAnnivBirthday) birthday = true;
        if (entry.kind == kAnnivAnniversary) anniversary = true;
    }
    if (birthday && anniversary) return kDayMarkBoth;
    if (birthday) return kDayMarkBirthday;
    return anniversary ? kDayMarkAnniversary : kDayMarkNone;
}

int FindRecordByTwoKeys(LONG contactOid, LONG kind) {
    for (int i = 0; i < g_AnnivList.Size(); ++i)
        if (g_AnnivList[i].contactOid == contactOid && g_AnnivList[i].kind == kind) return i;
    return -1;
}
