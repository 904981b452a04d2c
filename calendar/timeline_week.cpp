// The timeline week view: its metrics per screen, the switch to it, the week grid with one time
// bar per day, the work-hours band and the marks at the foot of each column.
#include "calendar/timeline_week.h"

#include <algorithm>
#include <string>

#include "calendar/agenda_view.h"
#include "calendar/calendar_state.h"
#include "calendar/day_bars.h"
#include "calendar/month_cell_items.h"
#include "calendar/paint_helpers.h"
#include "calendar/week_view.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/item_paint.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/offscreen.h"
#include "ui/view_focus.h"

namespace {

struct PaneMetrics {
    int width;
    int height;
    RECT pane;
};

// The detail pane by screen size; 176-pixel screens are matched by class.
constexpr PaneMetrics kPaneTable[] = {
    {320, 240, {2, 124, 317, 185}}, {400, 240, {2, 124, 397, 185}}, {240, 240, {0, 124, 240, 185}},
    {240, 320, {0, 193, 240, 264}}, {240, 400, {0, 233, 240, 346}}, {320, 320, {2, 180, 318, 248}},
    {640, 480, {4, 258, 636, 372}}, {800, 480, {4, 288, 797, 396}}, {480, 480, {4, 258, 476, 372}},
    {480, 640, {4, 382, 476, 532}}, {480, 800, {4, 482, 476, 716}},
};
constexpr RECT kPane176{0, 136, 176, 180};
constexpr int kGridBottom176 = 134;
constexpr int kSmallFontHeight176 = 14;
constexpr int kDaysFull = 7;
constexpr int kDaysFive = 5;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kBlockOutlineDarken = 60;
constexpr int kTimeMarkDarken = 50;
constexpr int kWorkBandDarken = 10;
// A block's end at or after this minute of hour 23 counts as the end of the day.
constexpr int kLateEndMinute = 46;
// Remaining minutes beyond this count as one more hour of a block.
constexpr int kRoundUpMinutes = 45;
constexpr int kQuarterTicksHeight = 61;
constexpr int kWideBarWidth = 9;

int Days() { return g_Settings.fiveDayWeek ? kDaysFive : kDaysFull; }

int EndHour(const DateRec& end) { return end.wHour == 23 && end.wMinute >= kLateEndMinute ? 24 : end.wHour; }

// The hours the bars show; an empty range (first hour not before the last) shows nothing.
bool HourRange(int& first, int& last) {
    first = g_Settings.barStart;
    last = g_Settings.barEnd;
    return last > first;
}

COLORREF BarItemColour(const ApptRecord& appt) {
    if (g_Settings.catColors && appt.categories.Size() > 0 && appt.colour != kWhite) return appt.colour;
    return ThemeColor(kThemeDefaultBarItem);
}

void SetPixels(HDC dc, std::initializer_list<POINT> points, COLORREF colour) {
    for (const POINT& p : points) SetPixel(dc, p.x, p.y, colour);
}

// Draws the column's frame and work-hours band before the first item that shows.
class DayBar {
public:
    DayBar(HDC dc, const RECT& r, bool horizontal) : dc_(dc), r_(r), horizontal_(horizontal) {}
    void Begin() {
        if (started_) return;
        started_ = true;
        FillSolid(dc_, RECT{r_.left + 1, r_.top + 1, r_.right - 1, r_.bottom - 1}, kWhite);
        DrawWorkHoursBand(dc_, r_, horizontal_);
        DrawFrameRect(dc_, r_, ThemeColor(kThemeBarBorder), Corners::Closed, LineStyle::Dashed, 1);
    }
    bool Started() const { return started_; }

private:
    HDC dc_;
    RECT r_;
    bool horizontal_;
    bool started_ = false;
};

}  // namespace

