// The stored form of a list row (the saved views keep their rows in it): a version number, the
// numbers, the two texts and the eight date fields, each a value of the record-file stream.
#include "ui/list_rows.h"

#include <array>

namespace {

constexpr LONG kRowRecVersion = 1;

// The numbers in their stored order.
constexpr std::array<LONG ListRow::*, 7> kRowNumbers = {
    &ListRow::kind, &ListRow::collapsed, &ListRow::hidden, &ListRow::id,
    &ListRow::secondId, &ListRow::value, &ListRow::extra,
};

std::u16string_view StoredText(const std::u16string& text) {
    return std::u16string_view(text).substr(0, kStoredRowTextChars);
}

}  // namespace

bool SerializeRowRec(ListRow& row, RecordFile& file, bool store) {
    if (store) {
        bool ok = WriteNumLine(file, kRowRecVersion);
        for (LONG ListRow::*field : kRowNumbers) ok = WriteNumLine(file, row.*field) && ok;
        ok = WriteStrLine(file, StoredText(row.text)) && ok;
        ok = WriteStrLine(file, StoredText(row.secondText)) && ok;
        const DateRec& d = row.date;
        for (WORD part : {d.wYear, d.wMonth, d.wDayOfWeek, d.wDay, d.wHour, d.wMinute, d.wSecond, d.wMilliseconds}) {
            ok = WriteNumLine(file, part) && ok;
        }
        return ok;
    }
    ReadNumLine(file);  // the version: every release so far wrote 1
    for (LONG ListRow::*field : kRowNumbers) row.*field = ReadNumLine(file);
    row.text = ReadStrLine(file);
    row.secondText = ReadStrLine(file);
    std::array<LONG, 8> parts{};
    for (LONG& part : parts) part = ReadNumLine(file);
    // The weekday and the milliseconds read are not used: the date is built from the rest.
    row.date = DateRec(parts[0], parts[1], parts[3], parts[4], parts[5], parts[6]);
    return !file.endOfFile;
}
