// The start view, shown once its data is loaded: the first switch of the command line wins, else
// the view the settings name.
#include "core/app_settings.h"
#include "editors/new_item.h"
#include "extras/theme.h"
#include "frame/cmd_line.h"
#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "frame/view_id.h"
#include "frame/view_switch.h"
#include "notes/notes_view.h"
#include "projects/prj_view.h"
#include "wallet/wlt_view.h"

namespace {

void ShowStartOn30View() {
    switch (g_Settings.startOn30) {
    case kStartLastView: ShowHomeView(); break;
    case kStartMonth: ShowMonthView(); break;
    case kStartWeek: ShowWeekView(); break;
    case kStartDates: ShowDatesView(); break;
    case kStartTasks: ShowTasksView(); break;
    case kStartContacts: ShowContactsView(); break;
    case kStartNotes: ShowNotesView(); break;
    case kStartWallet: ShowWalletView(); break;
    case kStartYear: ShowYearView(); break;
    case kStartDay: ShowDayView(); break;
    case kStartSpinner: ShowSpinnerView(); break;
    default: break;  // the cover screen stays
    }
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
    if (f.apptOid) {
        ViewId = kViewDay;
        return ShowApptPreview();
    }
    if (f.newAppt) return StartNewItem(true);
    if (f.newTsk) return StartNewItem(false);
    if (f.wltFile) return ShowWalletView();
    if (f.txtFile) return ShowNotesView();
    if (f.schedule) return ShowScheduleStart();
    ShowStartOn30View();
}