bool TimelineBlockSpan(const ApptRecord& appt, int firstHour, int lastHour, int length, int& offset,
                       int& blockLength) {
    if (lastHour <= firstHour) return false;
    const DateRec& start = appt.start;
    int s = start.wHour;
    int d = appt.duration / 60 + (appt.duration % 60 > kRoundUpMinutes ? 1 : 0);
    const int e = ApptEndsOn(appt, start.wYear, start.wMonth, start.wDay) ? EndHour(GetApptEnd(appt)) : lastHour;
    if (!(firstHour < e && s < lastHour)) return false;
    if (s < firstHour) {
        d -= firstHour - s;
        s = firstHour;
    }
    const int range = lastHour - firstHour;
    offset = std::max(1, (s - firstHour) * length / range);
    blockLength = std::max(1, d * length / range);
    return true;
}

void SetTimelineMetrics() {
    if (IsSmallScreen176()) {
        TimelinePaneRect = kPane176;
        return;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (const PaneMetrics& metrics : kPaneTable) {
        if (metrics.width == width && metrics.height == height) {
            TimelinePaneRect = metrics.pane;
            return;
        }
    }
    // Other sizes take the pane of their class and orientation.
    const bool vga = IsVgaScreen() != 0;
    const int index = IsSquareScreen() ? (vga ? 8 : 2) : IsLandscapeScreen() ? (vga ? 6 : 0) : (vga ? 9 : 3);
    TimelinePaneRect = kPaneTable[index].pane;
}

RECT TimelineGridRect() {
    RECT g{};
    GetViewClientRect(g_Frame.mainWnd, g);
    g.top = 2;
    const RECT& pane = TimelinePaneRect;
    if (IsSmallScreen176()) {
        g.bottom = kGridBottom176;
    } else if (IsQvgaScreen()) {
        g.bottom = pane.top - 2;
        if (!IsSquareScreen()) {
            g.left = 2;
            g.right -= 2;
        }
    } else if (IsSquare320Screen()) {
        g.left = 2;
        g.right -= 2;
        g.bottom = pane.top - 2;
    } else if (IsVgaScreen()) {
        g.bottom = pane.top - 4;
        if (!IsSquareScreen()) {
            g.left = 4;
            g.right -= 6;
        }
    }
    return g;
}

void ShowTimelineWeek(bool recomputeStart) {
    if (!g_ViewShown[ShownView::TimelineWeek]) return;
    if (!g_LoadState.allLoaded) {
        if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_NORMAL);
        PendingViewCmd = kPendingTimelineWeek;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return;
    }
    DayPaneScroll = 0;
    SetTimelineMetrics();
    ViewId = kViewTimelineWeek;
    HideAllViewWindows();
    if (recomputeStart) GetWeekStartDate(WeekViewStart);
    SetViewTitle();
    g_Main.backArmed = 0;
    CreateViewMenuBar(&g_MenuBars.week, 0, g_Frame.mainWnd, kShowBar);
    RedrawNow(nullptr);
}

bool DrawWorkHoursBand(HDC dc, const RECT& rect, bool horizontal) {
    int first = 0, last = 0;
    if (!g_Settings.useBarWork || !HourRange(first, last)) return false;
    const int length = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    const int range = last - first;
    const int band = std::max(1, length * (g_Settings.barWorkEnd - g_Settings.barWorkStart) / range);
    const int offset = std::max(1, (g_Settings.barWorkStart - first) * length / range);
    const RECT r = horizontal ? RECT{rect.left + offset, rect.top, std::min<LONG>(rect.left + offset + band, rect.right - 1),
                                     rect.bottom}
                              : RECT{rect.left, rect.top + offset, rect.right,
                                     std::min<LONG>(rect.top + offset + band, rect.bottom - 1)};
    const COLORREF colour = ThemeColor(kThemeBarWorkDay);
    FillSolid(dc, r, colour);
    DrawFrameRect(dc, r, DarkenColor(colour, kWorkBandDarken), Corners::Closed, LineStyle::Dashed, 1);
    return true;
}

