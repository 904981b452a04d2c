// Side files that hold a count and then that many records (categories, templates). The count is
// not trusted either way: a damaged file ends the list where its records end, and whole records
// after a count that is too small are read too, so that the next save does not drop them.
#pragma once

#include "core/record_array.h"
#include "core/record_file.h"

// read(record, file) reads one record and returns false when the file ended before it was whole;
// such a record is left out. countedWhole, when given, tells whether the file held at least as
// many whole records as its count promised.
template <class E, class Read>
RecordArray<E> ReadRecordList(RecordFile& file, Read&& read, bool* countedWhole = nullptr) {
    RecordArray<E> records;
    const LONG count = ReadNumLine(file);
    while (!file.endOfFile) {
        E record;
        if (!read(record, file)) break;
        records.Append(std::move(record));
    }
    if (countedWhole) *countedWhole = records.Size() >= count;
    return records;
}

// Reads the count of a list inside a record (its category names) and appends that many strings,
// stopping at the end of the file. Returns false when the file ended first.
bool ReadStrList(RecordFile& file, RecordArray<std::u16string>& strings);
// Writes the count and the strings, each cut to maxChars characters.
void WriteStrList(RecordFile& file, const RecordArray<std::u16string>& strings, std::size_t maxChars);
