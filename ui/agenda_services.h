// What the calendar's agenda view window uses of the toolkit beside the drawing primitives: hiding
// the view windows, the item pop-up menu, the links key and where a view or preview returns to.
#pragma once

#include "platform/types.h"

void HideAllViewWindows();
// The current item's pop-up menu (22112 appointment, 22113 task, 22114 contact) at a client point.
void ShowSoftKeyPopup(int x, int y);
// 1 when a links key opened the Links dialog of the selected item.
int HandleLinksKey(UINT key);
void RememberLastView();
// Where a preview returns to: 4 opened from outside the lists, else by the current view.
void RememberPreviewOrigin(LONG outside);
LONG GetPreviewOrigin();