bool DrawTimelineDayBlocks(HDC dc, int x, int y, int height, int width, int year, int month, int day,
                           bool horizontal) {
    const ApptArray* appts = g_ApptCache.curAppts;
    if (!appts) return false;
    int first = 0, last = 0;
    if (!HourRange(first, last)) return true;
    const RECT r{x, y, x + width, y + height};
    const int length = horizontal ? width : height;
    const int range = last - first;
    const int lineAt = horizontal ? r.top - 3 : r.left - 3;
    const int barEnd = horizontal ? r.right - 1 : r.bottom - 1;
    const int barStart = horizontal ? r.left : r.top;
    DayBar bar(dc, r, horizontal);
    bool allDay = false;
    COLORREF allDayColour = 0;
    const DateRec date(year, month, day);

    for (int i = std::max(0, FindFirstOnDate(appts, date)); i < appts->Size(); ++i) {
        const ApptRecord appt = (*appts)[i];
        if (ApptStartsAfterDay(appt, year, month, day)) break;
        if (!ApptStartsOn(appt, year, month, day)) continue;
        if (g_Settings.hidePrivate && appt.sensitivity > 0) continue;
        if (appt.allDay) {
            allDay = true;
            allDayColour = GetViewColor(appt.busyStatus);
            bar.Begin();
            continue;
        }
        if (!ApptEndsOn(appt, year, month, day)) {
            bar.Begin();
            const int o = std::max(1, (appt.start.wHour - first) * length / range);
            int t = barStart + o;
            if ((horizontal ? r.right : r.bottom) - t < 4) t = (horizontal ? r.right : r.bottom) - 5;
            DrawArrowLine(dc, t, barEnd - (IsVgaScreen() ? 2 : 0), lineAt, 0, BarItemColour(appt), horizontal);
            continue;
        }
        int offset = 0, blockLength = 0;
        if (!TimelineBlockSpan(appt, first, last, length, offset, blockLength)) continue;
        bar.Begin();
        RECT block = horizontal ? RECT{r.left + offset, r.top + 1, std::min<LONG>(r.left + offset + blockLength, r.right - 1),
                                       r.bottom - 1}
                                : RECT{r.left + 1, r.top + offset, r.right - 1,
                                       std::min<LONG>(r.top + offset + blockLength, r.bottom - 1)};
        COLORREF colour = ThemeColor(kThemeDefaultBarItem);
        if (g_Settings.statusColors) colour = GetViewColor(appt.busyStatus);
        if (g_Settings.catColors && appt.categories.Size() > 0) colour = BarItemColour(appt);
        FillSolid(dc, block, colour);
        block.bottom -= 1;
        DrawFrameRect(dc, block, DarkenColor(colour, kBlockOutlineDarken), Corners::Closed, LineStyle::Solid, 1);
        if (appt.icon != -1 && g_Settings.showCat)
            DrawLargeListIcon(dc, (block.left + block.right) / 2 - 4, (block.top + block.bottom) / 2 - 4, appt.icon);
    }

    if (const SpanArray* spans = g_ApptCache.curSpans) {
        for (int i = 0; i < spans->Size(); ++i) {
            const TimeSpan span = (*spans)[i];
            if (SpanStartsOn(span, year, month, day)) break;
            if (!SpanCoversDay(span, year, month, day)) continue;
            ApptRecord appt;
            if (!LoadApptByOid(span.oid, appt, span.start)) break;
            if (g_Settings.hidePrivate && appt.sensitivity > 0) continue;
            if (appt.allDay) {
                allDay = true;
                allDayColour = GetViewColor(appt.busyStatus);
                bar.Begin();
                continue;
            }
            const bool endsToday = ApptEndsOn(appt, year, month, day);
            const int e = endsToday ? EndHour(GetApptEnd(appt)) : last;
            if (e <= first) continue;
            bar.Begin();
            const int l = std::max(1, (std::min(e, last) - first) * length / range);
            DrawArrowLine(dc, barStart + 1, std::min(barStart + 1 + l, barEnd), lineAt, endsToday ? 2 : 1,
                          BarItemColour(appt), horizontal);
        }
    }

    if (!bar.Started()) return true;
    if (allDay) {
        if (horizontal) {
            SolidLine(dc, r.left + 1, r.top + 1, r.right, r.top + 1, allDayColour);
        } else {
            SolidLine(dc, r.left + 1, r.top + 1, r.left + 1, r.bottom, allDayColour);
            SolidLine(dc, r.left + 2, r.top + 1, r.left + 2, r.bottom, allDayColour);
        }
    }
    const COLORREF tick = ThemeColor(kThemeBarBorder);
    if (!horizontal) {
        const int m = (r.top + r.bottom) / 2;
        SetPixels(dc, {{r.left + 1, m}, {r.right - 1, m}}, tick);
        if (width > kWideBarWidth) SetPixels(dc, {{r.left + 2, m}, {r.right - 2, m}}, tick);
        if (height >= kQuarterTicksHeight) {
            const int q = (m - r.top) / 2;
            SetPixels(dc, {{r.left + 1, r.top + q}, {r.right - 1, r.top + q}, {r.left + 1, m + q}, {r.right - 1, m + q}},
                      tick);
        }
    }
    if (IsToday(day, month, year)) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int p = (now.wHour - first) * length / range;
        if (p >= 0 && !horizontal) {
            const int at = r.top + p;
            SetPixels(dc,
                      {{r.left + 1, at}, {r.left + 2, at}, {r.right - 1, at}, {r.right - 2, at}, {r.left + 1, at - 1},
                       {r.left + 1, at + 1}, {r.right - 1, at - 1}, {r.right - 1, at + 1}},
                      DarkenColor(ThemeColor(kThemeSelFrame), kTimeMarkDarken));
        }
    }
    return true;
}

