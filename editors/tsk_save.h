// Writing a task through POOM for both task editors: the fields in their fixed order, the reminder
// checks, the recurrence and the save with its messages; then the task list and the views.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "core/poom_session.h"
#include "platform/poom.h"
#include "platform/types.h"

// The values an editor hands to the writer; dates with year 4501 are none.
struct TskFields {
    std::u16string subject;  // written as it stands
    LONG importance = 1;
    DateRec start;
    DateRec due;
    std::u16string notes;
    LONG complete = 0;
    bool writeRecurrence = true;  // false: the recurrence is left alone
    LONG occurs = 0;              // -1: no choice, the pattern stays as it is
    bool patternStartFromDue = false;  // else the start date, the due date when there is none
    DateRec reminderDate;
    DateRec reminderTime;         // year 4501: no time, no reminder written
    LONG sensitivity = 0;
    std::u16string categories;    // the whole text, project categories first
};

// What the reminder fields ask for.
enum class TskReminder { Off, Keep, Set, Refused };
// The time of day a reminder takes when the date has none.
inline constexpr WORD kDefaultReminderHour = 8;
// Both editors' reminder rule: no reminder date is off; then a due date is required (464), no time
// takes the default reminder hour; the reminder, at the reminder date with the time's hour,
// minute and second, must not lie after the due day (465) nor before the start day less 45 days
// (466). The messages use the stop icon; with captioned false they carry no caption.
TskReminder CheckTskReminder(HWND owner, const DateRec& reminderDate, const DateRec& reminderTime, const DateRec& start,
                             const DateRec& due, DateRec& reminder, bool captioned = true);

// Writes the fields into the task and saves it: 1 when saved; 0 after a refusal or a failed save
// (the message shown, nothing saved). The task is released on every path; oid is the item's OID
// after the attempt. A null task returns 0.
int WriteTskFields(HWND owner, PoomPtr<ITask> task, const TskFields& fields, LONG& oid);

// An editor's writer: the task's fields written and saved as WriteTskFields does.
using TskWriter = int (*)(HWND owner, PoomPtr<ITask> task, LONG& oid);
// A new task made and written: "Outlook Error: Unable To Save Task." when none can be made. 1 when saved.
int SaveNewTsk(HWND owner, TskWriter write, LONG& oid);
// The selected task written, with the saving flag set; 0 without a selected task.
int SaveSelectedTsk(HWND owner, TskWriter write, LONG& oid);

// The views after a new task was saved: the task list, the agenda, the schedule list, the tasks view
// selecting it, the project tree.
void AfterNewTskSaved(LONG oid);
// The same after an edited task was saved: it leaves and re-enters the task list.
void AfterEditedTskSaved(LONG oid);

// The custom icon of a saved item: -1 removes its entry (the file written only then) unless always
// is set, any other icon replaces it; the custom icons file is written.
void StoreItemCustomIcon(LONG oid, LONG icon, bool always);

// The task list's selected task (-1 none), and selecting the row of a task.
LONG TskListSelId();
void SelectTskListRow(LONG oid);
