// The day bar painter of the month cells, day boxes and list rows, and its arrowed spanning lines.
#pragma once

#include "platform/types.h"

// 1 when the day has an all-day item or a timed item ending on it within the hour range.
int DrawApptBars(HDC dc, int draw, int x, int y, int width, int height, int labelWidth, int labelHeight, int year,
                 int month, int day, int greyed, int rowMode, int barHeight, int skipSpanning, int compact);
// A one-pixel line with arrow heads: ends 0 at the `to` end, 1 both, 2 at the `from` end, else none.
void DrawArrowLine(HDC dc, int from, int to, int at, int ends, COLORREF colour, bool horizontal);
