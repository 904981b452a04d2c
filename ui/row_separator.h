// The separator line the calendar lists draw under a row, which the toolkit's row boxes share.
#pragma once

#include "platform/types.h"

// In the item border colour: dashed and inset at both ends for list-background style 2, else solid.
void DrawSeparator(HDC dc, int y, int x1, int x2, int inset);
// One-pixel lines in the item border colour.
void DrawDashedLine(HDC dc, int y, int x1, int x2);
void DrawSolidLine(HDC dc, int y, int x1, int x2);
