// Moving the current view to a date chosen on the go-to-date wheel or to today, and the reload of
// the month cache after the select-date grid browsed other months.
#include "calendar/agenda_switch.h"
#include "calendar/calendar_nav.h"
#include "calendar/calendar_state.h"
#include "calendar/go_to_date.h"
#include "calendar/pending_view.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "ui/date_pickers.h"
#include "ui/frame_calls.h"
#include "ui/offscreen.h"
#include "ui/view_commands.h"

namespace {

// Reloads the month and shows the Day view of the view date.
void ShowViewDateDay() {
    const LONG before = ViewId;
    LoadApptsForMonth(0, 0);
    GetWeekStartDate(WeekViewStart);
    FreeBackBuffers();
    ShowDayView(1, 1);
    if (before != kViewWeek && before != kViewDates) g_CurItem.rowTop = -1;
}

void MoveViewTo(const DateRec& date) {
    const DateRec old = g_SelectedDate;
    const bool changed = !DateSameDay(old, date);
    g_SelectedDate = DateRec(date.wYear, date.wMonth, date.wDay);
    if (g_Settings.gotoCurrent && changed) {
        switch (ViewId) {
        case kViewMonth:
            LoadApptsForMonth(0, 0);
            FreeBackBuffers();
            RefreshAppts();
            RedrawNow(nullptr);
            return;
        case kViewWeek:
            LoadApptsForMonth(0, 0);
            GetWeekStartDate(WeekViewStart);
            FreeBackBuffers();
            RedrawNow(nullptr);
            return;
        default: ShowViewDateDay(); return;
        }
    }
    if (!changed && ViewId == kViewDay) return;
    ShowViewDateDay();
}

}  // namespace

void GoToDateCurView() {
    const DateRec& shown = g_SelectedDate;
    if (!GoToDateDlg(g_Frame.mainWnd, shown.wYear, shown.wMonth, shown.wDay)) return;
    MoveViewTo(DateRec(static_cast<int>(g_GoToDate.year), static_cast<int>(g_GoToDate.month),
                       static_cast<int>(g_GoToDate.day)));
}

void GoToToday() {
    DateRec today;
    DateNow(today);
    MoveViewTo(today);
}

void GoToDateForView() { GoToDateCurView(); }
void TodayForView() { GoToToday(); }

void ApplyPendingViewChange() {
    if (!g_MonthCacheReload) return;
    g_MonthCacheReload = 0;
    LoadApptsForMonth(1, 1);
}
