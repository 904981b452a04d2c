// The contact actions and the deleting of completed tasks that the main window's commands run.
#pragma once

// Dials, mails or opens the web page of the current contact by its default field; nothing for any
// other field.
void CtsDefaultAction();
// Shows the current item in the device's own contact viewer, records it as viewed and returns to
// the view. Without skipScheduleSync the current item is first taken from the schedule row.
void ShowCtsInSystem(bool skipScheduleSync);
