// One task in memory: its day tests for the calendar views, the three-key sort comparison of the
// task list, its category and search texts, and the task template element (marker "TSKITEMVER").
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "core/record_array.h"
#include "platform/types.h"

inline constexpr LONG kImportanceNormal = 1;

struct TskRecord {
    TskRecord();  // the four dates at the current local time

    LONG oid = -1;
    LONG reserved = 0;
    LONG icon = -1;
    LONG complete = 0;
    LONG hasDue = 0;
    std::u16string subject;  // without its priority prefix
    std::u16string notes;
    DateRec start;           // year 4501: none
    DateRec due;             // valid when hasDue is set
    DateRec completed;
    DateRec fourthDate;
    LONG importance = kImportanceNormal;  // 0 low, 1 normal, 2 high
    LONG reminderSet = 0;
    LONG sensitivity = 0;
    LONG prefixLetter = 0;   // character code, 0 none
    LONG prefixNumber = 0;
    LONG hasNotes = 0;
    LONG recurring = 0;
    StrArray categories;
};

using TskArray = RecordArray<TskRecord>;

bool TskDueAfterDay(const TskRecord& task, int year, int month, int day);
bool TskDueBeforeDay(const TskRecord& task, int year, int month, int day);
bool TskStartsBeforeDay(const TskRecord& task, int year, int month, int day);
bool TskDueOn(const TskRecord& task, int year, int month, int day);
bool IsTskActiveOn(const TskRecord& task, int year, int month, int day);

bool TskHasCategory(const TskRecord& task, std::u16string_view name);
std::u16string JoinCommaList(const TskRecord& task);
void SplitCommaList(TskRecord& task, std::u16string_view text);
bool MatchSearchText(const TskRecord& task, std::u16string_view search);

// The task sort keys of the sort settings and the sort dialog.
enum TskSortKey : LONG {
    kTskSortName = 0,
    kTskSortPriority = 1,
    kTskSortCategory = 2,
    kTskSortSensitivity = 3,
    kTskSortCompleted = 4,
    kTskSortDueDate = 5,
    kTskSortAdvPriority = 6,
};

// 1 when b belongs before a, -1 when after, 0 when equal under the key.
int TskCompare(const TskRecord& a, const TskRecord& b, LONG key, bool ascending);
// True when b belongs before a under up to three keys.
bool TskCompareKeys(const TskRecord& a, const TskRecord& b, LONG key1, LONG key2, LONG key3, bool ascending1,
                    bool ascending2, bool ascending3);
// Sorts the tasks under up to three keys; equal tasks keep their order, as if each had been
// inserted after its equals.
void StableSortTsks(TskArray& tasks, LONG key1, LONG key2, LONG key3, bool ascending1, bool ascending2,
                    bool ascending3);
// The position before the first listed task that the new one belongs before; the size when none.
// Equal tasks keep their insertion order.
int TskSortedInsertPos(const TskArray& tasks, const TskRecord& task, LONG key1, LONG key2, LONG key3,
                       bool ascending1, bool ascending2, bool ascending3);

inline constexpr const WCHAR* kTskTemplateMarker = u"TSKITEMVER";
inline constexpr LONG kTskTemplateVersion = 2;
// The task template element, version 2 when written; a record without the marker is read as
// version 1 (icon -1, the prefix kept as it was). Returns false when the file ended before the
// record was whole.
bool TskSerialize(TskRecord& task, RecordFile& file, bool store);