void DrawTimelineDayIcons(HDC dc, int x, int y, const DateRec& date) {
    if (!g_Settings.scheduleTasks && HasTaskOnDate(date)) y += DrawTaskDueGlyph(dc, x, y);
    if (!g_Settings.dateItems) return;
    switch (GetDayMarkKind(date)) {
    case kDayMarkAnniversary: DrawStatusIcon(dc, x, y, kIconAnniversary, true, false, false); break;
    case kDayMarkBirthday: DrawStatusIcon(dc, x, y, kIconBirthday, true, false, false); break;
    case kDayMarkBoth: DrawLargeStatusIcon(dc, x, y, kIconDateMarkBoth); break;
    default: break;
    }
}

namespace {

void PaintWeekGrid(HDC dc) {
    const RECT g = TimelineGridRect();
    const GdiObject pen(CreatePen(PS_SOLID, 1, ThemeColor(kThemeGridPen)));
    const GdiObject brush(CreateSolidBrush(ThemeColor(kThemeWeekend)));
    HFONT smallFont = nullptr;
    if (IsSmallScreen176()) {
        LOGFONTW logFont{};
        logFont.lfHeight = kSmallFontHeight176;
        logFont.lfWeight = FW_NORMAL;
        std::char_traits<char16_t>::copy(logFont.lfFaceName, u"Tahoma", 7);
        smallFont = CreateFontIndirectW(&logFont);
    }
    const GdiObject ownFont(smallFont);
    const SelectScope selectPen(dc, pen.get());
    const SelectScope selectFont(dc, smallFont ? smallFont : ViewFont());
    SetTextColor(dc, kWhite);
    SetBkMode(dc, TRANSPARENT);
    const int h = TextExtent(dc, u"X").cy;

    RECT band{g.left, 2, g.right, h + 6};
    DrawThemedBackground(dc, band, false, false, false, false);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    };
    line(g.left, h + 6, g.right, h + 6);
    line(g.left, h + 6, g.left, g.bottom);
    line(g.left, g.bottom, g.right, g.bottom);

