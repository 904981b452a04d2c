// The letter and number priority of a task, stored as a prefix of its subject, the choice rows the
// list-style editors offer for it, and putting a saved task into the task list at its sorted place.
#pragma once

#include "core/tsk_record.h"
#include "core/val_snap.h"
#include "platform/types.h"

inline constexpr LONG kAbcPrioLast = 26;  // Z
inline constexpr LONG kIntervalChoicesShort = 50;
inline constexpr LONG kIntervalChoicesLong = 89;

// 0 none, 1 'A' ... 26 'Z'; a lower-case letter reads as its capital, any other code as none.
WCHAR AbcPrioToLetter(LONG index);
LONG LetterToAbcPrio(WCHAR letter);

// Each replaces the row's choices and selects the first.
void FillNumberChoices(ValSnap& row, LONG first, LONG last);
void FillLetterChoices(ValSnap& row);
void FillIntervalChoices(ValSnap& row, bool shortList);

// Reads the task from POOM and puts it into g_TskList after every task that does not belong after
// it, scanning from first; the OID index stays in step. Returns its position.
int InsertTskSorted(LONG oid, int first, LONG key1, LONG key2, LONG key3, LONG ascending1, LONG ascending2,
                    LONG ascending3);
// The same for a record already read, into any task array.
int InsertTskRecordSorted(TskArray& tasks, const TskRecord& task, int first, LONG key1, LONG key2, LONG key3,
                          LONG ascending1, LONG ascending2, LONG ascending3);
// A saved task into the list by the sort settings, the categories reloaded first. Returns 1.
int AddTskToList(LONG oid);
void TskArrSetSize(TskArray& tasks, int size, int growStep);
