// Reading and writing "catinfo.dat" and merging it into the category list.
#include "core/cat_file.h"

#include <cstdio>

#include "core/cat_loading.h"
#include "core/file_handle.h"
#include "core/program_folder.h"
#include "core/record_file.h"
#include "core/record_list_file.h"
#include "platform/files.h"

namespace {

constexpr std::size_t kMarkerLength = std::char_traits<WCHAR>::length(kCatRecordMarker);

void WriteNumber(RecordFile& file, DWORD value) { WriteNumLine(file, static_cast<LONG>(value)); }

DWORD ReadNumber(RecordFile& file) { return static_cast<DWORD>(ReadNumLine(file)); }

void ReadRecord(CatRecord& record, RecordFile& file) {
    const std::u16string first = ReadStrLine(file);
    LONG version = 1;
    if (first.compare(0, kMarkerLength, kCatRecordMarker) == 0) {
        version = ReadNumLine(file);
        record.name = ReadStrLine(file);
    } else {
        record.name = first;
    }
    record.pimId = ReadNumLine(file);
    record.icon = ReadNumLine(file);
    record.colour = ReadNumber(file);
    record.spareId = ReadNumLine(file);
    record.sharedMark = ReadNumber(file);
    if (version < kCatRecordVersion) return;
    for (DWORD CatRecord::*mark : {&CatRecord::calendarMark, &CatRecord::taskMark, &CatRecord::contactMark,
                                   &CatRecord::walletMark, &CatRecord::notesMark}) {
        record.*mark = ReadNumber(file);
    }
    for (DWORD& word : record.reserved) word = ReadNumber(file);
}

void WriteRecord(const CatRecord& record, RecordFile& file) {
    WriteStrLine(file, kCatRecordMarker);
    WriteNumLine(file, kCatRecordVersion);
    WriteStrLine(file, std::u16string_view(record.name).substr(0, kCatNameMaxChars));
    WriteNumLine(file, record.pimId);
    WriteNumLine(file, record.icon);
    WriteNumber(file, record.colour);
    WriteNumLine(file, record.spareId);
    for (DWORD mark : {record.sharedMark, record.calendarMark, record.taskMark, record.contactMark, record.walletMark,
                       record.notesMark}) {
        WriteNumber(file, mark);
    }
    for (DWORD word : record.reserved) WriteNumber(file, word);
}

}  // namespace

bool CatSerialize(CatRecord& record, RecordFile& file, bool store) {
    if (store) {
        WriteRecord(record, file);
        return true;
    }
    ReadRecord(record, file);
    return !file.endOfFile;
}

void SaveCategoriesFile() {
    // A list that failed to load is not the user's categories: writing it would lose the file.
    if (CatListFailedToLoad()) return;
    const FileHandle handle(_wfopen(ProgramFolderFile(kCatFileName).c_str(), u"w"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    WriteNumLine(file, g_CatList.Size());
    for (CatRecord& record : g_CatList) CatSerialize(record, file, true);
}

CatArray ReadCategoriesFile() {
    const FileHandle handle(_wfopen(ProgramFolderFile(kCatFileName).c_str(), u"r"));
    if (!handle) return CatArray();
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    return ReadRecordList<CatRecord>(file, [](CatRecord& record, RecordFile& f) { return CatSerialize(record, f, false); });
}

void MergeCategoriesFromFile(const CatArray& previous) { MergeCatFileAndMarks(g_CatList, ReadCategoriesFile(), previous); }
