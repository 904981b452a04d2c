// The notes view as the main window switches to it and measures its rows.
#pragma once

#include "platform/commctrl.h"

// Switches to the notes view; with the "/TXT:" switch it opens the handed-over note.
void ShowNotesView();
void MeasureNotesListRow(MEASUREITEMSTRUCT& measure);

// ---- What the outline lists of the toolkit use of the notes list (stand-in in notes/stubs.cpp).
// Enters a folder, goes up for "..", or opens a file: the notes list's Enter.
void OpenSelNotesRow();
