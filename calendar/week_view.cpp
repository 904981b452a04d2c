// The week view and the day boxes: layout, header, background rules and the item list below.
#include "calendar/week_view.h"

#include <algorithm>
#include <string>

#include "calendar/calendar_state.h"
#include "calendar/day_bars.h"
#include "calendar/day_items.h"
#include "calendar/paint_helpers.h"
#include "core/app_settings.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/iso_week.h"
#include "core/month_cache.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "ui/item_paint.h"
#include "ui/layout.h"
#include "ui/view_calls.h"

namespace {

constexpr int kTopSharePercent = 30;
constexpr int kFiveDayTopShareQvgaLandscape = 38;
constexpr int kFiveDayTopShare = 45;
constexpr COLORREF kWhite = 0xFFFFFF;
// A white selection colour would not show the selected box.
constexpr COLORREF kSelFillForWhite = 0xB8CCFF;
constexpr int kSunday = 0;
constexpr int kMonday = 1;
constexpr int kSaturday = 6;

// The day's date text by "DATEFORMAT".
struct DateFormatDef {
    const WCHAR* format;
    bool dayFirst;
};
constexpr DateFormatDef kDateFormats[] = {
    {u"%02d/%02d", true},
    {u"%d/%d", false},
    {u"%02d-%02d", false},
    {u"%02d.%02d", true},
};

std::u16string BoxDateText(const DateRec& date) {
    const LONG index = g_Settings.dateFormat;
    const DateFormatDef& def = kDateFormats[index >= 0 && index < 4 ? index : 1];
    return def.dayFirst ? platform::FormatW(def.format, date.wDay, date.wMonth)
                        : platform::FormatW(def.format, date.wMonth, date.wDay);
}

bool MonthSidePane() { return ViewId == kViewMonth && g_Settings.splitMonth && !g_Settings.botSplit; }

bool ShortWeekdayName(bool subBox) {
    if (g_Settings.dayBarWeek && IsSmallScreen176()) return subBox;
    if (IsVgaScreen() || IsSquare320Screen()) return false;
    return MonthSidePane();
}

struct DayBar {
    int width;
    int thickness;
    int drop;
};

// Square screens keep the small default bar.
DayBar DayBarSize(const DateRec& date, bool isoLabel, int isoWeek) {
    if (IsVgaScreen() && !IsSquareScreen()) {
        const bool sidePane = g_Settings.splitMonth && !g_Settings.botSplit;
        const int width = IsLandscapeScreen() ? (sidePane ? 45 : 90) : 80;
        return {width, 11, 4};
    }
    if (IsQvgaLandscape()) {
        int width = 42;
        if (MonthSidePane()) {
            width = 30;
        } else if (isoLabel && date.wDayOfWeek == kMonday) {
            width = isoWeek < 10 ? 22 : (date.wMonth >= 10 && date.wDay >= 10 ? 16 : 18);
        }
        return {width, 6, 1};
    }
    return {25, 5, IsQvgaScreen() && IsPortraitScreen() ? 3 : 4};
}

void FillBoxBackground(HDC dc, const RECT& box, const DateRec& date, bool selected, bool pane) {
    if (selected) {
        COLORREF fill = ThemeColor(kThemeSelFill);
        if (fill == kWhite) fill = kSelFillForWhite;
        FillSolid(dc, box, fill);
        return;
    }
    const bool filled = g_Settings.backWeekColors || pane;
    if (filled) {
        COLORREF fill;
        if (IsToday(date.wDay, date.wMonth, date.wYear))
            fill = ThemeColor(kThemeTodayHighlight);
        else if (date.wDayOfWeek == kSunday || date.wDayOfWeek == kSaturday)
            fill = ThemeColor(kThemeWeekend);
        else
            fill = ThemeColor(pane ? kThemeGridBrush : kThemeBackground);
        FillSolid(dc, box, fill);
    }
    DrawFrameRect(dc, box, ThemeColor(kThemeGridPen), Corners::Closed, LineStyle::Solid, 1);
}

bool TodayFlag(const DateRec& date) {
    return !g_Settings.datedOnly && IsToday(date.wDay, date.wMonth, date.wYear);
}

DateRec DayOfWeek(int offset) {
    DateRec date(WeekViewStart.wYear, WeekViewStart.wMonth, WeekViewStart.wDay);
    DateAddSpan(date, DateSpan{offset, 0, 0, 0});
    return date;
}

DateRec SelectedDay() { return DateRec(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay); }

const RECT& PaneRect(int which) { return which == kTimelinePane ? TimelinePaneRect : SelDayPaneRect; }

void DrawSelectedOutline(HDC dc, const WeekBox& box) {
    const COLORREF colour = ThemeColor(kThemeSelFrame);
    if (!box.subBox) {
        DrawFrameRect(dc, box.rect, colour, Corners::Closed, LineStyle::Solid, 1);
        return;
    }
    const RECT& r = box.rect;
    SolidLine(dc, r.left, r.top, r.right, r.top, colour);
    SolidLine(dc, r.left, r.bottom, r.right + 1, r.bottom, colour);
    SolidLine(dc, r.left, r.top, r.left, r.bottom, colour);
    SolidLine(dc, r.right, r.top, r.right, r.bottom, colour);
}

bool IsoLabelShown(const DateRec& date, bool subBox) {
    return g_Settings.isoWeek && (!subBox || date.wDayOfWeek == kMonday);
}

}  // namespace

