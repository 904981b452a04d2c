// The recently viewed contacts, newest first, kept in "zqctsview.dat" in the program folder.
#pragma once

#include "core/id_index.h"
#include "core/record_file.h"
#include "platform/types.h"

// A pair's key is the contact's OID; its value is stored and read back as it is.
using CtsViewPair = IdPair;
using CtsViewPairArray = RecordArray<CtsViewPair>;

inline constexpr int kMaxRecentContacts = 12;
inline constexpr const WCHAR* kRecentContactsFile = u"zqctsview.dat";

extern CtsViewPairArray g_CtsViewPairs;

// Writing: the OID line, then the value line; reading the same. False when the file ended.
bool SerializePair(CtsViewPair& pair, RecordFile& file, bool writing);
void SaveCtsView();
void LoadCtsView();
// Drops pairs of OID -1 and of contacts that are no longer loaded, then saves.
void PruneCtsViewPairs();
void RemoveCtsViewPairs(LONG oid);
// The contact moves to the front (its earlier pairs go), at most kMaxRecentContacts stay; saves.
void PutCtsViewPairFirst(LONG oid);
