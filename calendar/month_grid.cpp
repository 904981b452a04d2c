// The month view's painter: the grid of the shown month drawn once into its cache with the days of
// the neighbour months, a sixth week folded into the fifth row, today and the items of each day;
// then on every paint the selected day's marks, the selected-day pane and the next-month preview.
#include <string>

#include "calendar/calendar_state.h"
#include "calendar/item_text.h"
#include "calendar/month_cell_items.h"
#include "calendar/month_view.h"
#include "calendar/paint_helpers.h"
#include "calendar/week_view.h"
#include "calendar/year_view.h"
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/iso_week.h"
#include "core/month_cache.h"
#include "core/screen_class.h"
#include "core/theme_words.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/layout.h"
#include "ui/themed_bars.h"

namespace {

constexpr int kRows = 5;
constexpr int kDaysPerWeek = 7;
constexpr COLORREF kPaneFrame = 0xADADAD;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr int kThemeText = 2;
constexpr int kThemeNeighbourFill = 22;
constexpr int kThemeNeighbourNumber = 23;
constexpr int kThemeSelectionDashed = 39;
constexpr int kFridayColumnShift = 2;

COLORREF Word(int word) { return static_cast<COLORREF>(GetThemeWord(word)); }

// Weekday names, Sunday first, by screen class.
constexpr const char16_t* kShortNames[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr const char16_t* kLongNames[] = {u"Sunday", u"Monday", u"Tuesday", u"Wednes.", u"Thursday", u"Friday",
                                          u"Saturday"};
constexpr const char16_t* kTinyNames[] = {u"Su", u"M", u"T", u"W", u"Th", u"F", u"Sa"};

const char16_t* const* WeekdayNames() {
    switch (GetMonthScreen()) {
    case MonthScreen::Small: return kTinyNames;
    case MonthScreen::VgaLandscape: return IsTopSplitMonth() ? kShortNames : kLongNames;
    default: return kShortNames;
    }
}

int TextOffset() { return g_Settings.splitMonth && IsSquareScreen() ? 1 : 2; }

bool IsWeekendDay(int year, int month, int day) {
    const int weekday = WeekdayOf(year, month, day);
    return weekday == 0 || weekday == 6;
}

std::u16string CellLabel(int column, int year, int month, int day) {
    if (g_Settings.isoWeek && column == 1)
        return platform::FormatW(u"W%d", MonthRowWeekNumber(year, month, day));
    return platform::FormatW(u"%d", day);
}

// Writes a label and returns its extent.
SIZE DrawLabel(HDC dc, int x, int y, const std::u16string& label, COLORREF colour) {
    SetTextColor(dc, colour);
    TextOutPlain(dc, x, y, label);
    return TextExtent(dc, label);
}

COLORREF DayNumberColour(int year, int month, int day) {
    return Word(IsWeekendDay(year, month, day) ? kThemeWeekendNumber : kThemeWeekdayNumber);
}

void FillWith(HDC dc, const RECT& r, HBRUSH brush) {
    if (brush) FillRect(dc, &r, brush);
}

// A neighbour-month cell: grey fill, grey number, its items greyed.
void DrawNeighbourCell(HDC dc, const MonthCellPlace& c, const RECT& fill, int cw, int rh, int textOffset,
                       HBRUSH neighbourBrush) {
    FillWith(dc, fill, neighbourBrush);
    const SIZE extent = DrawLabel(dc, c.x + 3, c.y + textOffset, CellLabel(c.column, c.year, c.month, c.day),
                                  Word(kThemeNeighbourNumber));
    DrawMonthCellItems(dc, c.x, c.y, cw, rh, extent.cx, extent.cy, c.year, c.month, c.day, 1);
}

// A row-5 day of the shown month: label 1 pixel further left, today fill on the inner rectangle.
void DrawLastRowCell(HDC dc, const MonthCellPlace& c, int cw, int rh, int textOffset, HBRUSH todayBrush) {
    if (todayBrush && IsToday(c.day, c.month, c.year)) {
        RECT inner{};
        GetMonthCellRect(inner, c.x, c.y, cw, rh, c.column);
        FillWith(dc, inner, todayBrush);
    }
    const SIZE extent = DrawLabel(dc, c.x + 2, c.y + textOffset, CellLabel(c.column, c.year, c.month, c.day),
                                  DayNumberColour(c.year, c.month, c.day));
    DrawMonthCellItems(dc, c.x, c.y, cw, rh, extent.cx, extent.cy, c.year, c.month, c.day, 0);
}

void DrawGridCell(HDC dc, const MonthGridGeometry& g, const MonthCellPlace& c, HBRUSH neighbourBrush,
                  HBRUSH todayBrush) {
    const int cw = g.cellWidth;
    const int rh = g.rowHeight;
    if (c.outside) {
        RECT fill{c.x + 1, c.y + 1, c.x + cw, c.y + rh};
        if (c.row == kRows) GetMonthCellRect(fill, c.x, c.y, cw, rh, c.column);
        DrawNeighbourCell(dc, c, fill, cw, rh, TextOffset(), neighbourBrush);
    } else if (c.folded) {
        DrawMonthCellTwoDays(dc, c.column, c.year, c.month, c.day, c.x, c.y, cw, rh,
                             IsToday(c.day, c.month, c.year) || IsToday(c.day + 7, c.month, c.year), todayBrush, false);
    } else if (c.row == kRows) {
        DrawLastRowCell(dc, c, cw, rh, TextOffset(), todayBrush);
    } else {
        DrawMonthCell(dc, c.column, c.year, c.month, c.day, c.x, c.y, cw, rh, TextOffset(),
                      IsToday(c.day, c.month, c.year), todayBrush);
    }
}

void DrawHeaderBand(HDC dc, const MonthGridGeometry& g) {
    RECT header{g.left + 1, g.top + 1, g.right - 1, g.top + g.headerHeight};
    const LONG gradient = GetThemeWord(kThemeGradientStyle);
    if (GetThemeWord(kThemeTitleGradient) != 0 && gradient >= 1 && gradient <= 4) {
        RECT grown{header.left - 1, header.top - 1, header.right + 1, header.bottom + 1};
        DrawThemedBackground(dc, grown, true, false, false, false);
        SetBkMode(dc, TRANSPARENT);
    } else {
        FillSolid(dc, header, Word(kThemeTitlePrimary));
    }
}

void DrawWeekendShading(HDC dc, const MonthGridGeometry& g) {
    const COLORREF weekend = ThemeColor(kThemeWeekend);
    const int top = g.top + g.headerHeight;
    const int bottom = g.bottom - 1;
    FillSolid(dc, RECT{g.right - g.cellWidth - 1, top, g.right - 1, bottom}, weekend);
    if (g_Settings.mondayStart)
        FillSolid(dc, RECT{g.right - 2 * g.cellWidth, top, g.right - g.cellWidth - 1, bottom}, weekend);
    else
        FillSolid(dc, RECT{g.left + 1, top, g.left + g.cellWidth, bottom}, weekend);
}

void DrawWeekdayNames(HDC dc, const MonthGridGeometry& g) {
    const char16_t* const* names = WeekdayNames();
    SetTextColor(dc, Word(kThemeTitleLightText));
    SetBkColor(dc, Word(kThemeTitlePrimary));
    for (int column = 1; column <= kDaysPerWeek; ++column) {
        // Column 1 is Sunday, or Monday with the Monday start.
        const int weekday = (column - 1 + (g_Settings.mondayStart ? 1 : 0)) % kDaysPerWeek;
        const int shift = weekday == 5 ? kFridayColumnShift : 0;
        TextOutPlain(dc, g.left + (column - 1) * g.cellWidth + 7 + shift, g.top + 2, names[weekday]);
    }
}

int NextYear(int year, int month) { return month == 12 ? year + 1 : year; }
int NextMonthOf(int month) { return month == 12 ? 1 : month + 1; }

// The marks' redraw of a cell's content over the selection fill.
void RedrawSelectedContent(HDC dc, const MonthGridGeometry& g, const MonthCellPlace& c) {
    if (c.row < kRows) {
        DrawMonthCell(dc, c.column, c.year, c.month, c.day, c.x, c.y, g.cellWidth, g.rowHeight, TextOffset(), false,
                      nullptr);
    } else if (c.folded) {
        DrawMonthCellTwoDays(dc, c.column, c.year, c.month, c.day, c.x, c.y, g.cellWidth, g.rowHeight, false, nullptr,
                             true);
    } else {
        DrawLastRowCell(dc, c, g.cellWidth, g.rowHeight, TextOffset(), nullptr);
    }
}

int LastRowSelectionExtra() {
    if (GetMonthScreen() != MonthScreen::QvgaLandscape) return 3;
    return g_Settings.splitMonth && g_Settings.botSplit && g_Settings.fontSize == 22 ? 4 : 1;
}

void DrawSelDayPaneAndPreview(HDC dc) {
    if (!g_Settings.splitMonth) return;
    DrawSelDayPane(dc, true, kMonthPane);
}

void DrawNextMonthPreview(HDC dc) {
    if (!g_Settings.splitMonth || !g_Settings.nextMonthPrev) return;
    if (NextMonthPreviewRect.right <= NextMonthPreviewRect.left) return;
    const int year = g_SelectedDate.wYear;
    const int month = g_SelectedDate.wMonth;
    DrawYearView(dc, NextMonthOf(month), NextYear(year, month), NextMonthPreviewRect, 0);
}

}  // namespace

MonthGridGeometry MonthGeometry(HDC dc, const RECT& grid, int year, int month) {
    MonthGridGeometry g;
    g.left = grid.left;
    g.top = grid.top;
    g.right = grid.right;
    g.bottom = grid.bottom;
    g.year = year;
    g.month = month;
    {
        const SelectScope font(dc, ViewFont());
        g.headerHeight = TextExtent(dc, u"M").cy + 4;
    }
    g.cellWidth = (g.right - g.left) / kDaysPerWeek;
    g.rowHeight = (g.bottom - (g.top + g.headerHeight)) / kRows;
    int first = WeekdayOf(year, month, 1) + 1;
    if (g_Settings.mondayStart) first = first - 1 == 0 ? 7 : first - 1;
    g.firstColumn = first;
    return g;
}

MonthCellPlace MonthCellAt(const MonthGridGeometry& g, int row, int column) {
    MonthCellPlace c;
    c.row = row;
    c.column = column;
    c.x = g.left + (column - 1) * g.cellWidth;
    c.y = g.top + g.headerHeight + (row - 1) * g.rowHeight;
    c.year = g.year;
    c.month = g.month;
    const int length = DaysInMonth(DateRec(g.year, g.month, 1));
    const int day = (row - 1) * kDaysPerWeek + column - g.firstColumn + 1;
    if (day < 1) {
        int prevYear = 0, prevMonth = 0;
        PrevMonth(g.year, g.month, prevYear, prevMonth);
        c.year = prevYear;
        c.month = prevMonth;
        c.day = DaysInMonth(DateRec(prevYear, prevMonth, 1)) + day;
        c.outside = true;
    } else if (day > length) {
        c.year = NextYear(g.year, g.month);
        c.month = NextMonthOf(g.month);
        c.day = day - length;
        c.outside = true;
    } else {
        c.day = day;
        c.folded = row == kRows && day + kDaysPerWeek <= length;
    }
    return c;
}

int MonthRowWeekNumber(int year, int month, int day) {
    DateRec date(year, month, day);
    while (date.wDayOfWeek != 1) DateAddSpan(date, kOneDaySpan);
    return IsoWeekNumber(date.wYear, date.wMonth, date.wDay);
}

void DrawMonthCell(HDC dc, int column, int year, int month, int day, int x, int y, int cw, int rh, int textOffset,
                   bool today, HBRUSH brush) {
    if (today && brush) FillWith(dc, RECT{x + 1, y + 1, x + cw, y + rh}, brush);
    const SIZE extent =
        DrawLabel(dc, x + 3, y + textOffset, CellLabel(column, year, month, day), DayNumberColour(year, month, day));
    DrawMonthCellItems(dc, x, y, cw, rh, extent.cx, extent.cy, year, month, day, 0);
}

void DrawMonthCellTwoDays(HDC dc, int column, int year, int month, int day, int x, int y, int cw, int rh, bool today,
                          HBRUSH brush, bool noDivider) {
    const int half = rh / 2;
    const COLORREF colour = DayNumberColour(year, month, day);
    const auto drawHalf = [&](int d, int top, const std::u16string& label) {
        SIZE extent{0, 0};
        if (g_Settings.splitMonth) {
            FillSolid(dc, RECT{x + 3, top + 2, x + 5, top + 4}, kBlack);
        } else {
            extent = DrawLabel(dc, x + 2, top + 1, label, colour);
        }
        DrawMonthCellItems(dc, x, top, cw, half, extent.cx, extent.cy, year, month, d, 0);
    };
    if (today && brush && IsToday(day, month, year)) FillWith(dc, RECT{x + 1, y + 1, x + cw, y + half}, brush);
    drawHalf(day, y, CellLabel(column, year, month, day));
    if (!noDivider) SolidLine(dc, x, y + half, x + cw, y + half, ThemeColor(kThemeGridPen));
    const int lower = day + kDaysPerWeek;
    if (today && brush && IsToday(lower, month, year))
        FillWith(dc, RECT{x + 1, y + half + 1, x + cw, y + 2 * half + 1}, brush);
    drawHalf(lower, y + half, platform::FormatW(u"%d", lower));
}

void DrawMonthCalGrid(HDC dc, int left, int top, int right, int bottom, int year, int month) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    FillSolid(dc, client, ThemeColor(kThemeBackground));
    const MonthGridGeometry g = MonthGeometry(dc, RECT{left, top, right, bottom}, year, month);
    {
        const GdiObject pen(CreatePen(PS_SOLID, 1, ThemeColor(kThemeGridPen)));
        const GdiObject brush(CreateSolidBrush(ThemeColor(kThemeGridBrush)));
        const SelectScope usePen(dc, pen.get());
        const SelectScope useBrush(dc, brush.get());
        Rectangle(dc, left, top, right, bottom);
    }
    const SelectScope font(dc, ViewFont());
    const int oldMode = GetBkMode(dc);
    const COLORREF oldText = GetTextColor(dc);
    DrawHeaderBand(dc, g);
    DrawWeekendShading(dc, g);
    const COLORREF gridPen = ThemeColor(kThemeGridPen);
    for (int k = 1; k <= 6; ++k) SolidLine(dc, left + k * g.cellWidth, top, left + k * g.cellWidth, bottom, gridPen);
    SolidLine(dc, left, top + g.headerHeight, right, top + g.headerHeight, gridPen);
    DrawWeekdayNames(dc, g);
    for (int k = 1; k <= 4; ++k)
        SolidLine(dc, left, top + g.headerHeight + k * g.rowHeight, right, top + g.headerHeight + k * g.rowHeight,
                  gridPen);
    const GdiObject neighbourBrush(CreateSolidBrush(Word(kThemeNeighbourFill)));
    const GdiObject todayBrush(CreateSolidBrush(ThemeColor(kThemeTodayHighlight)));
    SetBkMode(dc, TRANSPARENT);
    ForEachMonthCell(g, [&](const MonthCellPlace& c) {
        DrawGridCell(dc, g, c, static_cast<HBRUSH>(neighbourBrush.get()), static_cast<HBRUSH>(todayBrush.get()));
    });
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode == 0 ? OPAQUE : oldMode);
}