    const int n = Days();
    const int cw = (g.right - g.left) / n;
    const DateRec selected(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    const int w30 = TextExtent(dc, u"30").cx;
    for (int i = 0; i < n; ++i) {
        const int cl = g.left + i * cw;
        const int cr = cl + cw;
        DateRec date(WeekViewStart.wYear, WeekViewStart.wMonth, WeekViewStart.wDay);
        DateAddSpan(date, DateSpan{i, 0, 0, 0});
        std::u16string weekday;
        FormatWeekdayName(weekday, date.wDayOfWeek + 1, true);
        TextOutPlain(dc, cl + 4, 3, weekday);

        const bool isSelected = DateSameDay(date, selected);
        const RECT column{cl + 1, h + 7, cr, g.bottom};
        COLORREF number = ThemeColor(kThemeWeekdayNumber);
        if (isSelected) {
            DrawSelectionFrame(dc, RECT{cl, h + 7, cr, g.bottom}, false, true);
        } else if (IsToday(date.wDay, date.wMonth, date.wYear)) {
            FillSolid(dc, column, ThemeColor(kThemeTodayHighlight));
        } else if (date.wDayOfWeek == 0 || date.wDayOfWeek == 6) {
            FillRect(dc, &column, static_cast<HBRUSH>(brush.get()));
            number = ThemeColor(kThemeWeekendNumber);
        }
        SetTextColor(dc, number);
        TextOutPlain(dc, cl + 3, h + 7, platform::FormatW(u"%d", date.wDay));

        int bx = cl + w30 + (IsQvgaScreen() ? 8 : 2);
        int bw = cr - bx - 6;
        if (IsQvgaScreen()) {
            bw += 3;
        } else if (IsSquare320Screen()) {
            bx += 4;
            bw -= 6;
        } else if (IsVgaScreen()) {
            bx += 14;
            bw -= 20;
        }
        DrawTimelineDayBlocks(dc, bx, h + 11, g.bottom - h - 16, bw, date.wYear, date.wMonth, date.wDay, false);
        DrawTimelineDayIcons(dc, cl + 3, g.bottom - (IsVgaScreen() ? 42 : 24), date);
        SetTextColor(dc, kWhite);
        if (!isSelected) line(cr, h + 6, cr, g.bottom);
    }
}

}  // namespace

void PaintTimelineWeek(HDC dc) {
    RECT whole{};
    GetClientRect(g_Frame.mainWnd, &whole);
    const MemoryCanvas canvas(dc, whole.right, whole.bottom);
    FillSolid(canvas.dc(), whole, kWhite);
    PaintWeekGrid(canvas.dc());
    DrawSelDayPane(canvas.dc(), true, kTimelinePane);
    canvas.Present(dc);
}

bool HitTimelineDay(int x, int y, int& year, int& month, int& day) {
    const RECT g = TimelineGridRect();
    const int n = Days();
    const int cw = (g.right - g.left) / n;
    for (int i = 0; i < n; ++i) {
        const RECT column{g.left + i * cw, 3, g.left + (i + 1) * cw, g.bottom};
        if (!PtInRect(&column, POINT{x, y})) continue;
        DateRec date(WeekViewStart.wYear, WeekViewStart.wMonth, WeekViewStart.wDay);
        DateAddSpan(date, DateSpan{i, 0, 0, 0});
        year = date.wYear;
        month = date.wMonth;
        day = date.wDay;
        return true;
    }
    return false;
}

bool HitTimelineSelDay(int x, int y) {
    int year = 0, month = 0, day = 0;
    if (!HitTimelineDay(x, y, year, month, day)) return false;
    g_SelectedDate = DateRec(year, month, day);
    return true;
}

bool HitTimelinePane(int x, int y) { return PtInRect(&TimelinePaneRect, POINT{x, y}) != 0; }

void RecalcTimelineMetrics() { SetTimelineMetrics(); }
