// The main window's commands: every menu item, soft key and tool-bar button arrives here by its
// identifier. Commands on an item act on the selection of the view on screen or on the global
// selection; handled commands return 1, every other identifier goes to the default handling.
#include "calendar/cal_views.h"
#include "calendar/view_date_moves.h"
#include "core/frame_state.h"
#include "core/theme.h"
#include "core/view_id.h"
#include "editors/item_commands.h"
#include "editors/pick_item_icon.h"
#include "editors/sort_dlg.h"
#include "extras/extra_commands.h"
#include "frame/beaming.h"
#include "frame/change_notify.h"
#include "frame/item_conversion.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "lists/cts_view.h"
#include "lists/list_commands.h"
#include "notes/note_commands.h"
#include "notes/notes_view.h"
#include "options/options_dlg.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/view_commands.h"
#include "ui/view_windows.h"
#include "wallet/wlt_commands.h"
#include "wallet/wlt_view.h"

namespace {

constexpr int kQuiet = 0;
constexpr int kWithMessage = 1;

// The contacts view's mode commands and the day schedule's tool bar.
constexpr UINT kCtsModeFirst = 32814;
constexpr UINT kCtsModeLast = 32822;
constexpr UINT kCtsModeFirst2 = 32830;
constexpr UINT kCtsModeLast2 = 32835;
constexpr UINT kSchedMonday = 32901;
constexpr UINT kSchedToday = 32908;
constexpr UINT kSchedPrevWeek = 32909;
constexpr UINT kSchedNextWeek = 32910;
constexpr UINT kSchedGoToDate = 32911;
constexpr UINT kNoAction = 40094;

// The project tree's commands.
constexpr UINT kCmdPrjLoadMonth = 40124;
constexpr UINT kCmdPrjView = 40125;
constexpr UINT kCmdPrjRemoveFrom = 40127;
constexpr UINT kCmdPrjDelete = 40128;
constexpr UINT kCmdPrjSetComplete = 40129;
constexpr UINT kCmdPrjNewContact = 40131;
constexpr UINT kCmdPrjNewTask = 40132;
constexpr UINT kCmdPrjNewAppt = 40133;
constexpr UINT kCmdPrjAddLink = 40134;
constexpr UINT kCmdPrjAddHyperlink = 40135;
constexpr UINT kCmdPrjNewProject = 40137;
constexpr UINT kCmdPrjExistingContact = 40138;
constexpr UINT kCmdPrjExistingTask = 40139;
constexpr UINT kCmdPrjExistingAppt = 40140;
constexpr UINT kCmdPrjNewNote = 40145;

const CurItem& Sel() { return g_CurItem; }
bool HasCurrentItem() { return Sel().oid != kNoOid; }

// By the current item's kind: appointment, contact or task; any other kind does nothing.
void ByKind(void (*appt)(), void (*contact)(), void (*task)()) {
    switch (Sel().kind) {
    case kItemAppt: appt(); break;
    case kItemContact: contact(); break;
    case kItemTask: task(); break;
    default: break;
    }
}

void NewTaskFromNew() { NewTskFormDlg(0); }
void NewTaskFromMenu() { NewTskFormDlg(1); }
void NewNote() { NewNoteFile(0, 1); }
void NewWalletItem() { NewWltItem(); }

void OnNew() {
    switch (ViewId) {
    case kViewTasks: NewTaskFromNew(); break;
    case kViewContacts: NewContactCmd(); break;
    case kViewNotes: NewNote(); break;
    case kViewWallet: NewWalletItem(); break;
    default: NewApptDlg(); break;
    }
}

void OnEdit() {
    // The wallet's items are no PIM items: the wallet never sets the current item, so the test of
    // it would leave Edit dead there.
    switch (ViewId) {
    case kViewWallet:
        GetWltTreeSelParam();
        EditWltItemFields();
        return;
    case kViewWalletItem: EditWltItemFields(); return;
    default: break;
    }
    if (!HasCurrentItem()) return;
    switch (ViewId) {
    case kViewTasks:
        if (CheckTskSelected(kQuiet)) EditTskFormDlg();
        break;
    case kViewContacts:
        if (CheckCtsSelected(kQuiet)) EditContactCmd();
        break;
    case kViewContactPreview: EditContactCmd(); break;
    case kViewNotes: OpenSelNoteFile(); break;
    default: ByKind(EditSelApptDlg, EditContactCmd, EditTskFormDlg); break;
    }
}

void OnBeam() {
    if (!HasCurrentItem()) return;
    switch (ViewId) {
    case kViewTasks:
        if (CheckTskSelected(kQuiet)) BeamCurTsk();
        break;
    case kViewContacts:
        if (CheckCtsSelected(kWithMessage)) BeamCurCts();
        break;
    default: ByKind(BeamCurAppt, BeamCurCts, BeamCurTsk); break;
    }
}

void DeleteTaskFromView() {
    if (ViewId == kViewDay) g_Frame.deleteOrigin = kDeleteFromDay;
    if (ViewId == kViewDates) g_Frame.deleteOrigin = kDeleteFromDates;
    DeleteTskCmd();
}

void OnDelete() {
    switch (ViewId) {
    case kViewTasks:
        g_Frame.deleteOrigin = kDeleteFromTasks;
        if (CheckTskSelected(kQuiet)) DeleteTskCmd();
        break;
    case kViewContacts:
        g_Frame.deleteOrigin = kDeleteFromContacts;
        if (CheckCtsSelected(kWithMessage)) DeleteCtsCmd();
        break;
    case kViewNotes: DeleteNoteFile(); break;
    case kViewWallet: DeleteWalletItem(); break;
    default: ByKind(DeleteCurrentAppt, DeleteCtsCmd, DeleteTaskFromView); break;
    }
}

void OnCopy() {
    switch (ViewId) {
    case kViewTasks:
        if (CheckTskSelected(kQuiet)) CopyTskCmd();
        break;
    case kViewContacts:
        if (CheckCtsSelected(kWithMessage)) CopyCurrentCts();
        break;
    default: ByKind(CopyCurrentAppt, CopyCurrentCts, CopyTskCmd); break;
    }
}

void ToggleCurrentTask() { ToggleTskComplete(kNoOid); }

void OnToggleCompleted() {
    if (ViewId == kViewTasks) {
        if (CheckTskSelected(kQuiet)) ToggleCurrentTask();
    } else if (Sel().kind == kItemTask) {
        ToggleCurrentTask();
    }
}

void OnSort() { SortDlg(ViewId == kViewContacts ? 0 : 1); }

void OnRename() {
    if (ViewId == kViewNotes) RenameNoteFile();
    else if (ViewId == kViewWallet) RenameWalletFile();
}

void OnViewWalletItem() {
    if (GetWltTreeSelItem()) ShowWltView();
}

void OnCreateDirectory() {
    if (ViewId == kViewNotes) NewNotesFolder();
}

void OnCallHistory() {
    CheckCtsSelected(kQuiet);
    ShowCallHistoryDlg(g_Frame.mainWnd);
}

void OnTaskFromTemplate() { NewTskFromTemplateDlg(ViewId == kViewTasks ? 0 : 1); }
void OnDeleteCompleted() { DeleteCompletedTsks(g_ViewWnds.taskList); }
void OnAssignIcon() { PickItemCustomIcon(g_Frame.mainWnd, Sel().oid); }
void OnLockWallet() { LockWallet(LeaveView::Yes); }
void OnTaskToAppt() { ConvertTskToAppt(0); }
void CloseProgram() { CloseMainWindowCmd(g_Frame.mainWnd); }
void BackFromSoftKey() { BackCmd(0); }
void ShowTimelineReset() { ShowTimelineWeek(true); }
void DoNothing() {}

struct Command {
    UINT id;
    void (*run)();
};
constexpr Command kCommands[] = {
    {IDM_NEXT_VIEW, NextViewCmd},
    {IDM_NEW_ITEM, OnNew},
    {IDM_EXIT, CloseProgram},
    {IDM_EDIT_ITEM, OnEdit},
    {IDM_BACK_TO_VIEW, GoBackView},
    {IDM_BACK, BackFromSoftKey},
    {IDM_BEAM_ITEM, OnBeam},
    {IDM_DELETE_ITEM, OnDelete},
    {kSchedToday, TodaySchedCmd},
    {kSchedPrevWeek, PrevWeekCmd},
    {kSchedNextWeek, NextWeekCmd},
    {kSchedGoToDate, GoToDateCmd},
    {IDM_CALL_CONTACT, RunCtsDefaultAction},
    {IDM_OPTIONS, RunOptionsDlg},
    {IDM_FILTER, ShowCatFilterDlg},
    {IDM_COPY_ITEM, OnCopy},
    {IDM_SORT, OnSort},
    {IDM_TOGGLE_COMPLETED, OnToggleCompleted},
    {IDM_GO_TO_DATE, GoToDateForView},
    {IDM_SEARCH, ShowSearchDlg},
    {IDM_VIEW_WEEK, ShowWeekView},
    {IDM_VIEW_DATES, ShowDatesView},
    {IDM_VIEW_CONTACTS, ShowContactsView},
    {IDM_VIEW_TASKS, ShowTasksView},
    {IDM_VIEW_MONTH, ShowMonthView},
    {IDM_LINKS, ShowLinksDlg},
    {IDM_MOVE_TO_TOP, SetWeekStartToSelDate},
    {IDM_VIEW_NOTES, ShowNotesView},
    {IDM_RENAME, OnRename},
    {IDM_TASK_TO_APPT, OnTaskToAppt},
    {IDM_VIEW_WALLET, ShowWalletView},
    {IDM_NEW_WALLET_FILE, NewWalletFile},
    {IDM_OPEN_WALLET_FILE, ChooseWalletFile},
    {IDM_LOCK, OnLockWallet},
    {IDM_CHANGE_PASSWORD, ChangeWalletPassword},
    {IDM_DELETE_WALLET_FILE, DeleteWalletFile},
    {IDM_UNLOCK, OpenCurrentWallet},
    {IDM_UNMASK, ToggleViewFlag},
    {IDM_CONVERT_ITEM, ConvertCurItem},
    {IDM_TASK_FOR_CONTACT, CreateTskForCts},
    {IDM_APPT_FOR_CONTACT, CreateApptForCts},
    {IDM_ADD_NEW_CATEGORY, AddCatToCurItemCmd},
    {IDM_APPT_FROM_TEMPLATE, NewApptFromTemplateDlg},
    {IDM_NEW_TASK, NewTaskFromMenu},
    {IDM_MAKE_CALL, DialWalletItemPhone},
    {IDM_VISIT_WEBSITE, OpenWalletItemWebsite},
    {IDM_SEND_EMAIL, MailWalletItemAddress},
    {IDM_VIEW_ITEM, OnViewWalletItem},
    {IDM_CREATE_DIRECTORY, OnCreateDirectory},
    {IDM_CALL_HISTORY, OnCallHistory},
    {kNoAction, DoNothing},
    {IDM_CANCEL_MEETING, CancelMeetingRequest},
    {IDM_VIEW_YEAR, ShowYearView},
    {IDM_DELETE_COMPLETED, OnDeleteCompleted},
    {IDM_EMAIL_NOTE, MailNoteFile},
    {IDM_SETUP_SPINNER, SetupSpinnerDlg},
    {IDM_VIEW_TIMELINE, ShowTimelineReset},
    {IDM_TASK_FROM_TEMPLATE, OnTaskFromTemplate},
    {IDM_SAVED_VIEWS, ShowSavedViews},
    {IDM_VIEW_PROJECTS, ShowProjectsView},
    {kCmdPrjLoadMonth, LoadMonthCmd},
    {kCmdPrjView, ViewPrjItem},
    {IDM_ADD_TO_PROJECT, MoveToPrjCmd},
    {kCmdPrjRemoveFrom, RemoveFromPrjCmd},
    {kCmdPrjDelete, DeletePrjItemCmd},
    {kCmdPrjSetComplete, RefreshPrjTskNode},
    {kCmdPrjNewContact, NewCtsInPrj},
    {kCmdPrjNewTask, NewTskInPrj},
    {kCmdPrjNewAppt, NewApptInPrj},
    {kCmdPrjAddLink, AddLinkCmd},
    {kCmdPrjAddHyperlink, AddHyperlinkCmd},
    {IDM_PRJ_REMOVE, RemovePrjCmd},
    {kCmdPrjNewProject, NewPrjCmd},
    {kCmdPrjExistingContact, AddExistingCtsToPrj},
    {kCmdPrjExistingTask, AddExistingTskToPrj},
    {kCmdPrjExistingAppt, AddExistingApptToPrj},
    {IDM_PRJ_ADD, PrjAddCmd},
    {IDM_ASSIGN_ICON, OnAssignIcon},
    {IDM_CAT_TO_PROJECT, CatToPrjCmd},
    {IDM_PROJECT_TO_CAT, ConvertPrjCmd},
    {kCmdPrjNewNote, NewNoteInPrj},
    {IDM_SAVE_VIEW, SaveViewCmd},
    {IDM_TODAY, TodayForView},
    {IDM_CLEAN_UP_SCHEDULE, ApptCleanupDlg},
};

// The tool bar's weekdays, Monday first.
constexpr void (*kWeekdayCommands[])() = {GoToMonCmd, GoToTueCmd, GoToWedCmd, GoToThuCmd,
                                          GoToFriCmd, GoToSatCmd, GoToSunCmd};

bool RunRangeCommand(UINT id) {
    if ((id >= kCtsModeFirst && id <= kCtsModeLast) || (id >= kCtsModeFirst2 && id <= kCtsModeLast2)) {
        ReFillCtsView(id);
        return true;
    }
    if (id >= kSchedMonday && id < kSchedMonday + std::size(kWeekdayCommands)) {
        kWeekdayCommands[id - kSchedMonday]();
        return true;
    }
    return false;
}

}  // namespace

LRESULT DispatchCommand(HWND window, UINT command, LPARAM lParam) {
    for (const Command& c : kCommands) {
        if (c.id != command) continue;
        c.run();
        return 1;
    }
    if (RunRangeCommand(command)) return 1;
    return DefWindowProcW(window, WM_COMMAND, command, lParam);
}
