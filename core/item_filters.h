// Item-level tests that the views share: hiding private and completed items before the category
// filter, the calendar folder of the month loader and the phone fields of a contact.
#pragma once

#include "core/appt_record.h"
#include "core/tsk_record.h"
#include "platform/poom.h"
#include "platform/types.h"

// 0 for a private appointment while "HIDEPRIVATE" is on; else the category filter's answer.
BOOL AddApptUnlessHidden(const ApptRecord& record);
// 0 for a completed task while "HIDECOMPLETE" is on or a private one while "HIDEPRIVATE" is on;
// else the category filter's answer for that filter argument.
BOOL TskIsShown(const TskRecord& task, LONG filterKind);
// Appointments are always loaded month by month into the month cache.
bool IsMonthLoadOn();
// The default calendar folder's items without recurrences, or null; the caller releases it.
IPOutlookItemCollection* GetCalendarFolder(IPOutlookApp* app);
// The title secondary colour of the current theme.
COLORREF GetThemeColor5();
// Whether a contact's default field is one of its telephone numbers.
bool IsPhoneCtsField(LONG field);
