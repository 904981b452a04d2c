// Text of item rows shared by the views and the lists: fitting, splitting and wrapping, and the
// categories' icons.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// The size of the text in the device context's font.
SIZE TextExtent(HDC dc, std::u16string_view text);
// Line breaks and tabs as blanks, for a text shown on one line.
std::u16string BreaksToBlanks(std::u16string_view text);
// The height of one line of text in the device context's font.
int TextHeight(HDC dc, std::u16string_view sample);
// Splits off the first line of text that fits between x and maxWidth; draws nothing.
void SplitFirstLine(HDC dc, std::u16string_view text, std::u16string& line, std::u16string& rest, int x,
                    int maxWidth);
inline constexpr int kNoLimit = -1;
// Wraps and (with draw) draws a text line by line from y, which it advances; the last line's width.
int DrawWrappedText(HDC dc, std::u16string_view text, int x, int& y, int firstWidth, int nextWidth, int maxY,
                    bool draw, int maxLines, int drawMode, bool strike, int lineGap);

// A category's icon; false when the category is unknown or has none.
bool DrawCatIconEx(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset);
bool DrawCatIcon(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset);
bool DrawCatIconAlt(HDC dc, int x, int y, std::u16string_view name, bool draw, int yOffset);
