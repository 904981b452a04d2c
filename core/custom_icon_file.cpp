// "zqicons.dat" beside the program: the custom-icon index as text lines, the count and then each
// pair's OID and icon number in ascending OID order; nothing else, no header.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "core/custom_icon.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/program_folder.h"
#include "core/record_file.h"
#include "platform/files.h"

namespace {

constexpr const WCHAR* kCustomIconsFileName = u"zqicons.dat";

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

}  // namespace

void SaveCustomIconsFile() {
    // "w" through the platform: the file is replaced whole or keeps its previous content.
    const FileHandle handle(_wfopen(ProgramFolderFile(kCustomIconsFileName).c_str(), u"w"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, g_CustomIconIndex.Size());
    for (const IdPair& pair : g_CustomIconIndex) {
        WriteNumLine(file, pair.key);
        WriteNumLine(file, pair.value);
    }
}

void LoadCustomIconsFile() {
    const FileHandle handle(_wfopen(ProgramFolderFile(kCustomIconsFileName).c_str(), u"r"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    g_CustomIconIndex.RemoveAll();
    // The count is not trusted: a damaged one ends at the end of the file instead of reading on,
    // and pairs after one that is too small are kept, so that the next save does not drop them.
    ReadNumLine(file);
    while (!file.endOfFile) {
        IdPair pair;
        pair.key = ReadNumLine(file);
        pair.value = ReadNumLine(file);
        if (file.endOfFile) break;
        g_CustomIconIndex.Append(pair);
    }
    // Lookups search the index as sorted: a file written out of order (by hand, by another
    // program) must not hide an item's icon. Of two pairs for one OID the later one counts.
    std::stable_sort(g_CustomIconIndex.begin(), g_CustomIconIndex.end(),
                     [](const IdPair& a, const IdPair& b) { return a.key < b.key; });
    IdIndex unique;
    for (const IdPair& pair : g_CustomIconIndex) {
        if (!unique.IsEmpty() && unique[unique.Size() - 1].key == pair.key) unique[unique.Size() - 1] = pair;
        else unique.Append(pair);
    }
    g_CustomIconIndex = std::move(unique);
}
