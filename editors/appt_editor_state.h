// The list-style appointment editor's program-wide values: ApptEditorState, which its rows edit,
// the companions its load and save use beside it, and the appointment editors' shared flags.
#pragma once

#include <string>

#include "core/date_rec.h"
#include "editors/appt_list_fields.h"
#include "platform/types.h"

struct ApptEditorState {
    LONG reminder = 0;  // 0..11, -1 while a custom reminder is in use
    LONG occurs = 0;    // 0..20
    LONG status = 2;    // POOM's busy status: 0 free, 1 tentative, 2 busy, 3 out of office
    LONG allDay = 0;
    std::u16string notes;
    std::u16string subject;
    std::u16string categories;  // non-project names, each followed by ","
    std::u16string location;
    // Start and end: the date rows use the day, the time rows the time of day.
    ApptListFields dates;
    LONG sensitivity = 0;  // POOM's sensitivity, 0..3
    LONG icon = -1;
    // The duration the end follows when the start moves.
    LONG keepDuration = 1;
    LONG keptHours = 1;
    LONG keptMinutes = 0;
};

extern ApptEditorState g_ApptEditor;

// The flags one appointment editor keeps while it is open (g_ApptEditFlags) and SelItemNotKind2 are
// the appointment form's, shared by both editors.
#include "editors/appt_form.h"
