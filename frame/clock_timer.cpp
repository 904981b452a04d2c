// The clock timer of the main window: a new day releases the back buffers and repaints the
// calendar views; with the clock in the title (or the spinner up) each new minute renews the title.
#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/view_id.h"
#include "extras/weather.h"
#include "frame/frame_hooks.h"
#include "frame/main_window.h"
#include "frame/titles.h"
#include "frame/view_switch.h"
#include "platform/user.h"
#include "ui/frame_calls.h"

namespace {

bool ClockIsFast() { return g_Settings.clockTitle != 0 || ViewId == kViewSpinner; }

void RepaintNow(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

// The views that show today's mark.
bool ShowsToday(LONG view) {
    return view == kViewMonth || view == kViewWeek || view == kViewDates || view == kViewYear;
}

void OnNewMinute(HWND window) {
    switch (ViewId) {
    case kViewSpinner: RepaintNow(window); break;
    case kViewWeek:
    case kViewDates:
    case kViewYear:
    case kViewTasks:
    case kViewContacts:
    case kViewDay: SetViewTitle(); break;
    case kViewMonth: SetMonthTitle(); break;
    default: break;
    }
}

}  // namespace

void OnMinuteTimer(HWND window) {
    if (ViewId == kViewWeek && RefreshWeather(window)) RepaintNow(window);
    DateRec now;
    DateNow(now);
    if (now.wDay != g_Main.todayDay) {
        g_Main.todayDay = now.wDay;
        // The data is not reloaded: only the drawn pictures carry the old day.
        FreeBackBuffers();
        if (ShowsToday(ViewId)) RepaintNow(window);
    }
    if (!ClockIsFast()) return;
    if (now.wMinute == g_Main.todayMinute) return;
    g_Main.todayMinute = now.wMinute;
    OnNewMinute(window);
}

void frame::RestartClockTimer() {
    KillTimer(g_Frame.mainWnd, kClockTimerId);
    SetTimer(g_Frame.mainWnd, kClockTimerId, ClockIsFast() ? kFastClockPeriodMs : kClockPeriodMs, nullptr);
    DateRec now;
    DateNow(now);
    g_Main.todayDay = now.wDay;
    g_Main.todayMinute = now.wMinute;
}
