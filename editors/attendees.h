// The attendees of the appointment being edited: a meeting's recipients, kept while an editor is
// open, sorted by display name as they are added, and written back as POOM recipients.
#pragma once

#include <string>

#include "core/record_array.h"
#include "platform/poom.h"
#include "platform/types.h"

struct Attendee {
    std::u16string name;
    std::u16string address;
};

using AttendeeList = RecordArray<Attendee>;

extern AttendeeList g_AttendeeArray;

void AttendArrRemoveAll();
// Grows with empty pairs or shrinks.
void AttendArrSetSize(int size);
// -1 for an index outside the array, which is left alone; else the new size.
int AttendArrRemoveAt(int index);
// Before the first entry whose name sorts after the new one (ignoring case); equal names keep the
// order they were added in. Returns the position.
int AttendInsertSorted(const std::u16string& name, const std::u16string& address);

// The array from the appointment's recipients, in POOM's order. Returns the count read.
int LoadAttendeesFromAppt(IAppointment* appt);
// Replaces the appointment's recipients by the array. Returns false when POOM refused one.
bool WriteAttendeesToAppt(IAppointment* appt);
