// The Dates list: today and the upcoming days stacked, empty days left out with SKIPEMPTY, one
// first-header flag for the whole list, and selection steps that cross day boundaries.
#include "calendar/dates_list.h"

#include <functional>

#include "calendar/agenda_text.h"
#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "calendar/month_view.h"
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/month_cache.h"
#include "core/theme_words.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/layout.h"
#include "ui/main_state.h"

namespace {

constexpr int kThemePrimaryText = 8;
constexpr const WCHAR* kNoUpcoming = u"No Upcoming Appointments.";
constexpr int kNoUpcomingExtra = 5;

DateRec Today() {
    DateRec now;
    DateNow(now);
    return DateRec(now.wYear, now.wMonth, now.wDay);
}

// Walks the span; `perDay` runs before each day is measured and ends the walk when it returns true.
// The y below the last day.
int WalkSpan(HDC dc, int draw, bool& anyDrawn, const std::function<bool(const DateRec&, int)>& perDay) {
    LONG first = 1;
    int y = kDayListTop;
    DateRec day = Today();
    anyDrawn = false;
    for (int i = 0; i <= kUpcomingDays; ++i) {
        // Adding days keeps the weekday; the day's header names it, so it follows the date.
        if (i > 0) {
            DateAddDays(day, 1);
            DateSetDow(day);
        }
        if (perDay && perDay(day, y)) return -1;
        const int below = DrawDayList(dc, day, y, first, g_Settings.skipEmpty, draw);
        if (below > y) {
            anyDrawn = true;
            y = below + kDatesDayGap;
        }
        if (y > kDayListLimit) break;
    }
    return y;
}

bool WalkMeasuredSpan(const std::function<bool(const DateRec&, int)>& perDay) {
    HDC dc = GetDC(g_Agenda.wnd);
    if (!dc) return false;
    bool any = false;
    const bool stopped = WalkSpan(dc, 0, any, perDay) < 0;
    ReleaseDC(g_Agenda.wnd, dc);
    return stopped;
}

}  // namespace

int DrawDatesList(HDC dc, int draw) {
    OffscreenBuffer& buffer = g_Agenda.listBuffer;
    RECT rc{};
    GetViewClientRect(g_Agenda.wnd, rc);
    const int scroll = GetViewScrollPos();
    if (draw) {
        if (!buffer.valid) CreateOffscreen(buffer, dc, rc.right, GetAgendaContentHeight(dc));
        if (buffer.drawn) {
            BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, scroll, SRCCOPY);
            return 0;
        }
        if (!buffer.valid) return 0;
        DrawViewBackground(buffer, 0, 0);
    }
    HDC target = draw ? buffer.memDC : dc;
    const DateRec today = Today();
    if (g_SelectedDate.wYear == today.wYear && g_SelectedDate.wMonth == today.wMonth) {
        DropMonthGridCache();
        LoadApptsForMonth(0, 0);
    }
    bool any = false;
    int y = WalkSpan(target, draw, any, nullptr);
    if (!any) {
        if (draw) {
            HGDIOBJ old = SelectObject(target, g_Main.themeFonts[kFontBold]);
            SetBkMode(target, TRANSPARENT);
            SetTextColor(target, static_cast<COLORREF>(GetThemeWord(kThemePrimaryText)));
            DrawAgendaText(target, kDayListX, y, kNoUpcoming);
            SelectObject(target, old);
        }
        y += g_Settings.fontSize + kNoUpcomingExtra;
    }
    if (draw) {
        buffer.drawn = 1;
        BitBlt(dc, 0, 0, buffer.width, buffer.height, buffer.memDC, 0, scroll, SRCCOPY);
    }
    return y;
}

int DatesListHitTest(int x, int y) {
    return WalkMeasuredSpan([&](const DateRec& day, int top) { return DayListHitTest(x, y, top, day) == 1; }) ? 1 : 0;
}

int SelectNextDatesItem() {
    bool found = false;
    return WalkMeasuredSpan([&](const DateRec& day, int top) { return SelectNextDayItem(top, day, found) == 1; }) ? 1
                                                                                                                : 0;
}

int SelectPrevDatesItem() {
    PrevDayItem previous;
    return WalkMeasuredSpan([&](const DateRec& day, int top) { return SelectPrevDayItem(top, day, previous) == 1; })
               ? 1
               : 0;
}