void DrawMonthMarks(HDC dc, int year, int month, int day, int left, int top, int right, int bottom) {
    const SelectScope font(dc, ViewFont());
    const COLORREF oldText = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Word(kThemeText));
    const MonthGridGeometry g = MonthGeometry(dc, RECT{left, top, right, bottom}, year, month);
    const int cw = g.cellWidth;
    const int rh = g.rowHeight;
    ForEachMonthCell(g, [&](const MonthCellPlace& c) {
        if (c.outside) return;
        const bool upper = c.day == day;
        const bool lower = c.folded && c.day + kDaysPerWeek == day;
        if (!upper && !lower) return;
        if (c.row < kRows) {
            RECT r{c.x - 1, c.y - 1, c.x + cw + 1, c.y + rh + 1};
            const COLORREF frame = ThemeColor(kThemeSelFrame);
            const COLORREF fill = ThemeColor(kThemeSelFill);
            DrawFrameRect(dc, r, frame, Corners::Closed,
                          GetThemeWord(kThemeSelectionDashed) ? LineStyle::Dashed : LineStyle::Solid, 1);
            InflateRect(&r, -1, -1);
            DrawFrameRect(dc, r, fill == kWhite ? frame : fill, Corners::Closed, LineStyle::Solid, 1);
            InflateRect(&r, -1, -1);
            DrawFrameRect(dc, r, fill, Corners::Closed, LineStyle::Solid, 1);
            InflateRect(&r, -1, -1);
            FillThemeSelRect(dc, r, true);
        } else {
            const int half = rh / 2;
            const int e = LastRowSelectionExtra();
            RECT r{c.x - 1, c.y - 1, c.x + cw + 1, c.y + rh + e};
            if (c.folded) r = upper ? RECT{c.x, c.y, c.x + cw + 1, c.y + half + 1}
                                    : RECT{c.x, c.y + half - 1, c.x + cw + 1, c.y + 2 * half + e};
            DrawSelectionFrame(dc, r, false, true);
        }
        RedrawSelectedContent(dc, g, c);
    });
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, oldText);
}

