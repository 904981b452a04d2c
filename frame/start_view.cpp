// The start view, shown once its data is loaded: the first switch of the command line wins, else
// the view the settings name.
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "editors/new_item.h"
#include "extras/theme.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "notes/notes_view.h"
#include "projects/prj_view.h"
#include "wallet/wlt_view.h"

namespace {

// The views the start-view codes name, for the start by "STARTON30" and for a command that
// waited for its data; the two leave out different codes.
struct CodeView {
    LONG code;
    void (*show)();
    bool atStart;
    bool whenLoaded;
};
constexpr CodeView kCodeViews[] = {
    {kStartLastView, ShowHomeView, true, true},     {kStartMonth, ShowMonthView, true, true},
    {kStartWeek, ShowWeekView, true, true},         {kStartDates, ShowDatesView, true, true},
    {kStartTasks, ShowTasksView, true, true},       {kStartContacts, ShowContactsView, true, true},
    {kStartNotes, ShowNotesView, true, false},      {kStartWallet, ShowWalletView, true, false},
    {kStartYear, ShowYearView, true, true},         {kStartDay, ShowDayView, true, true},
    {kStartSpinner, ShowSpinnerView, true, false},  {kStartProjects, ShowProjectsView, false, true},
};

void ShowCodeView(LONG code, bool atStart) {
    for (const CodeView& v : kCodeViews)
        if (v.code == code && (atStart ? v.atStart : v.whenLoaded)) return v.show();
    // Any other code shows nothing: at the start the cover screen stays.
}

void ShowScheduleStart() {
    switch (g_Settings.startOn30) {
    case kStartWeek: ShowWeekView(); break;
    case kStartDates: ShowDatesView(); break;
    case kStartDay: ShowDayView(); break;
    default: ShowMonthView(); break;
    }
}

void StartNewItem(bool appointment) {
    ShowSpinnerView();
    g_CmdLine.startedForOneItem = 1;
    if (appointment)
        NewApptEditor();
    else
        NewTskEditor(0);
}

}  // namespace

void ApplyStartView() {
    const CmdLineFlags& f = g_CmdLine;
    if (f.tasks) return ShowTasksView();
    if (f.project) return ShowProjectsView();
    if (f.wallet) return ShowWalletView();
    if (f.notes) return ShowNotesView();
    if (f.spin) return ShowSpinnerView();
    if (f.week) return ShowWeekView();
    if (f.month) return ShowMonthView();
    if (f.today) {
        SelectToday();
        return ShowDayView();
    }
    if (f.contacts) {
        if (g_Settings.startContactSpin && !f.force) {
            g_Main.contactsSpinner = 1;
            return ShowSpinnerView();
        }
        return ShowContactsView();
    }
    if (f.taskOid) {
        ViewId = kViewTasks;
        return ShowTskPreview();
    }
    // The appointment may lie in another month than the one loaded at the start.
    if (f.apptOid) return OpenApptPreviewByOid(g_CurItem.oid);
    if (f.newAppt) return StartNewItem(true);
    if (f.newTsk) return StartNewItem(false);
    if (f.wltFile) return ShowWalletView();
    if (f.txtFile) return ShowNotesView();
    if (f.schedule) return ShowScheduleStart();
    ShowCodeView(g_Settings.startOn30, true);
}

void ShowPendingView(LONG code) { ShowCodeView(code, false); }
