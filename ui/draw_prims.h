// The small drawing routines every view and owner-drawn list paints with: colour arithmetic, lines
// and frames, fading lines and gradients, the box shapes behind rows, shadowed text and the fonts.
// Each makes, selects, restores and deletes its own pens and brushes; the rectangles of the frame
// and box routines include their right and bottom edges.
#pragma once

#include <string_view>
#include <vector>

#include "platform/gdi.h"
#include "platform/types.h"

inline constexpr COLORREF kShadowGrey = 0x808080;
inline constexpr COLORREF kMagentaKey = 0xFF00FF;
// The least contrast ratio at which a text still reads on its background.
inline constexpr double kReadableContrast = 3.0;

COLORREF LightenColor(COLORREF colour, int amount);
COLORREF DarkenColor(COLORREF colour, int amount);
bool IsLightColor(COLORREF colour);
bool IsDarkColor(COLORREF colour);
// How far apart two colours are in brightness: 1 (the same) to 21 (black and white).
double ContrastRatio(COLORREF a, COLORREF b);
// The text colour, or where it would not read on that background (a theme may pair a light text
// colour with a light selection colour) the nearest colour that does: the text colour taken toward
// black or white, whichever reads better there, just as far as it needs.
COLORREF ReadableTextColor(COLORREF text, COLORREF background);
// A line of text at x, y (as ExtTextOutW places it, cut to clip when one is given) in the DC's text
// colour, or in the readable colour nearest to it where that would not read on what lies there now.
void ReadableTextOut(HDC dc, int x, int y, std::u16string_view text, const RECT* clip = nullptr);
// DrawTextW of the text in rect with the format, in the readable colour nearest to the DC's text
// colour on what lies where the text lands.
void ReadableDrawText(HDC dc, std::u16string_view text, const RECT& rect, UINT format);
// The pixels of box, row by row, taken before a mark is drawn over them.
std::vector<COLORREF> PixelsIn(HDC dc, const RECT& box);
// Each pixel of box a mark changed from before, in the readable colour nearest to it on the pixel
// that was there: a plain mark (an arrow) of a theme's colours may not show on its background.
void ReadableMark(HDC dc, const RECT& box, const std::vector<COLORREF>& before);
// A grey that reads on the selection colour (useSelection) or on the background colour.
COLORREF GetGreyForBackground(bool useSelection);
// The busy-status colour 0-3: free, tentative, busy, out of office.
COLORREF GetViewColor(int index);
bool IsDigitChar(WCHAR ch);

// A line with the selected pen; its end point is not drawn.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2);
void DrawColorLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);

enum class Corners { Closed, Open };
enum class LineStyle { Solid, Dashed };
void DrawFrameRect(HDC dc, const RECT& rect, COLORREF colour, Corners corners, LineStyle style, int width);
// Three lines, light above dark, in the theme's three-dimensional separator colour.
void DrawSeparatorLine(HDC dc, int x1, int x2, int y);

// A filled box whose top-right corner is cut off.
void DrawDogEarRect(HDC dc, const RECT& rect, COLORREF colour);
enum class FadeEnd { Right, Left };
// A horizontal line at p1.y, half solid in colourB, half fading between colourA and colourB.
void DrawFadeLine(HDC dc, POINT p1, POINT p2, COLORREF colourA, COLORREF colourB, FadeEnd fade);
// Horizontal lines from top + 1 to bottom - 2 running from colourFrom toward colourTo.
void DrawGradientLines(HDC dc, const RECT& rect, COLORREF colourFrom, COLORREF colourTo);

// How a panel or tab shape is drawn.
struct ShapeStyle {
    LineStyle line = LineStyle::Solid;
    bool outlineOnly = false;
    bool doubleLine = false;
};
// The style a selected row's panel or tab is drawn in: dashed when the theme asks for a dashed selection.
ShapeStyle SelectionShapeStyle();
void DrawCutCornerPanel(HDC dc, COLORREF penColour, COLORREF brushColour, const RECT& rect, ShapeStyle style);
void DrawTabShape(HDC dc, COLORREF penColour, COLORREF brushColour, const RECT& rect, int ignoredA, int ignoredB,
                  ShapeStyle style);
// The box behind one list row, by the theme's list-background style.
void DrawThemedItemBox(HDC dc, const RECT& rect, bool primaryRow, int a, int b, bool wantSeparator,
                       bool outlineWhenPicture);

// The text with a grey shadow one pixel down and right, unless the text colour is the grey itself.
void DrawShadowText(HDC dc, int x, int y, std::u16string_view text);
// The program's single face at the height asked.
void InitLogFont(LOGFONTW& font, LONG height, bool bold, bool italic);
// An underlined copy of the device context's font; the caller deletes it.
HFONT CreateUnderlineFont(HDC dc);
