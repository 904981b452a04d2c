// The theme words, view fonts and scoped drawing objects of the calendar painters.
#include "calendar/paint_helpers.h"

#include "core/screen_class.h"
#include "core/theme_words.h"
#include "ui/draw_prims.h"
#include "ui/main_state.h"

COLORREF ThemeColor(ThemeWordId word) { return static_cast<COLORREF>(GetThemeWord(word)); }

bool BigPreviewText() { return GetThemeWord(kThemeBigPreviewText) != 0; }

HFONT TextFont() { return g_Main.themeFonts[kFontNormal]; }
HFONT BoldTextFont() { return g_Main.themeFonts[kFontBold]; }
HFONT ViewFont() { return g_Main.themeFonts[kFontList]; }
HFONT SmallViewFont() { return g_Main.themeFonts[kFontSmall]; }
HFONT TinyViewFont() { return g_Main.themeFonts[kFontTiny]; }

bool IsQvgaLandscape() { return IsQvgaScreen() && IsLandscapeScreen(); }

HFONT DayBoxFont() { return IsQvgaLandscape() && !BigPreviewText() ? SmallViewFont() : ViewFont(); }

void TextOutClipped(HDC dc, int x, int y, const RECT& clip, std::u16string_view text) {
    ReadableTextOut(dc, x, y, text, &clip);
}

void TextOutPlain(HDC dc, int x, int y, std::u16string_view text) { ReadableTextOut(dc, x, y, text); }

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const GdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
}

void SolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    const GdiObject pen(CreatePen(PS_SOLID, 1, colour));
    const SelectScope select(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

SelectScope::SelectScope(HDC dc, HGDIOBJ object) : dc_(dc) {
    if (object) previous_ = SelectObject(dc, object);
}

SelectScope::~SelectScope() {
    if (previous_) SelectObject(dc_, previous_);
}

GdiObject::~GdiObject() {
    if (object_) DeleteObject(object_);
}

MemoryCanvas::MemoryCanvas(HDC windowDC, int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(windowDC);
    bitmap_ = CreateCompatibleBitmap(windowDC, width, height);
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
}

MemoryCanvas::~MemoryCanvas() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

void MemoryCanvas::Present(HDC windowDC) const {
    if (dc_ && bitmap_) BitBlt(windowDC, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}
