// The month and week switches, going back from a detail view, the cycle of shown views, the two
// switches that open an item named on the command line, and the deferral of a switch whose data
// is still loading.
#include "frame/view_switch.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_state.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/cts_loading.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "extras/weather.h"
#include "frame/frame_hooks.h"
#include "frame/load_thread.h"
#include "frame/main_window.h"
#include "frame/menu_bars.h"
#include "frame/titles.h"
#include "platform/commctrl.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "ui/theme_colors.h"
#include "ui/view_commands.h"
#include "ui/view_windows.h"

namespace {

// The ten views of the cycle and their shown switches, by view code.
constexpr ShownView kShownByCode[] = {
    ShownView::Month,    ShownView::Week,     ShownView::TimelineWeek, ShownView::Dates,  ShownView::Year,
    ShownView::Tasks,    ShownView::Contacts, ShownView::Projects,     ShownView::Notes,  ShownView::Wallet,
};
constexpr LONG kCycleLength = static_cast<LONG>(std::size(kShownByCode));

void RepaintNow() {
    InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
    UpdateWindow(g_Frame.mainWnd);
}

int ReadyOrDefer(LONG loaded, LONG startCode, void (*loadNow)()) {
    if (loaded) return 1;
    // The failure was said when the load ended; reading again here would fail the same way.
    if (g_LoadState.failed) return 1;
    // The load has ended without this data (its view was off at the start, or a switch kept it
    // out): no load message will come for it, so it is read now rather than waited for.
    if (g_LoadState.allLoaded) {
        const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        loadNow();
        SetCursor(previous);
        return 1;
    }
    if (g_LoadState.thread) SetThreadPriority(g_LoadState.thread, THREAD_PRIORITY_NORMAL);
    // A later request replaces an earlier pending one, but never a pending close.
    if (PendingViewCmd != kPendingClose) PendingViewCmd = startCode;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return 0;
}

// The schedule list or the drawn agenda window, by "AGENDAFMT".
void ShowAgendaWindows(bool show) {
    const bool drawn = g_Settings.agendaFmt == kAgendaDrawn;
    if (g_ViewWnds.agendaView) ShowWindow(g_ViewWnds.agendaView, show && drawn ? SW_SHOW : SW_HIDE);
    if (g_ViewWnds.scheduleList) ShowWindow(g_ViewWnds.scheduleList, show && !drawn ? SW_SHOW : SW_HIDE);
}

void ShowIf(HWND window, bool show) {
    if (window) ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

// The trees are the platform's own control, white unless told otherwise: they take the theme's
// background and text colours each time they show, so a theme chosen meanwhile reaches them too.
void ThemeTree(HWND tree) {
    if (!tree) return;
    SendMessageW(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ThemeColor(kThemeBackground)));
    SendMessageW(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ThemeColor(kThemeTextColor)));
}

// The child windows of the view that Back returns to.
void ShowReturnViewWindows(LONG view) {
    if (view == kViewDates && g_Settings.agendaFmt == kAgendaDrawn) {
        RelayoutAgendaView();
        ReleaseAgendaBuffer();
    }
    ShowIf(g_ViewWnds.taskList, view == kViewTasks);
    const bool contacts = view == kViewContacts;
    ShowIf(g_ViewWnds.contactGrid, contacts && g_Settings.ctsIcon);
    ShowIf(g_ViewWnds.contactsList, contacts && !g_Settings.ctsIcon);
    ShowIf(g_CtsAbcToolbar, contacts && g_Settings.abcTb);
    ShowIf(g_ViewWnds.notesList, view == kViewNotes);
    if (view == kViewWallet) ThemeTree(g_ViewWnds.walletTree);
    if (view == kViewProjects) ThemeTree(g_ViewWnds.projectTree);
    ShowIf(g_ViewWnds.walletTree, view == kViewWallet);
    ShowIf(g_ViewWnds.projectTree, view == kViewProjects);
    if (view == kViewDay) ShowIf(g_ViewWnds.weekdayBar, true);
    ShowAgendaWindows(view == kViewDates || view == kViewDay);
}

}  // namespace

int frame::ApptsReadyOrDefer(LONG startCode) {
    return ReadyOrDefer(g_ApptCache.loaded, startCode, [] {
        g_Frame.loadAppts = 1;
        LoadApptsForMonth(1, 0);
    });
}
int frame::TasksReadyOrDefer(LONG startCode) {
    return ReadyOrDefer(g_LoadState.tasksLoaded, startCode, [] {
        g_Frame.loadTasks = 1;
        LoadTskList(0);
    });
}
int frame::ContactsReadyOrDefer(LONG startCode) {
    return ReadyOrDefer(g_LoadState.contactsLoaded, startCode, [] {
        g_Frame.loadContacts = 1;
        LoadCtsList(0);
    });
}

LONG frame::GetViewShownFlag(LONG code) {
    if (code < 0 || code >= kCycleLength) return 0;
    return g_ViewShown[kShownByCode[code]];
}

LONG NextShownView(LONG code) {
    if (code == kViewWalletLocked) code = kViewWallet;
    LONG candidate = code >= 0 && code < kCycleLength ? code + 1 : 0;
    // One round at most: with every view switched off the month view is the answer.
    for (LONG tried = 0; tried < kCycleLength; ++tried, ++candidate) {
        if (candidate >= kCycleLength) candidate = 0;
        if (GetViewShownFlag(candidate)) return candidate;
    }
    return kViewMonth;
}

void frame::ShowMonthView() {
    if (!g_ViewShown[ShownView::Month]) return;
    if (!::ApptsReadyOrDefer(kStartMonth)) return;
    ViewId = kViewMonth;
    DayPaneScroll = 0;
    HideAllViewWindows();
    SetMonthTitle();
    g_Main.backArmed = 0;
    if (!g_MenuBars.month)
        ::CreateViewMenuBar(&g_MenuBars.month, 0, nullptr, kShowBar);
    else
        SwitchShownWindow(g_MenuBars.month);
    RepaintNow();
}

void frame::ShowWeekView() {
    if (!g_ViewShown[ShownView::Week]) return;
    if (!::ApptsReadyOrDefer(kStartWeek)) return;
    ViewId = kViewWeek;
    DayPaneScroll = 0;
    HideAllViewWindows();
    GetWeekStartDate(WeekViewStart);
    SetViewTitle();
    g_Main.backArmed = 0;
    ::CreateViewMenuBar(&g_MenuBars.week, 0, nullptr, kShowBar);
    RefreshWeather(g_Frame.mainWnd);
    RepaintNow();
}

void frame::GoBackView() {
    const LONG previous = g_Frame.prevViewId;
    if (previous != kNoView && !GetViewShownFlag(previous)) return;
    DayPaneScroll = 0;
    g_Main.backArmed = 0;
    ViewId = previous;
    if (previous == kNoView) return ShowMonthView();
    if (g_CurItem.rowIndex == -1) ResetSelection();
    if (g_Frame.returnBar) {
        SwitchShownWindow(g_Frame.returnBar);
    } else {
        RecreateViewMenuBar();
    }
    if (ViewId == kViewMonth)
        SetMonthTitle();
    else
        SetViewTitle();
    ShowReturnViewWindows(ViewId);
    RepaintNow();
    FocusCurrentView();
}
