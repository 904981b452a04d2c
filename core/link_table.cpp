// The item link table and "linkinfo.dat". Views ask the table for every row they draw, so the owner
// lookup halves the range before a short scan; the file keeps the records in table order and is read
// back in file order without sorting, as files written by earlier runs expect.
#include "core/link_table.h"

#include "core/file_handle.h"
#include "core/item_links.h"
#include "core/prj_cats.h"
#include "core/program_folder.h"
#include "core/record_list_file.h"
#include "platform/files.h"
#include "platform/text.h"

LinkTable g_LinkTable;

namespace {

// Below this span the lookup scans instead of halving.
constexpr int kLinearScanSpan = 10;

bool IsItemKind(LONG kind) { return kind == kLinkTask || kind == kLinkAppt || kind == kLinkContact; }

}  // namespace

int FindLinkByKey(const LinkTable& table, LONG owner) {
    int lo = 0;
    int hi = table.Size() - 1;
    while (hi - lo > kLinearScanSpan) {
        const int mid = lo + (hi - lo) / 2;
        if (owner <= table[mid].owner)
            hi = mid;
        else
            lo = mid;
    }
    for (int i = lo; i < table.Size(); ++i)
        if (table[i].owner == owner) return i;
    return -1;
}

bool LinkExists(const LinkTable& table, LONG owner, LONG target) {
    const int first = FindLinkByKey(table, owner);
    if (first < 0) return false;
    for (int i = first; i < table.Size() && table[i].owner == owner; ++i)
        if (table[i].target == target) return true;
    return false;
}

void AddLinkPair(LinkTable& table, LONG a, LONG b, LONG kindOfA, LONG kindOfB) {
    InsertLinkSorted(table, LinkRecord{a, b, kindOfB, {}});
    InsertLinkSorted(table, LinkRecord{b, a, kindOfA, {}});
}

void AddLinkToText(LinkTable& table, LONG owner, std::u16string_view text, LONG kind) {
    InsertLinkSorted(table, LinkRecord{owner, kNoLinkTarget, kind, std::u16string(text)});
}

int InsertLinkSorted(LinkTable& table, LinkRecord record) {
    const int found = FindLinkByKey(table, record.owner);
    int at = found < 0 ? 0 : found;
    while (at < table.Size() && table[at].owner <= record.owner) ++at;
    return LinkInsertAt(table, at, std::move(record));
}

int LinkInsertAt(LinkTable& table, int index, LinkRecord record) { return table.InsertAt(index, std::move(record)); }

int RemoveLinkAt(LinkTable& table, int index) { return table.RemoveAt(index); }

bool RemoveLinkByText(LinkTable& table, LONG owner, std::u16string_view text) {
    const int first = FindLinkByKey(table, owner);
    if (first < 0) return false;
    for (int i = first; i < table.Size() && table[i].owner == owner; ++i) {
        if (platform::CompareNoCase(table[i].text, text) == 0) {
            table.RemoveAt(i);
            return true;
        }
    }
    return false;
}

namespace {

int RemoveTargetsOf(LinkTable& table, LONG owner, LONG target) {
    int removed = 0;
    int i = FindLinkByKey(table, owner);
    if (i < 0) return 0;
    while (i < table.Size() && table[i].owner == owner) {
        if (table[i].target == target) {
            table.RemoveAt(i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

}  // namespace

int RemoveLinkPair(LinkTable& table, LONG a, LONG b) { return RemoveTargetsOf(table, a, b) + RemoveTargetsOf(table, b, a); }

bool RemoveItemLinks(LinkTable& table, LONG oid) {
    bool removed = false;
    int i = 0;
    while (i < table.Size()) {
        // A file or web link's target is -1, which is never an item's OID.
        const LinkRecord& link = table[i];
        if (link.owner == oid || (link.target == oid && IsItemKind(link.kind))) {
            table.RemoveAt(i);
            removed = true;
        } else {
            ++i;
        }
    }
    return removed;
}

LinkRecord GetLinkAt(const LinkTable& table, int index) {
    if (index < 0 || index >= table.Size()) return LinkRecord{};
    return table[index];
}

std::u16string GetLinkName(const LinkRecord& record) { return record.text; }

bool SerializeLinkRec(LinkRecord& record, RecordFile& file, bool writing) {
    if (writing) {
        bool written = WriteStrLine(file, record.text);
        written = WriteNumLine(file, record.owner) && written;
        written = WriteNumLine(file, record.target) && written;
        return WriteNumLine(file, record.kind) && written;
    }
    record.text = ReadStrLine(file);
    record.owner = ReadNumLine(file);
    record.target = ReadNumLine(file);
    record.kind = ReadNumLine(file);
    return !file.endOfFile;
}

bool SerializeLinks(LinkTable& table, RecordFile& file, bool writing) {
    if (writing) {
        bool written = WriteNumLine(file, table.Size());
        for (LinkRecord& record : table) written = SerializeLinkRec(record, file, true) && written;
        return written;
    }
    // The count is not trusted: a damaged file ends the table where its records end, and records
    // after a count that is too small are kept.
    bool whole = false;
    table = ReadRecordList<LinkRecord>(
        file, [](LinkRecord& record, RecordFile& f) { return SerializeLinkRec(record, f, false); }, &whole);
    return whole;
}

namespace {

FileHandle OpenLinkInfo(const WCHAR* mode) { return FileHandle(_wfopen(ProgramFolderFile(kLinkInfoFile).c_str(), mode)); }

}  // namespace

void LoadLinkInfoFile() {
    const FileHandle handle = OpenLinkInfo(u"r");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    SerializeLinks(g_LinkTable, file, false);
}

void SaveLinkInfoFile() {
    FileHandle handle = OpenLinkInfo(u"w");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    SerializeLinks(g_LinkTable, file, true);
}

void DropItemLinks(LONG oid) {
    if (RemoveItemLinks(g_LinkTable, oid)) SaveLinkInfoFile();
}

int RemoveItemLinks(LONG oid) {
    const int before = g_LinkTable.Size();
    RemoveItemLinks(g_LinkTable, oid);
    return before - g_LinkTable.Size();
}

void AddLinkRec(LONG itemOid, LONG linkedOid, LONG itemKind, LONG linkedKind) {
    AddLinkPair(g_LinkTable, itemOid, linkedOid, itemKind, linkedKind);
}

bool ItemHasLinks(LONG oid) { return FindLinkByKey(g_LinkTable, oid) >= 0; }
