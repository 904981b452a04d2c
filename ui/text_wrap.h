// Text of item rows shared by the views and the lists: fitting, splitting and wrapping, and the
// categories' icons.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

// The size of the text in the device context's font.
SIZE TextExtent(HDC dc, std::u16string_view text);
// Only this much of a long text is considered when it is shortened to a width.
inline constexpr std::size_t kFitTextChars = 256;
inline constexpr std::u16string_view kEllipsis = u"...";
// The longest head of text, of at most kFitTextChars characters, that fits `width` together with
// `tail` ("...") in the device context's font (0 when none does); never ends inside a surrogate pair.
std::size_t EllipsisHeadLength(HDC dc, std::u16string_view text, int width, std::u16string_view tail = kEllipsis);
// The text as a row shows it in `width`: whole when it fits, else its longest head and "...";
// empty when the width is 0 or less. A text longer than kFitTextChars is always cut.
std::u16string FitTextWithEllipsis(HDC dc, std::u16string_view text, int width);
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
