// Where the month view puts its grid, the selected-day pane and the next-month preview on each
// screen class, the inner rectangle of a day cell, and the split-layout predicates.
#include "calendar/calendar_state.h"
#include "calendar/month_view.h"
#include "core/app_settings.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/layout.h"

OffscreenBuffer MonthGridCache;
RECT MonthGridRect{};
RECT NextMonthPreviewRect{};

namespace {

enum class Split { Off, Bottom, Side };

Split CurrentSplit() {
    if (!g_Settings.splitMonth) return Split::Off;
    return g_Settings.botSplit ? Split::Bottom : Split::Side;
}

bool WideScreen() { return IsWqvgaScreen() || IsWvgaScreen(); }

struct UnsplitLayout {
    MonthScreen screen;
    RECT grid;
    RECT wideGrid;
};

constexpr UnsplitLayout kUnsplit[] = {
    {MonthScreen::QvgaLandscape, {2, 3, 318, 183}, {3, 3, 396, 183}},
    {MonthScreen::QvgaPortrait, {0, 0, 240, 266}, {0, 0, 240, 346}},
    {MonthScreen::QvgaSquare, {0, 1, 240, 187}, {0, 1, 240, 187}},
    {MonthScreen::Square320, {2, 2, 318, 248}, {2, 2, 318, 248}},
    {MonthScreen::Small, {0, 0, 176, 180}, {0, 0, 176, 180}},
    {MonthScreen::VgaLandscape, {4, 6, 636, 370}, {4, 6, 797, 394}},
    {MonthScreen::VgaPortrait, {4, 6, 476, 530}, {4, 6, 476, 714}},
    {MonthScreen::VgaSquare, {0, 8, 240, 186}, {0, 8, 240, 186}},
};

// Both splits share a row where the class places the pane the same way either side.
struct SplitLayout {
    MonthScreen screen;
    bool wide;
    bool bottom;  // ignored when eitherSplit
    bool eitherSplit;
    RECT grid;
    RECT pane;
    RECT paneWithPreview;
    RECT preview;
    bool hasPreview;
};

constexpr SplitLayout kSplit[] = {
    {MonthScreen::QvgaLandscape, false, true, false, {2, 3, 318, 122}, {2, 124, 317, 183}, {2, 124, 200, 183},
     {203, 123, 317, 184}, true},
    {MonthScreen::QvgaLandscape, true, true, false, {3, 3, 396, 122}, {3, 124, 395, 183}, {3, 124, 280, 183},
     {283, 123, 395, 184}, true},
    {MonthScreen::QvgaLandscape, false, false, false, {2, 3, 227, 183}, {230, 3, 318, 182}, {230, 3, 318, 114},
     {229, 116, 318, 183}, true},
    {MonthScreen::QvgaLandscape, true, false, false, {2, 3, 262, 183}, {265, 3, 398, 182}, {265, 3, 398, 114},
     {264, 116, 398, 183}, true},
    {MonthScreen::QvgaPortrait, false, false, true, {0, 0, 240, 191}, {0, 193, 240, 264}, {1, 193, 156, 264},
     {158, 192, 238, 265}, true},
    {MonthScreen::QvgaPortrait, true, false, true, {0, 0, 240, 271}, {0, 273, 240, 346}, {1, 273, 156, 346},
     {158, 272, 238, 347}, true},
    {MonthScreen::QvgaSquare, false, false, true, {0, 3, 240, 124}, {0, 126, 240, 186}, {1, 126, 156, 186},
     {158, 125, 238, 187}, true},
    {MonthScreen::Square320, false, true, false, {2, 2, 318, 184}, {2, 186, 317, 248}, {2, 186, 208, 248},
     {210, 185, 317, 249}, true},
    {MonthScreen::Square320, false, false, false, {2, 3, 227, 248}, {230, 3, 318, 248}, {230, 3, 318, 178},
     {229, 180, 318, 248}, true},
    // No preview fits on the small screens: the pane keeps its whole width.
    {MonthScreen::Small, false, false, true, {0, 0, 176, 134}, {0, 136, 176, 180}, {0, 136, 176, 180}, {}, false},
    {MonthScreen::VgaLandscape, false, true, false, {4, 6, 636, 254}, {4, 258, 636, 372}, {4, 258, 414, 372},
     {418, 258, 635, 372}, true},
    {MonthScreen::VgaLandscape, true, true, false, {4, 6, 796, 294}, {4, 298, 796, 422}, {4, 298, 540, 422},
     {544, 298, 795, 422}, true},
    {MonthScreen::VgaLandscape, false, false, false, {4, 6, 439, 370}, {444, 6, 636, 369}, {444, 6, 636, 250},
     {444, 254, 636, 370}, true},
    {MonthScreen::VgaLandscape, true, false, false, {4, 6, 544, 394}, {549, 6, 797, 393}, {549, 6, 797, 250},
     {549, 254, 797, 394}, true},
    {MonthScreen::VgaPortrait, false, false, true, {4, 4, 476, 378}, {4, 382, 476, 532}, {4, 382, 308, 532},
     {312, 382, 476, 532}, true},
    {MonthScreen::VgaPortrait, true, false, true, {4, 4, 476, 578}, {4, 582, 476, 714}, {4, 582, 308, 714},
     {312, 582, 476, 714}, true},
    {MonthScreen::VgaSquare, false, false, true, {0, 3, 240, 124}, {0, 126, 240, 186}, {1, 126, 156, 186},
     {158, 125, 238, 187}, true},
};

// The cell bottom's offset k: `atFontSize` when FONTSIZE is `fontSize`, else `other`; lastColumnExtra
// widens column 7.
struct CellRule {
    MonthScreen screen;
    Split split;
    bool anySplit;
    int fontSize;  // 0: no size of its own
    int atFontSize;
    int other;
    int lastColumnExtra;
};

constexpr CellRule kCellRules[] = {
    {MonthScreen::QvgaPortrait, Split::Off, true, 0, 3, 3, 1},
    {MonthScreen::QvgaSquare, Split::Off, true, 12, -1, 3, 1},
    {MonthScreen::QvgaLandscape, Split::Off, false, 12, 3, 2, 0},
    {MonthScreen::QvgaLandscape, Split::Bottom, false, 12, 2, 1, 0},
    {MonthScreen::QvgaLandscape, Split::Side, false, 12, 3, 2, 0},
    {MonthScreen::Square320, Split::Off, false, 22, 0, 1, 0},
    {MonthScreen::Square320, Split::Bottom, false, 22, 1, 2, 0},
    {MonthScreen::Square320, Split::Side, false, 22, -1, 0, 0},
    {MonthScreen::Small, Split::Off, true, 0, 3, 3, 0},
    {MonthScreen::VgaPortrait, Split::Off, true, 0, 2, 2, 2},
    {MonthScreen::VgaSquare, Split::Off, true, 0, 3, 3, 1},
    {MonthScreen::VgaLandscape, Split::Off, false, 0, 2, 2, 1},
    {MonthScreen::VgaLandscape, Split::Bottom, false, 0, 1, 1, 0},
    {MonthScreen::VgaLandscape, Split::Side, false, 0, 2, 2, 0},
};

MonthScreen Orientation(MonthScreen landscape, MonthScreen portrait, MonthScreen square) {
    if (IsLandscapeScreen()) return landscape;
    if (IsPortraitScreen()) return portrait;
    if (IsSquareScreen()) return square;
    return MonthScreen::None;
}

}  // namespace

