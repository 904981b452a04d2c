// Appointment and time-span day tests and their category and search texts.
#include "core/appt_record.h"

#include "core/text_util.h"
#include "platform/text.h"

namespace {

DateRec EndAfterMinutes(const DateRec& start, LONG minutes) {
    DateRec end = start;
    DateAddSpan(end, DateSpan{0, 0, minutes, 0});
    return end;
}

bool OnDay(const DateRec& date, int year, int month, int day) { return CompareDay(date, year, month, day) == 0; }

// The end a day earlier for all-day appointments, whose end moment is the next midnight.
DateRec ShownEnd(const ApptRecord& appt) {
    DateRec end = GetApptEnd(appt);
    if (appt.allDay != 0) DateSubSpan(end, kOneDaySpan);
    return end;
}

// A day strictly inside (start, end), taken at its midnight.
bool DayInside(const DateRec& start, const DateRec& end, int year, int month, int day) {
    const DateRec midnight(year, month, day);
    return DateIsAfter(midnight, start) && DateIsBefore(midnight, end);
}

}  // namespace

void ApptRecDefaults(ApptRecord& appt) {
    appt.allDay = 0;
    appt.meeting = 0;
    appt.reminderSet = 0;
    appt.sensitivity = 0;
    appt.busyStatus = kBusyStatusBusy;
    appt.icon = -1;
    appt.duration = 0;
    appt.reminderMinutes = 0;
    appt.oid = -1;
    appt.hasNotes = 0;
    appt.recurring = 0;
    appt.light = 0;
    appt.colour = kApptDefaultColour;
}

int CompareDay(const DateRec& date, int year, int month, int day) {
    if (date.wYear != year) return date.wYear < year ? -1 : 1;
    if (date.wMonth != month) return date.wMonth < month ? -1 : 1;
    if (date.wDay != day) return date.wDay < day ? -1 : 1;
    return 0;
}

DateRec GetApptEnd(const ApptRecord& appt) { return EndAfterMinutes(appt.start, appt.duration); }

bool ApptStartsOn(const ApptRecord& appt, int year, int month, int day) { return OnDay(appt.start, year, month, day); }

bool ApptStartsAfterDay(const ApptRecord& appt, int year, int month, int day) {
    return CompareDay(appt.start, year, month, day) > 0;
}

bool ApptEndsOn(const ApptRecord& appt, int year, int month, int day) { return OnDay(ShownEnd(appt), year, month, day); }

bool ApptSpansDays(const ApptRecord& appt) { return !DateSameDay(ShownEnd(appt), appt.start); }

bool ApptCoversDay(const ApptRecord& appt, int year, int month, int day) {
    if (ApptStartsOn(appt, year, month, day)) return true;
    if (!ApptSpansDays(appt)) return false;
    const DateRec end = GetApptEnd(appt);
    return OnDay(end, year, month, day) || DayInside(appt.start, end, year, month, day);
}

int ApptDayPos(const ApptRecord& appt, int year, int month, int day) {
    if (!ApptSpansDays(appt) || !ApptCoversDay(appt, year, month, day)) return -1;
    if (ApptStartsOn(appt, year, month, day)) return 0;
    return OnDay(GetApptEnd(appt), year, month, day) ? 2 : 1;
}

DateRec GetSpanEnd(const TimeSpan& span) { return EndAfterMinutes(span.start, span.minutes); }

bool SpanStartsOn(const TimeSpan& span, int year, int month, int day) { return OnDay(span.start, year, month, day); }

bool SpanCoversDay(const TimeSpan& span, int year, int month, int day) {
    if (SpanStartsOn(span, year, month, day)) return true;
    const DateRec end = GetSpanEnd(span);
    return OnDay(end, year, month, day) || DayInside(span.start, end, year, month, day);
}

bool SpanSpansDays(const TimeSpan& span) { return !DateSameDay(GetSpanEnd(span), span.start); }

bool StrArrHasNoCase(const StrArray& strings, std::u16string_view name) {
    for (const std::u16string& s : strings) {
        if (platform::EqualNoCase(s, name)) return true;
    }
    return false;
}

std::u16string JoinCommas(const StrArray& strings) {
    std::u16string joined;
    for (int i = 0; i < strings.Size(); ++i) {
        if (i > 0) joined += u',';
        joined += strings[i];
    }
    return joined;
}

bool ApptHasCat(const ApptRecord& appt, std::u16string_view name) { return StrArrHasNoCase(appt.categories, name); }

std::u16string JoinApptCats(const ApptRecord& appt) { return JoinCommas(appt.categories); }

bool ApptMatchText(const ApptRecord& appt, std::u16string_view search) {
    const std::u16string needle = LowerText(search);
    for (const std::u16string* text : {&appt.subject, &appt.location, &appt.notes}) {
        if (LowerText(*text).find(needle) != std::u16string::npos) return true;
    }
    return false;
}
