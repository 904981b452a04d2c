// Reading and writing the recently viewed contacts list; every change rewrites the whole file.
#include "lists/cts_recent.h"

#include <cstdio>
#include <memory>

#include "core/cts_loading.h"
#include "core/program_folder.h"
#include "core/record_list_file.h"
#include "core/view_id.h"
#include "lists/cts_view.h"
#include "platform/files.h"

CtsViewPairArray g_CtsViewPairs;

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

FileHandle OpenListFile(const WCHAR* mode) {
    return FileHandle(_wfopen(ProgramFolderFile(kRecentContactsFile).c_str(), mode));
}

void RemovePairsOf(LONG oid) {
    for (int i = g_CtsViewPairs.Size() - 1; i >= 0; --i) {
        if (g_CtsViewPairs[i].key == oid) g_CtsViewPairs.RemoveAt(i);
    }
}

}  // namespace

bool SerializePair(CtsViewPair& pair, RecordFile& file, bool writing) {
    if (writing) {
        WriteNumLine(file, pair.key);
        WriteNumLine(file, pair.value);
        return true;
    }
    pair.key = ReadNumLine(file);
    pair.value = ReadNumLine(file);
    return !file.endOfFile;
}

void SaveCtsView() {
    const FileHandle handle = OpenListFile(u"w");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, g_CtsViewPairs.Size());
    for (CtsViewPair& pair : g_CtsViewPairs) SerializePair(pair, file, true);
}

void LoadCtsView() {
    g_CtsViewPairs.RemoveAll();
    const FileHandle handle = OpenListFile(u"r");
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    g_CtsViewPairs = ReadRecordList<CtsViewPair>(
        file, [](CtsViewPair& pair, RecordFile& f) { return SerializePair(pair, f, false); });
}

void PruneCtsViewPairs() {
    for (int i = g_CtsViewPairs.Size() - 1; i >= 0; --i) {
        const LONG oid = g_CtsViewPairs[i].key;
        if (oid == kNoId || IdIndexGet(oid, g_CtsIdIndex) < 0) g_CtsViewPairs.RemoveAt(i);
    }
    SaveCtsView();
}

void RemoveCtsViewPairs(LONG oid) {
    RemovePairsOf(oid);
    SaveCtsView();
}

void PutCtsViewPairFirst(LONG oid) {
    if (oid == kNoId) return;
    RemovePairsOf(oid);
    g_CtsViewPairs.InsertAt(0, CtsViewPair{0, oid});
    if (g_CtsViewPairs.Size() > kMaxRecentContacts) g_CtsViewPairs.RemoveAt(g_CtsViewPairs.Size() - 1);
    SaveCtsView();
    // The contacts' rows follow at once where the new order may show: from the Dates view, whose
    // previews record viewed contacts, and in the contacts view itself.
    if (ViewId == kViewDates || ViewId == kViewContacts) ReLoadCts(true);
}
