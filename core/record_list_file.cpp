// Counted string lists inside records.
#include "core/record_list_file.h"

bool ReadStrList(RecordFile& file, RecordArray<std::u16string>& strings) {
    strings.RemoveAll();
    const LONG count = ReadNumLine(file);
    for (LONG i = 0; i < count && !file.endOfFile; ++i) {
        std::u16string text = ReadStrLine(file);
        if (file.endOfFile) break;
        strings.Append(std::move(text));
    }
    return !file.endOfFile;
}

void WriteStrList(RecordFile& file, const RecordArray<std::u16string>& strings, std::size_t maxChars) {
    WriteNumLine(file, strings.Size());
    for (const std::u16string& text : strings) WriteStrLine(file, std::u16string_view(text).substr(0, maxChars));
}
