// The Attendees dialog of the appointment editors.
#pragma once

#include "platform/types.h"

// Command 40096: edits g_AttendeeArray; sets the attendees-changed flag when the list changed.
void AttendeesDlg(HWND owner);
