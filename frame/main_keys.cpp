// The main window's keys by view: the calendar views move their date, the list views take the
// focus so that their control gets the next keys, and every key counts as handled.
#include "calendar/agenda_view.h"
#include "calendar/cal_views.h"
#include "calendar/calendar_state.h"
#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "extras/extra_commands.h"
#include "frame/frame_hooks.h"
#include "frame/settings_store.h"
#include "frame/view_switch.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "ui/view_windows.h"
#include "wallet/wlt_commands.h"

namespace {

constexpr UINT kKeyEnter = VK_RETURN;
constexpr UINT kKeyLeft = VK_LEFT;
constexpr UINT kKeyUp = VK_UP;
constexpr UINT kKeyRight = VK_RIGHT;
constexpr UINT kKeyDown = VK_DOWN;
constexpr UINT kKeyHash = '#';
constexpr UINT kKeySpace = VK_SPACE;

// The today key, the digit hot keys and the day pane's scroll keys; true when the view changed.
bool CommonKeySteps(UINT key) {
    if (JumpToTodayOnKey(key)) return true;
    if (HotKeyToView(key)) return true;
    ScrollDayPaneOnKey(key);
    return false;
}

void StepSelectedDate(void (*step)(LONG&, LONG&, LONG&, int)) {
    LONG year = g_SelectedDate.wYear;
    LONG month = g_SelectedDate.wMonth;
    LONG day = g_SelectedDate.wDay;
    step(year, month, day, 1);
}

void MonthViewKey(UINT key) {
    if (CommonKeySteps(key)) return;
    if (key == kKeyHash || key == kKeySpace) {
        ToggleSplitMonth(static_cast<LONG>(key));
        return;
    }
    switch (key) {
    case kKeyRight: StepSelectedDate(DateStepFwd); break;
    case kKeyDown:
        DayPaneScroll = 0;
        StepSelectedDate(DateNextWeek);
        break;
    case kKeyUp: StepSelectedDate(DatePrevWeek); break;
    case kKeyLeft: StepSelectedDate(DateStepBack); break;
    case kKeyEnter: ShowSelDayView(); break;
    default: break;
    }
}

void WeekViewKey(UINT key) {
    if (CommonKeySteps(key)) return;
    switch (key) {
    case kKeyRight: WeekViewNextWeek(); break;
    case kKeyLeft: WeekViewPrevWeek(); break;
    case kKeyUp: WeekViewPrevDay(); break;
    case kKeyDown: WeekViewNextDay(); break;
    case kKeyEnter: ShowSelDayView(); break;
    default: break;
    }
}

void TimelineViewKey(UINT key) {
    if (CommonKeySteps(key)) return;
    switch (key) {
    case kKeyEnter: ShowSelDayView(); break;
    case kKeyLeft:
    case kKeyUp: WeekViewPrevDay(); break;
    case kKeyRight:
    case kKeyDown: WeekViewNextDay(); break;
    default: break;
    }
}

void YearViewKey(UINT key) {
    if (JumpToTodayOnKey(key) || HotKeyToView(key)) return;
    switch (key) {
    case kKeyRight: YearViewNextMonth(); break;
    case kKeyLeft: YearViewPrevMonth(); break;
    case kKeyDown: YearViewNextRow(); break;
    case kKeyUp: YearViewPrevRow(); break;
    case kKeyEnter: YearViewPickDate(); break;
    default: break;
    }
}

void WalletLockedKey(UINT key) {
    if (JumpToTodayOnKey(key) || HotKeyToView(key)) return;
    if (key == kKeyEnter) OpenCurrentWallet();
}

void FocusWindow(HWND window) {
    if (window) SetFocus(window);
}

}  // namespace

LRESULT MainKeyDown(WPARAM wParam) {
    const UINT key = static_cast<UINT>(wParam);
    switch (ViewId) {
    case kViewMonth: MonthViewKey(key); break;
    case kViewWeek: WeekViewKey(key); break;
    case kViewTimelineWeek: TimelineViewKey(key); break;
    case kViewYear: YearViewKey(key); break;
    case kViewSpinner: SpinnerKeyDown(key); break;
    case kViewWalletLocked: WalletLockedKey(key); break;
    default: FocusCurrentView(); break;
    }
    return 1;
}

void frame::FocusCurrentView() {
    switch (ViewId) {
    case kViewDates:
    case kViewDay:
        FocusWindow(g_Settings.agendaFmt == kAgendaDrawn ? g_ViewWnds.agendaView : g_ViewWnds.scheduleList);
        break;
    case kViewApptPreview:
    case kViewContactPreview:
    case kViewTaskPreview:
    case kViewWalletItem: FocusWindow(g_ViewWnds.agendaView); break;
    case kViewTasks:
        // The current task is the selected row's again, whatever happened while the list was away.
        ResetTskListCache();
        FocusWindow(g_ViewWnds.taskList);
        break;
    case kViewContacts: FocusWindow(g_Settings.ctsIcon ? g_ViewWnds.contactGrid : g_ViewWnds.contactsList); break;
    case kViewProjects: FocusWindow(g_ViewWnds.projectTree); break;
    case kViewNotes: FocusWindow(g_ViewWnds.notesList); break;
    case kViewWallet: FocusWindow(g_ViewWnds.walletTree); break;
    default: FocusWindow(g_Frame.mainWnd); break;
    }
}
