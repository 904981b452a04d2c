// Letter and number priorities and the sorted insert of one task into the task list.
#include "core/tsk_priority.h"

#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/pim_state.h"
#include "core/tsk_loading.h"
#include "platform/text.h"

namespace {

constexpr WCHAR kLetterBase = 64;  // 'A' - 1
constexpr LONG kIntervalFirst = 1;
constexpr const WCHAR* kNoLetterChoice = u"None";

}  // namespace

WCHAR AbcPrioToLetter(LONG index) {
    if (index == 0) return 0;
    return static_cast<WCHAR>(index + kLetterBase);
}

LONG LetterToAbcPrio(WCHAR letter) {
    // Other programs write the prefix in lower case too: "b2: " is priority B.
    if (letter >= u'a' && letter <= u'z') letter = static_cast<WCHAR>(letter - u'a' + u'A');
    if (letter < u'A' || letter > u'Z') return 0;
    return static_cast<LONG>(letter) - kLetterBase;
}

void FillNumberChoices(ValSnap& row, LONG first, LONG last) {
    row.choices.RemoveAll();
    for (LONG n = first; n <= last; ++n) row.choices.Append(platform::FormatW(u"%d", static_cast<int>(n)));
    row.indexValue = 0;
}

void FillLetterChoices(ValSnap& row) {
    row.choices.RemoveAll();
    row.choices.Append(kNoLetterChoice);
    for (LONG index = 1; index <= kAbcPrioLast; ++index)
        row.choices.Append(platform::FormatW(u"%c", static_cast<int>(AbcPrioToLetter(index))));
    row.indexValue = 0;
}

void FillIntervalChoices(ValSnap& row, bool shortList) {
    FillNumberChoices(row, kIntervalFirst, shortList ? kIntervalChoicesShort : kIntervalChoicesLong);
}

void TskArrSetSize(TskArray& tasks, int size, int growStep) { tasks.SetSize(size, growStep); }

int InsertTskRecordSorted(TskArray& tasks, const TskRecord& task, int first, LONG key1, LONG key2, LONG key3,
                          LONG ascending1, LONG ascending2, LONG ascending3) {
    const int count = tasks.Size();
    for (int i = first < 0 ? 0 : first; i < count; ++i) {
        if (!TskCompareKeys(tasks[i], task, key1, key2, key3, ascending1 != 0, ascending2 != 0, ascending3 != 0))
            continue;
        tasks.InsertAt(i, task);
        return i;
    }
    return tasks.Append(task);
}

int InsertTskSorted(LONG oid, int first, LONG key1, LONG key2, LONG key3, LONG ascending1, LONG ascending2,
                    LONG ascending3) {
    TskRecord task;
    FetchTskByOid(oid, task);
    const int at = InsertTskRecordSorted(g_TskList, task, first, key1, key2, key3, ascending1, ascending2, ascending3);
    // Positions behind an inserted record move up, so the whole map is rebuilt; an appended record
    // moves nothing and is entered alone.
    if (at < g_TskList.Size() - 1) {
        RebuildIdSlotMap(g_TskIdIndex, g_TskList);
    } else {
        IdIndexInsert(task.oid, at, g_TskIdIndex);
    }
    return at;
}

int AddTskToList(LONG oid) {
    ReloadCategories();
    InsertTskSorted(oid, 0, g_Settings.taskSort, g_Settings.taskSort2, g_Settings.taskSort3, g_Settings.taskSortAsc1,
                    g_Settings.taskSortAsc2, g_Settings.taskSortAsc3);
    RebuildIdSlotMap(g_TskIdIndex, g_TskList);
    return 1;
}
