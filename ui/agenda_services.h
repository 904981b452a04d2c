// What the calendar's agenda view window uses of the toolkit beside the drawing primitives: hiding
// the view windows, the item pop-up menu and where a view or preview returns to.
#pragma once

#include "platform/types.h"
#include "ui/popup_menus.h"
#include "ui/view_focus.h"

void RememberLastView();
// Where a preview returns to: 4 opened from outside the lists, else by the current view.
void RememberPreviewOrigin(LONG outside);
LONG GetPreviewOrigin();
