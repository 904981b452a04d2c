// One appointment as the calendar views see it, the smaller record the month cache keeps for the
// days an appointment runs over, their day tests, their category and search texts, and the
// appointment template element written and read through the record-file stream.
#pragma once

#include <string>
#include <string_view>

#include "core/date_rec.h"
#include "core/record_array.h"
#include "platform/types.h"

struct RecordFile;

using StrArray = RecordArray<std::u16string>;

// POOM busy status values.
inline constexpr LONG kBusyStatusBusy = 2;
inline constexpr COLORREF kApptDefaultColour = 0xFFFFFF;
// Template strings pass through a buffer of this many characters, terminator included.
inline constexpr std::size_t kTemplateStringBuffer = 1028;

struct ApptRecord {
    std::u16string subject;
    std::u16string location;
    std::u16string notes;
    DateRec start;
    LONG allDay = 0;       // the POOM boolean as read: -1 or 1 for true
    LONG meeting = 0;
    LONG reminderSet = 0;
    LONG sensitivity = 0;  // 0 normal, 1 personal, 2 private, 3 confidential
    LONG busyStatus = kBusyStatusBusy;
    LONG icon = -1;        // custom item icon, -1 none
    LONG duration = 0;     // minutes
    LONG reminderMinutes = 0;
    LONG oid = -1;
    LONG hasNotes = 0;
    LONG recurring = 0;
    LONG light = 0;        // 1: only the month listing's fields were read
    StrArray categories;
    COLORREF colour = kApptDefaultColour;
};

// The numbers back to their construction values; strings, start and categories stay.
void ApptRecDefaults(ApptRecord& appt);

// The part of an appointment that runs over several days.
struct TimeSpan {
    DateRec start;
    LONG minutes = 0;
    LONG oid = -1;
};

using ApptArray = RecordArray<ApptRecord>;
using SpanArray = RecordArray<TimeSpan>;

// Day tests; a date means its year, month and day.
DateRec GetApptEnd(const ApptRecord& appt);
bool ApptStartsOn(const ApptRecord& appt, int year, int month, int day);
bool ApptStartsAfterDay(const ApptRecord& appt, int year, int month, int day);
// All-day appointments end the day before their end moment (it is midnight of the next day).
bool ApptEndsOn(const ApptRecord& appt, int year, int month, int day);
bool ApptSpansDays(const ApptRecord& appt);
bool ApptCoversDay(const ApptRecord& appt, int year, int month, int day);
// -1 not a day of a multi-day appointment; 0 its first day, 1 a middle day, 2 its last day.
int ApptDayPos(const ApptRecord& appt, int year, int month, int day);

DateRec GetSpanEnd(const TimeSpan& span);
bool SpanStartsOn(const TimeSpan& span, int year, int month, int day);
bool SpanCoversDay(const TimeSpan& span, int year, int month, int day);
bool SpanSpansDays(const TimeSpan& span);

bool ApptHasCat(const ApptRecord& appt, std::u16string_view name);
std::u16string JoinApptCats(const ApptRecord& appt);
bool ApptMatchText(const ApptRecord& appt, std::u16string_view search);

// Shared by the record tests: a day of a date compared by year, month, day.
int CompareDay(const DateRec& date, int year, int month, int day);
std::u16string JoinCommas(const StrArray& strings);
bool StrArrHasNoCase(const StrArray& strings, std::u16string_view name);

// The appointment template element: writes (store) or reads one record through the record-file
// stream; strings are cut to 1027 characters. A read returns false when the file ended before the
// record was whole. Meeting, has-notes, recurring, light and colour are not stored.
bool ApptSerialize(ApptRecord& appt, RecordFile& file, bool store);

// The pieces of the template elements shared by appointments and tasks: the eight date fields
// (the weekday recomputed on reading) and a string cut to the template buffer.
void WriteDateFields(RecordFile& file, const DateRec& date);
void ReadDateFields(RecordFile& file, DateRec& date);
void WriteTemplateString(RecordFile& file, const std::u16string& text);
