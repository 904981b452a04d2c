// Small routines the main window and the views share: pumps that drop input which arrived during a
// long operation, the reset of the global selection, the date-view test and fitting a text to a width.
#pragma once

#include <string>

#include "core/cur_item.h"
#include "platform/types.h"

void PumpMessagesSkipKeyDown();
void PumpMessagesSkipKeys();
void PumpMessagesSkipPen();
// 1 for the month, week, timeline week, dates list, year and day views.
int IsDateView(LONG viewCode);
// The text when it fits `width` with `extra` to spare, else a copy cut to end in "..." that keeps
// at least one character. The copy lives until the next call.
const std::u16string& FitTextEllipsis(HDC dc, const std::u16string& text, int width, int extra);

// ---- The two-state arrow glyph and the refresh after one task changed.
