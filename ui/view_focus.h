// View titles: the window text and the navigation bar's title of a view or a dialog.
#pragma once

#include "platform/types.h"

// Sets the title of the window; null text shows the window's own text again.
void SetTitleText(HWND window, LPCWSTR text);

// Hides the windows of all views (the calendar views then paint into the main window).
void HideAllViewWindows();

// The position of the contact with that OID in the loaded contact array; -1 when none has it.
LONG FindOidSlot(LONG oid);

// The main window's title becomes the long date of the current appointment's occurrence.
void SetTitleFromCurrentAppt();
