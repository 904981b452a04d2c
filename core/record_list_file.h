// Side files that hold a count and then that many records (categories, templates): the count is
// only an upper bound, so that a damaged file ends the list where its records end instead of
// appending without bound.
#pragma once

#include "core/record_array.h"
#include "core/record_file.h"

// read(record, file) reads one record and returns false when the file ended before it was whole;
// such a record is left out.
template <class E, class Read>
RecordArray<E> ReadRecordList(RecordFile& file, Read&& read) {
    RecordArray<E> records;
    const LONG count = ReadNumLine(file);
    for (LONG i = 0; i < count && !file.endOfFile; ++i) {
        E record;
        if (!read(record, file)) break;
        records.Append(std::move(record));
    }
    return records;
}

// Reads the count of a list inside a record (its category names) and appends that many strings,
// stopping at the end of the file. Returns false when the file ended first.
bool ReadStrList(RecordFile& file, RecordArray<std::u16string>& strings);
// Writes the count and the strings, each cut to maxChars characters.
void WriteStrList(RecordFile& file, const RecordArray<std::u16string>& strings, std::size_t maxChars);
