// Appointments changed without an editor: the copy and delete commands, the clean-up of old and
// subjectless appointments, and bringing one saved appointment into the month cache in place.
#pragma once

#include "core/appt_record.h"
#include "editors/item_commands.h"
#include "platform/types.h"

// Reads the appointment (its occurrence on the date) and inserts it into its month and the
// neighbour month of the day.
void UpdateApptInCache(LONG oid, int year, int month, int day);
// The same, replacing the record and span of the OID; 0 when it cannot be read.
int ReplaceExistingAppt(LONG oid, int year, int month, int day);
// The neighbour month whose window holds the day, false when none: the previous month for the
// first seven days, the next for the last six.
bool NeighbourMonth(int year, int month, int day, int& outYear, int& outMonth);
// Whether the appointment goes into the cache's spans as multi-day, and its span then: from version
// 4 on an end at exactly midnight counts one minute earlier.
bool ApptGoesIntoSpans(const ApptRecord& appt, TimeSpan& span);

// Commands 40008 (copy), Delete and 40211 (clean-up) are declared with the other commands.
// Delete's steps: 1 when an appointment was deleted.
int DeleteSelectedAppt();
// The clean-up's dialog and passes.
INT_PTR CALLBACK CleanUpApptsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillAgeSpanCombo(HWND combo, int index);
void CleanUpOldAppts();
void CleanUpNoSubjectAppts();

// The clean-up choices, kept between uses.
struct CleanUpChoices {
    LONG deleteOld = 0;
    LONG deleteNoSubject = 0;
    LONG ageDays = -1;
    LONG deletedCount = 0;
};
extern CleanUpChoices g_CleanUp;
