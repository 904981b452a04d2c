// The toolkit's main-window routines the frame calls: hiding the view windows, the view background,
// pumping messages without keys, and the go-to-date and today commands.
#pragma once

#include "platform/types.h"

void HideAllViewWindows();
void DrawViewBkgnd(HDC dc);
// Dispatches the pending messages, dropping WM_HOTKEY and WM_KEYDOWN.
void PumpMessagesSkipKeyDown();
// The same, dropping WM_KEYDOWN, WM_KEYUP and WM_HOTKEY.
void PumpMessagesSkipKeys();
// The go-to-date dialog and "Today" for the current view.
void GoToDateForView();
void TodayForView();
// Picks a custom icon for the item of that OID.
void PickItemCustomIcon(HWND window, LONG oid);
