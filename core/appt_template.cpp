// The appointment template element: one ApptRecord as a run of record-file values.
#include "core/appt_record.h"
#include "core/record_file.h"
#include "core/record_list_file.h"

namespace {

constexpr std::size_t kMaxTemplateChars = kTemplateStringBuffer - 1;

// The number fields of the element, in file order.
constexpr LONG ApptRecord::*kApptNumbers[] = {
    &ApptRecord::allDay,   &ApptRecord::reminderSet, &ApptRecord::sensitivity, &ApptRecord::duration,
    &ApptRecord::reminderMinutes, &ApptRecord::busyStatus, &ApptRecord::icon, &ApptRecord::oid,
};

}  // namespace

void WriteDateFields(RecordFile& file, const DateRec& date) {
    for (WORD field : {date.wYear, date.wMonth, date.wDayOfWeek, date.wDay, date.wHour, date.wMinute, date.wSecond,
                       date.wMilliseconds}) {
        WriteNumLine(file, field);
    }
}

void ReadDateFields(RecordFile& file, DateRec& date) {
    WORD* fields[] = {&date.wYear, &date.wMonth, &date.wDayOfWeek, &date.wDay, &date.wHour, &date.wMinute,
                      &date.wSecond, &date.wMilliseconds};
    for (WORD* field : fields) *field = static_cast<WORD>(ReadNumLine(file));
    DateSetDow(date);  // the stored weekday is not trusted
}

void WriteTemplateString(RecordFile& file, const std::u16string& text) {
    WriteStrLine(file, std::u16string_view(text).substr(0, kMaxTemplateChars));
}

bool ApptSerialize(ApptRecord& appt, RecordFile& file, bool store) {
    if (store) {
        for (const std::u16string* text : {&appt.subject, &appt.location, &appt.notes}) WriteTemplateString(file, *text);
        for (LONG ApptRecord::*field : kApptNumbers) WriteNumLine(file, appt.*field);
        WriteDateFields(file, appt.start);
        WriteStrList(file, appt.categories, kMaxTemplateChars);
        return true;
    }
    for (std::u16string* text : {&appt.subject, &appt.location, &appt.notes}) *text = ReadStrLine(file);
    for (LONG ApptRecord::*field : kApptNumbers) appt.*field = ReadNumLine(file);
    ReadDateFields(file, appt.start);
    return ReadStrList(file, appt.categories);
}
