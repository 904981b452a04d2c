// Task day tests, category and search texts, and the task list's sort comparison.
#include "core/tsk_record.h"

#include <algorithm>

#include "core/text_util.h"
#include "platform/text.h"

namespace {

template <class T>
int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// 1 when b belongs before a for an order in which a smaller value comes first when ascending.
int ByValue(int order, bool ascending) { return ascending ? order : -order; }

int CompareDue(const TskRecord& a, const TskRecord& b, bool ascending) {
    // Tasks without a due date go last in both directions.
    if (a.hasDue == 0 || b.hasDue == 0) {
        if (a.hasDue != 0) return -1;
        return b.hasDue != 0 ? 1 : 0;
    }
    return ByValue(-CompareDay(b.due, a.due.wYear, a.due.wMonth, a.due.wDay), ascending);
}

}  // namespace

TskRecord::TskRecord() {
    // One reading of the clock for all four: a list grows by many fresh records at a time.
    DateNow(start);
    due = start;
    completed = start;
    fourthDate = start;
}

bool TskDueAfterDay(const TskRecord& task, int year, int month, int day) {
    return task.hasDue == 0 || CompareDay(task.due, year, month, day) > 0;
}

bool TskDueBeforeDay(const TskRecord& task, int year, int month, int day) {
    return task.hasDue != 0 && CompareDay(task.due, year, month, day) < 0;
}

bool TskStartsBeforeDay(const TskRecord& task, int year, int month, int day) {
    return CompareDay(task.start, year, month, day) < 0;
}

bool TskDueOn(const TskRecord& task, int year, int month, int day) {
    return task.hasDue != 0 && CompareDay(task.due, year, month, day) == 0;
}

bool IsTskActiveOn(const TskRecord& task, int year, int month, int day) {
    if (task.hasDue == 0 || task.start.wYear == kNoDateYear) return false;
    if (CompareDay(task.start, year, month, day) == 0 || TskDueOn(task, year, month, day)) return true;
    return TskDueAfterDay(task, year, month, day) && TskStartsBeforeDay(task, year, month, day);
}

bool TskHasCategory(const TskRecord& task, std::u16string_view name) { return StrArrHasNoCase(task.categories, name); }

std::u16string JoinCommaList(const TskRecord& task) { return JoinCommas(task.categories); }

void SplitCommaList(TskRecord& task, std::u16string_view text) {
    ForEachCommaPiece(text, [&](const std::u16string& piece) { task.categories.Append(piece); });
}

bool MatchSearchText(const TskRecord& task, std::u16string_view search) {
    return LowerText(task.subject).find(LowerText(search)) != std::u16string::npos;
}

int TskCompare(const TskRecord& a, const TskRecord& b, LONG key, bool ascending) {
    switch (key) {
    case kTskSortName: return ByValue(Sign(platform::CompareNoCase(a.subject, b.subject), 0), ascending);
    case kTskSortPriority: return ByValue(Sign(a.importance, b.importance), ascending);
    case kTskSortSensitivity: return ByValue(Sign(a.sensitivity, b.sensitivity), ascending);
    case kTskSortCompleted: return ByValue(Sign(a.complete != 0, b.complete != 0), ascending);
    case kTskSortDueDate: return CompareDue(a, b, ascending);
    case kTskSortAdvPriority: {
        const int byLetter = Sign(a.prefixLetter, b.prefixLetter);
        return ByValue(byLetter != 0 ? byLetter : Sign(a.prefixNumber, b.prefixNumber), ascending);
    }
    default: return 0;  // Category and unknown keys
    }
}

bool TskCompareKeys(const TskRecord& a, const TskRecord& b, LONG key1, LONG key2, LONG key3, bool ascending1,
                    bool ascending2, bool ascending3) {
    if (key1 == kTskSortCategory) {
        key1 = key2;
        key2 = key3;
        key3 = kTskSortName;
    }
    int order = TskCompare(a, b, key1, ascending1);
    if (order != 0) return order > 0;
    if (key2 == key1) return false;
    order = TskCompare(a, b, key2, ascending2);
    if (order != 0) return order > 0;
    if (key3 == key2 || key3 == key1) return false;
    return TskCompare(a, b, key3, ascending3) == 1;
}

void StableSortTsks(TskArray& tasks, LONG key1, LONG key2, LONG key3, bool ascending1, bool ascending2,
                    bool ascending3) {
    std::stable_sort(tasks.begin(), tasks.end(), [&](const TskRecord& a, const TskRecord& b) {
        return TskCompareKeys(b, a, key1, key2, key3, ascending1, ascending2, ascending3);
    });
}

int TskSortedInsertPos(const TskArray& tasks, const TskRecord& task, LONG key1, LONG key2, LONG key3,
                       bool ascending1, bool ascending2, bool ascending3) {
    // The first task that sorts after the new one, by halving: the list is kept in this order, so the
    // tasks that sort after it are all at the end.
    const TskRecord* after = std::upper_bound(tasks.begin(), tasks.end(), task, [&](const TskRecord& a, const TskRecord& b) {
        return TskCompareKeys(b, a, key1, key2, key3, ascending1, ascending2, ascending3);
    });
    return static_cast<int>(after - tasks.begin());
}
