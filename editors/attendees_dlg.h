// The Attendees dialog of the appointment editors: the meeting's attendees chosen among the
// contacts that have an e-mail address, added and removed in place in g_AttendeeArray.
#pragma once

#include "platform/types.h"

// Command 40096: edits g_AttendeeArray; sets the attendees-changed flag when the list changed.
// Cancel puts the array and the flag back; any other end retitles the form "Appointment" or
// "Meeting" by the array.
void AttendeesDlg(HWND owner);
INT_PTR CALLBACK AttendeesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitAttendeesDlg(HWND dialog);
// One row per attendee in array order, else the single row "No Attendees Selected...".
void FillAttendeesList(HWND dialog);
// "Add Attendee": a contact from the chooser.
void AddAttendeesFromCts(HWND dialog);
// The contact with that OID as an attendee, when it is loaded and has an e-mail address (else
// the user is told). True when one was added.
bool AddAttendeeFromCtsOid(HWND dialog, LONG oid);
// "Remove Attendee": the row under the selection mark.
void RemoveSelAttendee(HWND dialog);
