// One saved appointment brought into the month cache without reading the month again: inserted,
// or replacing the record of its OID, in its month and in the neighbour month whose window holds
// its day.
#include "core/appt_readers.h"
#include "core/appt_record.h"
#include "core/cat_loading.h"
#include "core/item_filters.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "editors/appt_maint.h"
#include "platform/text.h"
#include "platform/user.h"

namespace {

constexpr int kFirstWindowDays = 7;
constexpr int kLastWindowDays = 5;

enum class CacheEdit { Insert, Replace };

void EditBucket(int bucket, const ApptRecord& record, bool multiDay, const TimeSpan& span, CacheEdit edit) {
    ApptArray* appts = g_ApptCache.apptLists[bucket].get();
    SpanArray* spans = g_ApptCache.spanLists[bucket].get();
    if (edit == CacheEdit::Insert) {
        InsertApptSorted(appts, record);
        if (multiDay) InsertSpanSorted(spans, span);
    } else {
        ReplaceApptByOid(appts, record);
        if (multiDay) ReplaceSpanByOid(spans, span);
    }
}

// 1 done; 0 the appointment could not be read (the cache is then unchanged).
int PutApptInCache(LONG oid, int year, int month, int day, CacheEdit edit) {
    // An item saved without a start has no month to go into.
    if (!IsMonthLoadOn() || month < 1 || month > 12) {
        LoadApptsForMonth(1, 1);
        return 1;
    }
    LoadCategories();
    ReloadCategoryAssoc();
    if (oid == -1) return 1;
    ApptRecord record;
    if (!LoadApptOccurFromPOOM(oid, record, DateRec(year, month, day))) {
        if (edit == CacheEdit::Replace) {
            ShowMessage(nullptr, platform::FormatW(u"Replace Existing - LoadAppt fail: %d", static_cast<int>(oid)).c_str(), MB_OK);
        }
        return 0;
    }
    TimeSpan span;
    const bool multiDay = ApptGoesIntoSpans(record, span);
    const int bucket = FindMonthBucket(year, month);
    if (bucket >= 0) EditBucket(bucket, record, multiDay, span, edit);
    int otherYear = 0, otherMonth = 0;
    if (NeighbourMonth(year, month, day, otherYear, otherMonth)) {
        const int other = FindMonthBucket(otherYear, otherMonth);
        if (other >= 0) EditBucket(other, record, multiDay, span, edit);
    }
    return 1;
}

}  // namespace

bool NeighbourMonth(int year, int month, int day, int& outYear, int& outMonth) {
    if (day <= kFirstWindowDays) {
        PrevMonth(year, month, outYear, outMonth);
        return true;
    }
    if (day >= DaysInMonth(DateRec(year, month, 1)) - kLastWindowDays) {
        NextMonth(year, month, outYear, outMonth);
        return true;
    }
    return false;
}

bool ApptGoesIntoSpans(const ApptRecord& appt, TimeSpan& span) {
    if (!ApptSpansDays(appt)) return false;
    const MidnightRule rule = GetOsMajorVersion() >= kOsMajor4 ? MidnightRule::Shorten : MidnightRule::Keep;
    return MakeMultiDaySpan(appt.start, appt.duration, appt.oid, rule, span);
}

void UpdateApptInCache(LONG oid, int year, int month, int day) { PutApptInCache(oid, year, month, day, CacheEdit::Insert); }

int ReplaceExistingAppt(LONG oid, int year, int month, int day) {
    return PutApptInCache(oid, year, month, day, CacheEdit::Replace);
}
