// The item link table: every link of every task, appointment and contact to another item, a file or
// a web address, kept in memory sorted by the owning item and saved whole to "linkinfo.dat" in the
// program folder after every change.
#pragma once

#include <string>
#include <string_view>

#include "core/record_array.h"
#include "core/record_file.h"
#include "platform/types.h"

// What a link points at.
enum LinkKind : LONG {
    kLinkNone = -1,
    kLinkTask = 1,
    kLinkAppt = 2,
    kLinkContact = 3,
    kLinkWeb = 4,
    kLinkFile = 5,
};

inline constexpr LONG kNoLinkTarget = -1;
inline constexpr const WCHAR* kLinkInfoFile = u"linkinfo.dat";

struct LinkRecord {
    LONG owner = -1;
    LONG target = kNoLinkTarget;  // the linked item's OID; -1 for file and web links
    LONG kind = kLinkNone;
    std::u16string text;          // the path or address of kinds 4 and 5; empty for item links
};

// Ascending owner order (signed); the records of one owner in the order they were added.
using LinkTable = RecordArray<LinkRecord>;
extern LinkTable g_LinkTable;

// Index of the owner's first record, or -1.
int FindLinkByKey(const LinkTable& table, LONG owner);
bool LinkExists(const LinkTable& table, LONG owner, LONG target);
// An item link is two records, one each way, so each item lists the other.
void AddLinkPair(LinkTable& table, LONG a, LONG b, LONG kindOfA, LONG kindOfB);
void AddLinkToText(LinkTable& table, LONG owner, std::u16string_view text, LONG kind);
// Behind the last record whose owner is not greater; the index it went to.
int InsertLinkSorted(LinkTable& table, LinkRecord record);
// Index 0 to the count; -1 for any other.
int LinkInsertAt(LinkTable& table, int index, LinkRecord record);
// The new count, -1 for a bad index.
int RemoveLinkAt(LinkTable& table, int index);
// The owner's first record whose text equals the text ignoring case; true when one went.
bool RemoveLinkByText(LinkTable& table, LONG owner, std::u16string_view text);
// Every (a, b) and (b, a) record; how many went.
int RemoveLinkPair(LinkTable& table, LONG a, LONG b);
// Every record the item owns or points at; true when any went.
bool RemoveItemLinks(LinkTable& table, LONG oid);
// A copy, or an empty record for a bad index.
LinkRecord GetLinkAt(const LinkTable& table, int index);
std::u16string GetLinkName(const LinkRecord& record);

// The file format: the count, then text, owner, target and kind per record. Reading stops where a
// damaged file ends; false when it ended before the counted records were whole.
bool SerializeLinkRec(LinkRecord& record, RecordFile& file, bool writing);
bool SerializeLinks(LinkTable& table, RecordFile& file, bool writing);

// A missing file leaves the table as it is.
void LoadLinkInfoFile();
// Replaces the file whole; nothing when it cannot be created.
void SaveLinkInfoFile();
// An item that is gone takes its links along; the file is saved when any went.
void DropItemLinks(LONG oid);