MonthScreen GetMonthScreen() {
    if (IsQvgaScreen())
        return Orientation(MonthScreen::QvgaLandscape, MonthScreen::QvgaPortrait, MonthScreen::QvgaSquare);
    if (!IsVgaScreen()) return IsSquare320Screen() ? MonthScreen::Square320 : MonthScreen::Small;
    return Orientation(MonthScreen::VgaLandscape, MonthScreen::VgaPortrait, MonthScreen::VgaSquare);
}

void LayoutSplitPanes(HWND window) {
    if (MonthGridCache.valid) return;
    const MonthScreen screen = GetMonthScreen();
    const bool wide = WideScreen();
    const Split split = CurrentSplit();
    if (split == Split::Off) {
        for (const UnsplitLayout& l : kUnsplit)
            if (l.screen == screen) MonthGridRect = wide ? l.wideGrid : l.grid;
    } else {
        const SplitLayout* found = nullptr;
        for (const SplitLayout& l : kSplit) {
            if (l.screen != screen || (!l.eitherSplit && l.bottom != (split == Split::Bottom))) continue;
            if (!found || l.wide == wide) found = &l;
        }
        if (found) {
            MonthGridRect = found->grid;
            SelDayPaneRect = g_Settings.nextMonthPrev ? found->paneWithPreview : found->pane;
            // The small screens have no room for the preview: none is drawn or hit there.
            if (g_Settings.nextMonthPrev) NextMonthPreviewRect = found->hasPreview ? found->preview : RECT{};
        }
    }
    RECT client{};
    GetViewClientRect(window, client);
    HDC dc = GetDC(window);
    CreateOffscreen(MonthGridCache, dc, client.right - client.left, client.bottom - client.top);
    ReleaseDC(window, dc);
}

void DropMonthGridCache() { ReleaseOffscreen(MonthGridCache); }

void GetMonthCellRect(RECT& out, int x, int y, int width, int height, int column) {
    const MonthScreen screen = GetMonthScreen();
    const Split split = CurrentSplit();
    int k = 0;
    int extra = 0;
    for (const CellRule& rule : kCellRules) {
        if (rule.screen != screen || (!rule.anySplit && rule.split != split)) continue;
        k = rule.fontSize != 0 && g_Settings.fontSize == rule.fontSize ? rule.atFontSize : rule.other;
        extra = rule.lastColumnExtra;
        break;
    }
    SetRect(&out, x + 1, y + 1, x + width + (column == 7 ? extra : 0), y + height + k);
}

bool IsTopSplitMonth() { return g_Settings.splitMonth && !g_Settings.botSplit; }

int IsInSplitMonthArea(int x, int y) {
    if (!g_Settings.splitMonth) return 0;
    return PtInRect(&SelDayPaneRect, POINT{x, y}) ? 1 : 0;
}
