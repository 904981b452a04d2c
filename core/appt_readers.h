// Whole items read from POOM by their OID whenever a view, preview, title or command needs more than
// the month cache keeps: a full appointment, the occurrence of a series on a day, the attendees,
// the notes of a task or a contact, a contact's default-communication text and an item's title.
#pragma once

#include <string>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "core/poom_session.h"
#include "platform/types.h"

// 1 read; 0 when the item cannot be had (the record is untouched then).
int LoadApptFromPOOM(LONG oid, ApptRecord& record);
// As LoadApptFromPOOM, but a series (on systems other than version 3) is read as its occurrence on
// the day of the date; 0 when there is none.
int LoadApptOccurFromPOOM(LONG oid, ApptRecord& record, const DateRec& date);
// 0 for OID -1, else LoadApptOccurFromPOOM.
int LoadApptByOid(LONG oid, ApptRecord& record, const DateRec& date);
// The occurrence of the series on that day; a series whose appointments run past midnight is also
// found from one of the following days (up to 31 days back). Null when none.
PoomPtr<IAppointment> ReadRecurPattern(LONG oid, const DateRec& date);
// The meeting flag of the current appointment's occurrence on the selected date; 0 otherwise.
LONG IsCurApptMeeting();
// Appends the attendee names; 0 when the appointment cannot be had.
int GetApptAttendees(LONG oid, StrArray& names);
// The notes of a task or a contact; out is left unchanged for OID -1 or an item that cannot be had.
void GetTskTextProp(LONG oid, std::u16string& out);
void GetCtsTextProp(LONG oid, std::u16string& out);
// The text of the contact's default-communication field (at most kPropsTextChars - 1 characters)
// and the field's index (-1 none). Returns 0.
inline constexpr std::size_t kPropsTextChars = 512;
int GetItemPropsText(IDispatch* contact, std::u16string& text, LONG& field);
// The display text of an item by kind (1 task, 2 appointment, 3 contact); other kinds leave it.
void GetItemTitleByOid(LONG oid, LONG kind, std::u16string& out);