void PaintMonthView(HDC dc) {
    LayoutSplitPanes(g_Frame.mainWnd);
    if (!MonthGridCache.valid) return;
    if (MonthGridCache.drawn) {
        PaintMonthViewCached(dc);
        return;
    }
    HDC cache = MonthGridCache.memDC;
    const RECT& grid = MonthGridRect;
    if (IsRectEmpty(&grid)) {
        // A screen of no known class has no grid laid out: only the background is shown.
        RECT client{};
        GetViewClientRect(g_Frame.mainWnd, client);
        FillSolid(dc, client, ThemeColor(kThemeBackground));
        return;
    }
    DrawMonthCalGrid(cache, grid.left, grid.top, grid.right, grid.bottom, g_SelectedDate.wYear, g_SelectedDate.wMonth);
    if (g_Settings.splitMonth) {
        DrawThemedHeader(cache, SelDayPaneRect);
        DrawFrameRect(cache, SelDayPaneRect, kPaneFrame, Corners::Closed, LineStyle::Solid, 1);
    }
    MonthGridCache.drawn = 1;
    BitBlt(dc, 0, 0, MonthGridCache.width, MonthGridCache.height, cache, 0, 0, SRCCOPY);
    DrawMonthMarks(dc, g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay, grid.left, grid.top,
                   grid.right, grid.bottom);
    DrawSelDayPaneAndPreview(dc);
    DrawNextMonthPreview(dc);
}

void PaintMonthViewCached(HDC dc) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const MemoryCanvas canvas(dc, client.right - client.left, client.bottom - client.top);
    HDC mem = canvas.dc();
    FillSolid(mem, client, kWhite);
    BitBlt(mem, 0, 0, MonthGridCache.width, MonthGridCache.height, MonthGridCache.memDC, 0, 0, SRCCOPY);
    DrawSelDayPaneAndPreview(mem);
    const RECT& grid = MonthGridRect;
    DrawMonthMarks(mem, g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay, grid.left, grid.top,
                   grid.right, grid.bottom);
    DrawNextMonthPreview(mem);
    canvas.Present(dc);
}
