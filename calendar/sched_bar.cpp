// The weekday tool bar of the Day view and the commands of its buttons. A weekday button moves the
// selected date within the week that holds it; the week starts on Sunday, or on Monday with
// MONDAYSTART. The bar is created hidden and only placed and shown while DAYTOOLBAR is on.
#include "calendar/sched_bar.h"

#include <iterator>

#include "calendar/agenda_view.h"
#include "calendar/day_list.h"
#include "calendar/go_to_date.h"
#include "calendar/sched_list.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/screen_class.h"
#include "core/view_id.h"
#include "platform/commctrl.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/date_pickers.h"
#include "ui/main_state.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"
#include "ui/view_windows.h"

namespace {

constexpr int kButtonCount = 12;
constexpr int kButtonSide = 10;
constexpr int kVgaButtonSide = 20;
constexpr int kDaysPerWeek = 7;

// The button commands by position, Sunday first and Monday first.
constexpr UINT kSundayFirst[kButtonCount] = {kCmdSchedBlank, kCmdGoToSun, kCmdGoToMon, kCmdGoToTue,
                                             kCmdGoToWed,    kCmdGoToThu, kCmdGoToFri, kCmdGoToSat,
                                             kCmdTodaySched, kCmdPrevWeek, kCmdNextWeek, kCmdGoToDate};
constexpr UINT kMondayFirst[kButtonCount] = {kCmdSchedBlank, kCmdGoToMon, kCmdGoToTue, kCmdGoToWed,
                                             kCmdGoToThu,    kCmdGoToFri, kCmdGoToSat, kCmdGoToSun,
                                             kCmdTodaySched, kCmdPrevWeek, kCmdNextWeek, kCmdGoToDate};

HWND Bar() { return g_ViewWnds.weekdayBar; }

int MainClientWidth() {
    RECT rc{};
    GetClientRect(g_Frame.mainWnd, &rc);
    return rc.right - rc.left;
}

int BarHeight() {
    RECT rc{};
    if (Bar()) GetWindowRect(Bar(), &rc);
    return rc.bottom - rc.top;
}

// Counted from Monday (0) to Sunday (6) with MONDAYSTART, else from Sunday.
int WeekPlace(int dayOfWeek) {
    return g_Settings.mondayStart ? (dayOfWeek + kDaysPerWeek - 1) % kDaysPerWeek : dayOfWeek;
}

void MoveSelectedDate(int days) {
    DateRec date(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    if (days < 0) DateSubDays(date, -days);
    else DateAddDays(date, days);
    g_SelectedDate = DateRec(date.wYear, date.wMonth, date.wDay);
    ShowSchedDate();
}

void GoToWeekday(int target) {
    const DateRec date(g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay);
    const int offset = WeekPlace(target) - WeekPlace(date.wDayOfWeek);
    if (offset == 0) return;
    MoveSelectedDate(offset);
}

struct BarCommandEntry {
    UINT command;
    void (*run)();
};

constexpr BarCommandEntry kBarCommands[] = {
    {kCmdGoToSun, GoToSunCmd},     {kCmdGoToMon, GoToMonCmd},     {kCmdGoToTue, GoToTueCmd},
    {kCmdGoToWed, GoToWedCmd},     {kCmdGoToThu, GoToThuCmd},     {kCmdGoToFri, GoToFriCmd},
    {kCmdGoToSat, GoToSatCmd},     {kCmdTodaySched, TodaySchedCmd}, {kCmdPrevWeek, PrevWeekCmd},
    {kCmdNextWeek, NextWeekCmd},   {kCmdGoToDate, GoToDateCmd},
};

}  // namespace

void CreateSchedBar() {
    if (Bar()) return;
    const bool vga = IsVgaScreen();
    const UINT bitmap = g_Settings.mondayStart ? (vga ? IDB_SCHED_BAR_MON_VGA : IDB_SCHED_BAR_MON)
                                               : (vga ? IDB_SCHED_BAR_SUN_VGA : IDB_SCHED_BAR_SUN);
    const int side = vga ? kVgaButtonSide : kButtonSide;
    const UINT* commands = g_Settings.mondayStart ? kMondayFirst : kSundayFirst;
    TBBUTTON buttons[kButtonCount]{};
    for (int i = 0; i < kButtonCount; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = static_cast<int>(commands[i]);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    g_ViewWnds.weekdayBar = CreateToolbarEx(g_Frame.mainWnd, WS_CHILD | WS_BORDER | TBSTYLE_FLAT, kIdSchedBar,
                                            kButtonCount, g_Main.instance, bitmap, buttons, kButtonCount, side, side,
                                            side, side, sizeof(TBBUTTON));
    SizeSchedBar();
}

void SizeSchedBar() {
    if (!g_Settings.dayToolbar || !Bar()) return;
    MoveWindow(Bar(), 0, 0, MainClientWidth(), BarHeight(), TRUE);
}

void PlaceBelowSchedBar(HWND window) {
    if (!g_Settings.dayToolbar || !window) return;
    RECT client{};
    GetClientRect(window, &client);
    const int height = BarHeight();
    MoveWindow(window, 0, height + 1, GetSystemMetrics(SM_CXSCREEN), client.bottom - height, TRUE);
}

void ShowSchedBar() {
    if (g_Settings.dayToolbar && Bar()) ShowWindow(Bar(), SW_SHOW);
}

void GoToSunCmd() { GoToWeekday(0); }
void GoToMonCmd() { GoToWeekday(1); }
void GoToTueCmd() { GoToWeekday(2); }
void GoToWedCmd() { GoToWeekday(3); }
void GoToThuCmd() { GoToWeekday(4); }
void GoToFriCmd() { GoToWeekday(5); }
void GoToSatCmd() { GoToWeekday(6); }

void TodaySchedCmd() {
    DateRec now;
    DateNow(now);
    g_SelectedDate = DateRec(now.wYear, now.wMonth, now.wDay);
    ShowSchedDate();
}

void PrevWeekCmd() { MoveSelectedDate(-kDaysPerWeek); }
void NextWeekCmd() { MoveSelectedDate(kDaysPerWeek); }

void GoToDateCmd() {
    if (!GoToDateDlg(g_Frame.mainWnd, g_SelectedDate.wYear, g_SelectedDate.wMonth, g_SelectedDate.wDay)) return;
    g_SelectedDate = DateRec(g_GoToDate.year, g_GoToDate.month, g_GoToDate.day);
    ShowSchedDate();
}

void ShowSchedDate() {
    ResetSelection();
    ReLoadApptPOOM(g_SelectedDate.wYear, g_SelectedDate.wMonth, 0);
    if (ViewId == kViewDay && g_Settings.agendaFmt != kAgendaDrawn) {
        FillSchedDay();
        SelectNextListRow(g_ViewWnds.scheduleList, QueryOnly::kNo, RowRules::kSchedule);
        RedrawNow(nullptr);
        return;
    }
    if (ViewId == kViewDay) {
        ReleaseAgendaBuffer();
        RelayoutAgendaView();
        SelectFirstDayItem();
        if (g_Agenda.wnd) RedrawNow(g_Agenda.wnd);
    }
    RedrawNow(nullptr);
}

int SchedBarCommandCmd(UINT command) {
    if (command == kCmdSchedBlank) return 1;
    for (const BarCommandEntry& entry : kBarCommands) {
        if (entry.command != command) continue;
        entry.run();
        return 1;
    }
    return 0;
}

void PlaceUnderWeekdayBar(HWND list) {
    PlaceBelowSchedBar(list);
    SizeSchedBar();
}
