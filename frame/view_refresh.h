// Bringing the views up to date after an item changed.
#pragma once

#include "platform/types.h"

// Bitmap 158's left glyph for state 0, its right glyph otherwise, 9 by 5 at (x, y + 3).
void DrawTwoStateArrow(HDC dc, int x, int y, int state);
// Brings the current view up to date after the task with the id changed.
void RefreshViewAfterItemChange(LONG id, LONG fillArg);
