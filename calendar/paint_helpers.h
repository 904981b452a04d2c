// What the week, timeline and day-list painters share: the theme words they read, the view fonts,
// text measuring, and scoped drawing objects that give back what they selected.
#pragma once

#include <string>
#include <string_view>

#include "platform/gdi.h"
#include "platform/types.h"
#include "ui/text_wrap.h"

// Theme record words read by the calendar painters.
enum ThemeWordId : int {
    kThemeSelFill = 0,
    kThemeSelFrame = 1,
    kThemeTitleSecondaryWord = 5,
    kThemeDefaultBarItem = 6,
    kThemeTitleLightText = 7,
    kThemePrimaryText = 8,
    kThemeBackground = 10,
    kThemeWeekend = 14,
    kThemeTodayHighlight = 15,
    kThemeGridPen = 20,
    kThemeGridBrush = 21,
    kThemeWeekendNumber = 24,
    kThemeWeekdayNumber = 25,
    kThemeBarWorkDay = 30,
    kThemeBarBorder = 32,
    kThemeBigPreviewText = 40,
};

COLORREF ThemeColor(ThemeWordId word);
bool BigPreviewText();

// The five view fonts of the main window.
HFONT TextFont();
HFONT BoldTextFont();
HFONT ViewFont();
HFONT SmallViewFont();
HFONT TinyViewFont();
// The font of day boxes and day lists: the small one on landscape QVGA unless "Big Preview Text".
HFONT DayBoxFont();

void TextOutClipped(HDC dc, int x, int y, const RECT& clip, std::u16string_view text);
void TextOutPlain(HDC dc, int x, int y, std::u16string_view text);
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
void SolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
bool IsQvgaLandscape();

// Selects an object into a DC and selects the previous one back on leaving; a null object is skipped.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object);
    ~SelectScope();
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

// A pen, brush or font made for one paint and deleted with the object.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// A memory DC with a bitmap of a window's client size; Present copies it to the window DC.
class MemoryCanvas {
public:
    MemoryCanvas(HDC windowDC, int width, int height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    HDC dc() const { return dc_; }
    void Present(HDC windowDC) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};