std::u16string DayBoxLabel(const DateRec& date, bool subBox) {
    bool shortName = ShortWeekdayName(subBox);
    const bool isoLabel = IsoLabelShown(date, subBox);
    if (isoLabel && subBox && IsQvgaScreen() && !IsLandscapeScreen()) shortName = true;
    std::u16string label;
    FormatWeekdayName(label, date.wDayOfWeek + 1, shortName);
    if (isoLabel)
        label = platform::FormatW(u"%s(W%d)", label.c_str(), IsoWeekNumber(date.wYear, date.wMonth, date.wDay));
    return label;
}

std::vector<WeekBox> WeekViewLayout(const RECT& client) {
    const bool five = g_Settings.fiveDayWeek != 0;
    const int share = !five ? kTopSharePercent : (IsQvgaLandscape() ? kFiveDayTopShareQvgaLandscape : kFiveDayTopShare);
    const LONG l = client.left, t = client.top, r = client.right, b = client.bottom;
    const int h = static_cast<int>(share * 0.01 * (b - t));
    const int rows = five ? 2 : 3;
    const int rh = (b - t - h) / rows;
    const int hw = (r - l) / 2;
    std::vector<WeekBox> boxes;
    boxes.push_back({RECT{l, t, r, t + h}, 0, false});
    for (int column = 0; column < 2; ++column) {
        int y = t + h + 1;
        for (int k = 0; k < rows; ++k, y += rh + 1) {
            const RECT rect = column == 0 ? RECT{l, y, l + hw, std::min<LONG>(y + rh, b)}
                                          : RECT{l + hw + 1, y, l + 2 * hw, std::min<LONG>(y + rh, b)};
            const int offset = g_Settings.horzWeek ? 1 + 2 * k + column : 1 + column * rows + k;
            boxes.push_back({rect, offset, true});
        }
    }
    return boxes;
}

