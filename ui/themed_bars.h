// The painters that give lists and views the current theme's look: header bands of groups and days
// in the theme's bar style, their gradient backgrounds, the fading underline, the drop button of a
// collapsible group, and the selection of a row in the theme's selection style.
#pragma once

#include <string>

#include "platform/types.h"
#include "ui/draw_prims.h"

inline constexpr int kNoCategory = -1;
inline constexpr int kWholeClientWidth = -1;

struct ThemedBarArgs {
    int x = 0;
    int y = 0;
    std::u16string leftText;
    std::u16string rightText;
    bool compact = false;
    bool draw = true;  // false: only measure
    int categoryIndex = kNoCategory;
    bool big = false;
    int rightEdge = kWholeClientWidth;
    bool selected = false;
    bool centre = false;
};

// Draws a header band across the view window's client rectangle; returns the bar's height, which a
// measuring call (draw false) returns too without drawing.
int DrawThemedBar(HDC dc, HWND window, const ThemedBarArgs& args);
// Fills a band in the title colours by the gradient style; some styles move the rectangle's edges.
void DrawThemedBackground(HDC dc, RECT& rect, bool fullBar, bool useBackground, bool noOutline, bool inset);
void DrawThemeGradient(HDC dc, POINT p1, POINT p2, bool useBackground, FadeEnd fade);
// A divider across a page or list: the title gradient's line when the theme has the gradient on,
// else a solid line in the given colour.
void DrawDividerLine(HDC dc, int x1, int x2, int y, COLORREF solid);
// The button at the right end of a collapsible group header; the image call's result.
BOOL DrawDropButton(HDC dc, int x, int y, bool expanded, LONG buttonStyle);
void DrawArrowGlyph(HDC dc, int x, int y);
// A collapsible list's group header: its drop button near the right edge and, on the selected
// header, the arrow left of it.
void DrawListGroupGlyphs(HDC dc, int right, int top, bool expanded, bool selected);
void FillThemeSelRect(HDC dc, const RECT& rect, bool framed);
void DrawSelectionFrame(HDC dc, RECT rect, bool doubleFrame, bool framed);
