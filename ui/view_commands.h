// The toolkit's main-window routines the frame calls: the view background, the go-to-date and today
// commands and the custom icon of an item; hiding the view windows and the pumps without keys.
#pragma once

#include "platform/types.h"
#include "ui/main_routines.h"
#include "ui/view_focus.h"

void DrawViewBkgnd(HDC dc);
// The go-to-date dialog and "Today" for the current view.
void GoToDateForView();
void TodayForView();
// Picks a custom icon for the item of that OID.
void PickItemCustomIcon(HWND window, LONG oid);
