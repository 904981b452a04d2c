// "catinfo.dat" in the program folder: the colour, icon and filter marks of every known category,
// as a text-mode record file. Records of version 1 (before the "ZQCAT2" marker) are still read.
#pragma once

#include "core/cat_record.h"

struct RecordFile;

inline constexpr const WCHAR* kCatFileName = u"catinfo.dat";
inline constexpr const WCHAR* kCatRecordMarker = u"ZQCAT2";
inline constexpr LONG kCatRecordVersion = 2;
inline constexpr std::size_t kCatNameMaxChars = 255;

// Writes (store) or reads one record. A read returns false when the file ended before the record
// was whole; the record then holds what was read.
bool CatSerialize(CatRecord& record, RecordFile& file, bool store);
// Writes the whole global list; a file that cannot be opened is skipped silently.
void SaveCategoriesFile();
// The records of the file; empty when it is missing. A count larger than the records the file
// holds stops at its end.
CatArray ReadCategoriesFile();
// The part of a category load that follows the refill from the PIM store: colours, icons and marks
// from the file, then the marks of the previous list.
void MergeCategoriesFromFile(const CatArray& previous);
