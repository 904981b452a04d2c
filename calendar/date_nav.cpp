// Date navigation of the calendar views: day, week and month steps of the selected date with the
// month cache, the cached grid and the title kept in step, the week span of the week views,
// today, and the scrolling of the selected-day pane.
#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_nav.h"
#include "calendar/calendar_state.h"
#include "calendar/day_list.h"
#include "calendar/month_view.h"
#include "calendar/week_view.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/frame_calls.h"

namespace {

constexpr int kMonthsPerYear = 12;

int SpanDays() { return g_Settings.fiveDayWeek ? 5 : 7; }

void SetSelected(LONG year, LONG month, LONG day) { g_SelectedDate = DateRec(year, month, day); }

// The month-change step: a new month's grid and appointments, and its title in the month view.
void MonthChanged(LONG year, LONG month, int redraw) {
    if (redraw) {
        RefreshAppts();
    } else {
        ReLoadApptPOOM(year, month, 0);
    }
}

void AfterDayStep() {
    ResetSelection();
    if (ViewId == kViewDay) {
        ReleaseAgendaBuffer();
        RelayoutAgendaView();
        SelectFirstDayItem();
        if (g_Agenda.wnd) {
            InvalidateRect(g_Agenda.wnd, nullptr, TRUE);
            UpdateWindow(g_Agenda.wnd);
        }
    }
    RepaintMainWindow();
}

bool SameMonth(const DateRec& a, const DateRec& b) { return a.wYear == b.wYear && a.wMonth == b.wMonth; }

DateRec DateOnly(const DateRec& date) { return DateRec(date.wYear, date.wMonth, date.wDay); }

DateRec WeekSpanMoved(int sign) {
    DateRec moved = DateOnly(WeekViewStart);
    const DateSpan span{SpanDays(), 0, 0, 0};
    if (sign > 0)
        DateAddSpan(moved, span);
    else
        DateSubSpan(moved, span);
    return moved;
}

// The month is reloaded whenever the selected date changes month: comparing with the span's first
// day instead would leave a month that the selection came back from in the cache.
void MoveWeekSpan(int sign) {
    const DateRec moved = WeekSpanMoved(sign);
    const bool monthChanged = !SameMonth(moved, g_SelectedDate);
    g_SelectedDate = moved;
    if (monthChanged) RefreshAppts();
    DayPaneScroll = 0;
    WeekViewStart = moved;
    RepaintMainWindow();
}

bool IsTodayKey(UINT key) { return KeyCarriesDigit(g_Frame.kbdModelCode, static_cast<int>(key), u'2') != 0; }

bool ShowsSelectedPane() {
    switch (ViewId) {
    case kViewMonth: return g_Settings.splitMonth != 0;
    case kViewWeek:
    case kViewTimelineWeek: return true;
    default: return false;
    }
}

// Whether the pane (or the week view's selected box) has entries below what it shows.
bool PaneHasMoreBelow() {
    HDC dc = GetDC(g_Frame.mainWnd);
    int more = 0;
    if (ViewId == kViewWeek)
        more = PaintWeekView(dc, false);
    else
        more = DrawSelDayPane(dc, false, ViewId == kViewMonth ? kMonthPane : kTimelinePane);
    ReleaseDC(g_Frame.mainWnd, dc);
    return more != 0;
}

}  // namespace

void RepaintMainWindow() {
    if (!g_Frame.mainWnd) return;
    InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
    UpdateWindow(g_Frame.mainWnd);
}

void RefreshAppts() {
    MonthGridCache.drawn = 0;
    LoadApptsForMonth(0, 0);
    if (ViewId == kViewMonth) SetMonthTitle();
}

void ReadTodayDate() {
    DateRec now;
    DateNow(now);
    g_SelectedDate = DateOnly(now);
}

void DateStepFwd(LONG& year, LONG& month, LONG& day, int redraw) {
    if (redraw) DayPaneScroll = 0;
    bool monthChanged = false;
    if (++day > DaysInMonth(DateRec(year, month, 1))) {
        day = 1;
        monthChanged = true;
        if (++month > kMonthsPerYear) {
            month = 1;
            ++year;
        }
    }
    if (!redraw) {
        if (monthChanged) MonthChanged(year, month, 0);
        return;
    }
    SetSelected(year, month, day);
    if (monthChanged) MonthChanged(year, month, 1);
    AfterDayStep();
}

void DateStepBack(LONG& year, LONG& month, LONG& day, int redraw) {
    if (redraw) DayPaneScroll = 0;
    bool monthChanged = false;
    if (--day < 1) {
        monthChanged = true;
        if (--month < 1) {
            month = kMonthsPerYear;
            --year;
        }
        day = DaysInMonth(DateRec(year, month, 1));
    }
    if (!redraw) {
        if (monthChanged) MonthChanged(year, month, 0);
        return;
    }
    SetSelected(year, month, day);
    if (monthChanged) MonthChanged(year, month, 1);
    AfterDayStep();
}