int DrawDayBox(HDC dc, const RECT& box, const DateRec& date, bool subBox, bool today, bool selected, int scroll,
               bool draw, bool pane) {
    const SelectScope font(dc, DayBoxFont());
    if (draw) FillBoxBackground(dc, box, date, selected, pane);

    const std::u16string dateText = BoxDateText(date);
    const SIZE extent = TextExtent(dc, dateText);
    const int listTop = box.top + extent.cy + 4;
    if (draw) {
        RECT band{box.left, box.top, box.right + 1, listTop};
        DrawThemedBackground(dc, band, false, false, false, false);
        SetTextColor(dc, ThemeColor(kThemeTitleLightText));
        SetBkMode(dc, TRANSPARENT);
        const bool isoLabel = IsoLabelShown(date, subBox);
        const int isoWeek = isoLabel ? IsoWeekNumber(date.wYear, date.wMonth, date.wDay) : 0;
        const int x = isoLabel && subBox && !IsQvgaScreen() ? box.left + 2 : box.left + 4;
        TextOutPlain(dc, x, box.top + 2, DayBoxLabel(date, subBox));

        int markX;
        if (g_Settings.dayBarWeek) {
            const DayBar bar = DayBarSize(date, isoLabel, isoWeek);
            TextOutPlain(dc, box.right - extent.cx - bar.width - 4, box.top + 2, dateText);
            markX = box.right - bar.width - 1;
            DrawApptBars(dc, 1, markX, box.top + 2 + bar.drop, bar.width - 2, bar.thickness, 0, 0, date.wYear,
                         date.wMonth, date.wDay, 0, 1, bar.thickness, 0, 0);
        } else {
            markX = box.right - extent.cx - 4;
            TextOutPlain(dc, markX, box.top + 2, dateText);
        }
        if (views::WeatherBadgeOn() && IsToday(date.wDay, date.wMonth, date.wYear))
            views::DrawWeatherBadge(dc, markX - 60, box.top + 2);
        if (scroll != 0) DrawMoreArrow(dc, box.right - 11, listTop + 3, true);
        SetBkMode(dc, OPAQUE);
    }
    return DrawDayItems(dc, box, date, listTop, scroll, draw, today, false);
}

bool HitTestDayBox(const RECT& box, int x, int y, const DateRec& date, bool, bool today, bool, int scroll, bool,
                   int) {
    HWND window = g_Frame.mainWnd;
    HDC dc = GetDC(window);
    int listTop;
    {
        const SelectScope font(dc, DayBoxFont());
        listTop = box.top + TextExtent(dc, BoxDateText(date)).cy + 4;
    }
    ReleaseDC(window, dc);
    return HitTestDayItems(box, x, y, date, listTop, scroll, today, false);
}

int PaintWeekView(HDC dc, bool draw) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    RECT whole{};
    GetClientRect(g_Frame.mainWnd, &whole);
    const MemoryCanvas canvas(dc, whole.right, whole.bottom);
    HDC target = draw ? canvas.dc() : dc;
    if (draw) FillSolid(target, whole, ThemeColor(kThemeBackground));
    const DateRec selected = SelectedDay();
    int result = 0;
    for (const WeekBox& box : WeekViewLayout(client)) {
        const DateRec date = DayOfWeek(box.dayOffset);
        const bool isSelected = DateSameDay(date, selected);
        const int boxResult = DrawDayBox(target, box.rect, date, box.subBox, TodayFlag(date), isSelected,
                                         isSelected ? DayPaneScroll : 0, draw, false);
        if (!isSelected) continue;
        result = boxResult;
        if (draw) DrawSelectedOutline(target, box);
    }
    if (draw) canvas.Present(dc);
    return result;
}

bool HitTestWeekView(int x, int y) {
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const DateRec selected = SelectedDay();
    for (const WeekBox& box : WeekViewLayout(client)) {
        if (!box.subBox && !PtInRect(&box.rect, POINT{x, y})) continue;
        const DateRec date = DayOfWeek(box.dayOffset);
        const bool isSelected = DateSameDay(date, selected);
        if (HitTestDayBox(box.rect, x, y, date, box.subBox, TodayFlag(date), isSelected,
                          isSelected ? DayPaneScroll : 0, false, 0))
            return true;
    }
    return false;
}

int DrawSelDayPane(HDC dc, bool draw, int which) {
    const DateRec date = SelectedDay();
    const bool pane = which == kTimelinePane || g_Settings.splitMonth;
    return DrawDayBox(dc, PaneRect(which), date, true, TodayFlag(date), false, DayPaneScroll, draw, pane);
}

bool HitTestSelDayPane(int x, int y, int which) {
    const DateRec date = SelectedDay();
    const bool pane = which == kTimelinePane || g_Settings.splitMonth;
    return HitTestDayBox(PaneRect(which), x, y, date, true, TodayFlag(date), false, DayPaneScroll, pane, 0);
}
