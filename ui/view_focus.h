// View titles: the window text and the navigation bar's title of a view or a dialog.
#pragma once

#include "platform/types.h"

// Sets the title of the window; null text shows the window's own text again.
void SetTitleText(HWND window, LPCWSTR text);

// Hides the windows of all views (the calendar views then paint into the main window).
void HideAllViewWindows();
