// Editing the cached months in place after the program saved or deleted an appointment itself, the
// search for a day's first appointment that the day painters start from, and the birthday and
// anniversary look-ups of the month, date and contact views.
#pragma once

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "platform/types.h"

// Index of the month's key, or -1.
int FindMonthBucket(int year, int month);
// Removes the appointment from its month and from the neighbour month whose window holds its day;
// with alsoSpans its span also from the next month, into which it may have been carried.
// 1 when it was removed from its own month.
int RemoveApptFromMonthBuckets(LONG oid, int year, int month, int day, LONG alsoSpans);
int RemoveApptByOid(ApptArray* appts, LONG oid);
int RemoveSpanByOid(SpanArray* spans, LONG oid);
int ReplaceSpanByOid(SpanArray* spans, const TimeSpan& span);
int ReplaceApptByOid(ApptArray* appts, ApptRecord record);
// Before the first record that starts at or after the new one; 0 for a null array.
int InsertApptSorted(ApptArray* appts, ApptRecord record);
int InsertSpanSorted(SpanArray* spans, const TimeSpan& span);

// Where a forward scan for the day's appointments begins in the current array (0 when it is
// missing or small); callers skip records of earlier days.
int FindFirstOnDate(const DateRec& date);
int FindFirstOnDate(const ApptArray* appts, const DateRec& date);

inline constexpr LONG kDayMarkNone = 0;
inline constexpr LONG kDayMarkAnniversary = 1;
inline constexpr LONG kDayMarkBirthday = 2;
inline constexpr LONG kDayMarkBoth = 3;
LONG GetDayMarkKind(const DateRec& date);
// The anniversary list's entry of the contact and kind, or -1.
int FindRecordByTwoKeys(LONG contactOid, LONG kind);
