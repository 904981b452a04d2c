// The sorted anniversary list: binary narrowing to a scan start, sorted insertion and the age text.
#include "core/anniv_list.h"

#include <algorithm>

#include "platform/text.h"

AnnivArray g_AnnivList;

namespace {

// Below this many entries between the bounds the callers' linear scan is cheaper than halving.
constexpr int kLinearScanSpan = 11;

// (month, day) comes after the entry's month and day.
bool DayAfter(int month, int day, const AnnivEntry& entry) {
    return month > entry.date.wMonth || (month == entry.date.wMonth && day > entry.date.wDay);
}

}  // namespace

bool AnnivIsOn(const AnnivEntry& entry, int month, int day) {
    return entry.date.wMonth == month && entry.date.wDay == day;
}

int AnnivLowerBound(const AnnivArray& list, int month, int day) {
    int lo = 0;
    int hi = list.Size() - 1;
    while (hi - lo >= kLinearScanSpan) {
        const int mid = lo + (hi - lo) / 2;
        if (DayAfter(month, day, list[mid])) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return lo;
}

int AnnivFindByDate(const AnnivArray& list, const DateRec& date) {
    return AnnivLowerBound(list, date.wMonth, date.wDay);
}

AnnivEntry GetAnnivEntryAt(const AnnivArray& list, int index) {
    if (index < 0 || index >= list.Size()) return AnnivEntry{};
    return list[index];
}

void AnnivArrAddSorted(AnnivArray& list, AnnivEntry entry) {
    const int month = entry.date.wMonth;
    const int day = entry.date.wDay;
    int at = AnnivLowerBound(list, month, day);
    while (at < list.Size() && !DayAfter(list[at].date.wMonth, list[at].date.wDay, entry)) ++at;
    list.InsertAt(at, std::move(entry));
}

void AnnivArrSortAppended(AnnivArray& list, int from) {
    if (from < 0 || from >= list.Size()) return;
    // Equal days keep their order, the earlier entries first: each insert goes after its equals.
    const auto byDay = [](const AnnivEntry& a, const AnnivEntry& b) {
        return DayAfter(b.date.wMonth, b.date.wDay, a);
    };
    std::stable_sort(list.begin() + from, list.end(), byDay);
    std::inplace_merge(list.begin(), list.begin() + from, list.end(), byDay);
}

std::u16string FormatAnnivAgeText(const AnnivEntry& entry, int shownYear) {
    const int years = shownYear - entry.date.wYear;
    return platform::FormatW(years == 1 ? u"%s (%d yr)" : u"%s (%d yrs)", entry.name.c_str(), years);
}