namespace {

void StepWeek(LONG& year, LONG& month, LONG& day, int redraw, int sign) {
    DateRec date(year, month, day);
    const DateSpan week{7, 0, 0, 0};
    if (sign > 0)
        DateAddSpan(date, week);
    else
        DateSubSpan(date, week);
    const bool monthChanged = date.wYear != year || date.wMonth != month;
    year = date.wYear;
    month = date.wMonth;
    day = date.wDay;
    if (!redraw) {
        if (monthChanged) MonthChanged(year, month, 0);
        return;
    }
    SetSelected(year, month, day);
    if (monthChanged) MonthChanged(year, month, 1);
    RepaintMainWindow();
}

void StepMonth(LONG& year, LONG& month, LONG& day, int sign) {
    month += sign;
    if (month > kMonthsPerYear) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = kMonthsPerYear;
        --year;
    }
    day = 1;
    SetSelected(year, month, day);
    MonthChanged(year, month, 1);
    RepaintMainWindow();
}

}  // namespace

void DateNextWeek(LONG& year, LONG& month, LONG& day, int redraw) { StepWeek(year, month, day, redraw, 1); }

void DatePrevWeek(LONG& year, LONG& month, LONG& day, int redraw) {
    if (redraw) DayPaneScroll = 0;
    StepWeek(year, month, day, redraw, -1);
}

void DateNextMonth(LONG& year, LONG& month, LONG& day) { StepMonth(year, month, day, 1); }
void DatePrevMonth(LONG& year, LONG& month, LONG& day) { StepMonth(year, month, day, -1); }

void DateNextDay() {
    LONG year = g_SelectedDate.wYear, month = g_SelectedDate.wMonth, day = g_SelectedDate.wDay;
    DateStepFwd(year, month, day, 1);
}

void DatePrevDay() {
    LONG year = g_SelectedDate.wYear, month = g_SelectedDate.wMonth, day = g_SelectedDate.wDay;
    DateStepBack(year, month, day, 1);
}

void WeekViewNextWeek() { MoveWeekSpan(1); }
void WeekViewPrevWeek() { MoveWeekSpan(-1); }

void WeekViewNextDay() {
    DateRec last = DateOnly(WeekViewStart);
    DateAddSpan(last, DateSpan{SpanDays() - 1, 0, 0, 0});
    if (DateSameDay(g_SelectedDate, last)) return WeekViewNextWeek();
    DateNextDay();
}

void WeekViewPrevDay() {
    if (DateSameDay(g_SelectedDate, WeekViewStart)) return WeekViewBackToPrevWeek();
    DatePrevDay();
}

void WeekViewBackToPrevWeek() {
    WeekViewStart = WeekSpanMoved(-1);
    DayPaneScroll = 0;
    DatePrevDay();
}

void SetWeekStartToSelDate() {
    WeekViewStart = DateOnly(g_SelectedDate);
    LoadApptsForMonth(0, 0);
    RepaintMainWindow();
}

int JumpToTodayOnKey(UINT key) {
    if (!IsTodayKey(key)) return 0;
    DateRec today;
    DateNow(today);
    today = DateOnly(today);
    if (DateSameDay(g_SelectedDate, today)) {
        RefreshCurView();
        return 1;
    }
    const bool monthChanged = !SameMonth(g_SelectedDate, today);
    g_SelectedDate = today;
    if (monthChanged) LoadApptsForMonth(0, 0);
    switch (ViewId) {
    case kViewMonth:
        if (monthChanged) RefreshAppts();
        RepaintMainWindow();
        break;
    case kViewWeek: {
        // The span ends at its last shown day, so that today is always shown afterwards.
        DateRec end = DateOnly(WeekViewStart);
        DateAddSpan(end, DateSpan{SpanDays() - 1, 0, 0, 0});
        if (DateIsBefore(today, DateOnly(WeekViewStart)) || DateIsAfter(today, end)) GetWeekStartDate(WeekViewStart);
        RepaintMainWindow();
        break;
    }
    default: RefreshCurView(); break;
    }
    return 1;
}

int TodayKeyCmd(UINT key) {
    JumpToTodayOnKey(key);
    return HotKeyToView(key);
}

void ScrollDayPaneOnKey(UINT key) {
    if (!ShowsSelectedPane()) return;
    const LONG model = g_Frame.kbdModelCode;
    const int code = static_cast<int>(key);
    if (KeyCarriesDigit(model, code, u'1')) {
        if (DayPaneScroll <= 0) return;
        --DayPaneScroll;
        RepaintMainWindow();
    } else if (KeyCarriesDigit(model, code, u'3')) {
        if (!PaneHasMoreBelow()) return;
        ++DayPaneScroll;
        RepaintMainWindow();
    }
}

void RefreshCurView() {
    switch (ViewId) {
    case kViewMonth: MonthGridCache.drawn = 0; break;
    case kViewDay:
    case kViewDates:
        ReleaseAgendaBuffer();
        RelayoutAgendaView();
        if (g_Agenda.wnd) InvalidateRect(g_Agenda.wnd, nullptr, TRUE);
        break;
    default: break;
    }
    RepaintMainWindow();
}

void ShowSelDayView() { ShowDayView(1, 1); }
