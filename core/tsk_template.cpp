// The task template element: one TskRecord as a run of record-file values, marked "TSKITEMVER" since
// version 2; elements of version 1 begin with the subject.
#include "core/record_file.h"
#include "core/record_list_file.h"
#include "core/tsk_record.h"

namespace {

constexpr std::size_t kMaxTemplateChars = kTemplateStringBuffer - 1;

// The number fields after the notes, in file order.
constexpr LONG TskRecord::*kTskNumbers[] = {
    &TskRecord::complete, &TskRecord::hasDue, &TskRecord::sensitivity, &TskRecord::reminderSet,
    &TskRecord::hasNotes, &TskRecord::icon,   &TskRecord::importance,  &TskRecord::reserved,
};
constexpr DateRec TskRecord::*kTskDates[] = {&TskRecord::start, &TskRecord::due, &TskRecord::completed,
                                             &TskRecord::fourthDate};

}  // namespace

bool TskSerialize(TskRecord& task, RecordFile& file, bool store) {
    if (store) {
        WriteStrLine(file, kTskTemplateMarker);
        WriteNumLine(file, kTskTemplateVersion);
        WriteTemplateString(file, task.subject);
        WriteTemplateString(file, task.notes);
        for (LONG TskRecord::*field : kTskNumbers) WriteNumLine(file, task.*field);
        for (DateRec TskRecord::*date : kTskDates) WriteDateFields(file, task.*date);
        WriteStrList(file, task.categories, kMaxTemplateChars);
        WriteNumLine(file, task.prefixLetter);
        WriteNumLine(file, task.prefixNumber);
        return true;
    }
    const std::u16string first = ReadStrLine(file);
    LONG version = 1;
    if (first.find(kTskTemplateMarker) != std::u16string::npos) {
        version = ReadNumLine(file);
        task.subject = ReadStrLine(file);
    } else {
        task.subject = first;
    }
    task.notes = ReadStrLine(file);
    for (LONG TskRecord::*field : kTskNumbers) task.*field = ReadNumLine(file);
    if (version < kTskTemplateVersion) task.icon = -1;  // icons were not stored before the marker
    for (DateRec TskRecord::*date : kTskDates) ReadDateFields(file, task.*date);
    if (!ReadStrList(file, task.categories)) return false;
    if (version >= kTskTemplateVersion) {
        task.prefixLetter = ReadNumLine(file);
        task.prefixNumber = ReadNumLine(file);
    }
    return !file.endOfFile;
}
