// Text helpers of the agenda lists and previews: the theme font of the list, line heights and
// word-wrapped paragraphs measured and drawn by the same code.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// Height of "XXX" in the device context's font.
int AgendaLineHeight(HDC dc);
int AgendaTextWidth(HDC dc, std::u16string_view text);
// Wraps the text: the first line from x to x + firstWidth, further lines from `left` to
// `left + width`; draws only with `draw`. The height of the lines plus `spacing` after each.
int WrapAgendaText(HDC dc, int x, int y, int firstWidth, int left, int width, std::u16string_view text, int draw,
                   int spacing = 0);
void DrawAgendaText(HDC dc, int x, int y, std::u16string_view text);
// Trailing blanks removed.
std::u16string TrimTrailing(std::u16string_view text);
