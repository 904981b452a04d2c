// Moving between views without a menu: the home view of the "last view" start, the Back command,
// the digit hot keys and the "Next View" soft key.
#include "calendar/cal_views.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "extras/theme.h"
#include "frame/frame_hooks.h"
#include "frame/menu_bars.h"
#include "frame/view_switch.h"
#include "notes/notes_view.h"
#include "platform/shell.h"
#include "projects/prj_view.h"
#include "ui/view_commands.h"
#include "wallet/wlt_view.h"

namespace {

// The views a digit key jumps to, tested in this order.
struct DigitView {
    WCHAR digit;
    void (*show)();
};
void ShowWalletAfterKeys() {
    // The wallet may ask for a password: the keys already typed must not land in that prompt.
    PumpMessagesSkipKeys();
    ShowWalletView();
}
constexpr DigitView kDigitViews[] = {
    {u'4', ShowMonthView}, {u'5', ShowWeekView},     {u'6', ShowDatesView},        {u'7', ShowTasksView},
    {u'8', ShowNotesView}, {u'9', ShowContactsView}, {u'0', ShowWalletAfterKeys},
};

void ShowTimelineReset() { ShowTimelineWeek(true); }

// The views of the cycle by code.
constexpr void (*kCycleViews[])() = {
    ShowMonthView, ShowWeekView,     ShowTimelineReset, ShowDatesView, ShowYearView,
    ShowTasksView, ShowContactsView, ShowProjectsView,  ShowNotesView, ShowWalletView,
};

// The main views, where Back has nowhere to go.
bool IsMainView(LONG view) {
    switch (view) {
    case kViewMonth:
    case kViewWeek:
    case kViewDates:
    case kViewTasks:
    case kViewContacts:
    case kViewNotes:
    case kViewWallet: return true;
    default: return false;
    }
}

}  // namespace

void ShowHomeView() {
    switch (g_Settings.lastForStart) {
    case kStartWeek: ShowWeekView(); break;
    case kStartDates: ShowDatesView(); break;
    case kStartTasks: ShowTasksView(); break;
    case kStartContacts: ShowContactsView(); break;
    case kStartNotes: ShowNotesView(); break;
    case kStartWallet: ShowWalletView(); break;
    case kStartYear: ShowYearView(); break;
    default: ShowMonthView(); break;
    }
}

int frame::BackCmd(int refresh) {
    const LONG view = ViewId;
    switch (view) {
    case kViewDay: GoBackView(); break;
    case kViewApptPreview: GoBackFromPreviewA(); break;
    case kViewContactPreview: GoBackFromPreviewB(); break;
    case kViewTaskPreview: GoBackFromPreviewC(); break;
    case kViewWalletItem: ShowWalletView(); break;
    default: break;
    }
    if (refresh) PumpMessagesSkipKeyDown();
    return IsMainView(view) ? 0 : 1;
}

int frame::HotKeyToView(UINT key) {
    const int code = static_cast<int>(key & 0xFFFF);
    for (const DigitView& d : kDigitViews) {
        if (!KeyCarriesDigit(g_Frame.kbdModelCode, code, d.digit)) continue;
        d.show();
        return 1;
    }
    return 0;
}

void NextViewCmd() {
    if (g_Settings.viewMenu3 == kLeftSpinner) return ShowSpinnerView();
    const LONG next = NextShownView(ViewId);
    kCycleViews[next]();
}

void HandBackKeyToShell() { SHNavigateBack(); }
