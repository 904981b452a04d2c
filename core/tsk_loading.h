// The task list of the PIM store in memory: loading every task through POOM or straight from the PIM
// volume (falling back to POOM when the volume's tasks database cannot be opened), reading one task
// by its OID, and the small data-core routines that go with it.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "core/id_index.h"
#include "core/text_util.h"
#include "core/tsk_record.h"
#include "platform/poom.h"

// Every task, in the order of the three sort keys of the settings.
extern TskArray g_TskList;
// OID -> position in g_TskList.
extern IdIndex g_TskIdIndex;

void LoadTskList(LONG reset);
void LoadTskPOOM();
void LoadTskDb(LONG reset);
// The record keeps its initial values when POOM has no item of that OID.
void FetchTskByOid(LONG oid, TskRecord& task);
void ReadTskPOOM(IPOutlookApp* app, ITask* item, TskRecord& task);

// After a custom icon was picked: the current item's appointment on the shown day takes it.
void SyncApptCustomIcon();
void SetSizeRecords104(ApptArray& records, int size, int growStep);

// Fills text from a message format with numbered inserts ("%1", "%2!d!"); texts are passed as WCHAR
// pointers, numbers as integers. True only when the platform gave a text.
bool FormatMessageTextArgs(std::u16string& text, const WCHAR* format, DWORD_PTR* words);
template <class... Args>
bool FormatMessageText(std::u16string& text, const WCHAR* format, Args... args) {
    static_assert(((std::is_integral_v<Args> || std::is_pointer_v<Args>) && ...), "texts and numbers only");
    DWORD_PTR words[sizeof...(Args) + 1] = {InsertWord(args)...};
    return FormatMessageTextArgs(text, format, sizeof...(Args) ? words : nullptr);
}

// Takes the task out of g_TskList and its OID index; later positions move down by one.
void RemoveItemFromIndexes(LONG oid);
// Enters every task of g_TskList into its OID index again.
void RebuildIdSlotMap();
