// What the running window does with a switch that a second start hands over. The sender has just
// brought the window forward; a message that finds another program in front is ignored.
#include "frame/cmd_messages.h"

#include "core/active_file.h"
#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/theme.h"
#include "editors/new_item.h"
#include "extras/theme.h"
#include "frame/main_window.h"
#include "frame/view_switch.h"
#include "notes/notes_view.h"
#include "platform/user.h"
#include "projects/prj_view.h"
#include "ui/frame_calls.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_view.h"

namespace {

constexpr UINT kFirstCmdLineMessage = kMsgCmdTasks;
constexpr UINT kLastCmdLineMessage = kMsgCmdTxtFile;
constexpr UINT kMsgCmdUnused = 1043;

void ShowScheduleView() {
    switch (g_Settings.startOn30) {
    case kStartWeek: ShowWeekView(); break;
    case kStartDates: ShowDatesView(); break;
    case kStartDay:
        SelectToday();
        ShowDayView();
        break;
    default: ShowMonthView(); break;
    }
}

void OnSpinnerCmd(WPARAM wParam) {
    if (wParam == kSpinnerOnContacts) g_Main.contactsSpinner = 1;
    ShowSpinnerView();
}

void OnThemeFileCmd(HWND window) {
    LoadActiveFile(g_Frame.themeFilePath);
    LoadThemeFile(g_Frame.themeFilePath);
    SaveThemeFile(u"");
    CreateThemeFonts();
    FreeBackBuffers();
    DeleteThemePictures();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

// The second start handed its wallet over in "ACTIVEFILE": open that one, not the wallet open now.
void OnWltFileCmd() {
    LoadActiveFile(g_Frame.walletFilePath);
    if (!g_Frame.walletFilePath.empty()) g_Wlt.path = g_Frame.walletFilePath;
    ReloadWallet();
}

void OnNewItemCmd(UINT message) {
    if (message == kMsgCmdNewAppt) {
        ShowMonthView();
        g_CmdLine.startedForOneItem = 1;
        NewApptEditor();
    } else {
        ShowTasksView();
        g_CmdLine.startedForOneItem = 1;
        NewTskEditor(0);
    }
}

void OnTxtFileCmd() {
    g_CmdLine.txtFile = 1;
    LoadActiveFile(g_Frame.noteFilePath);
    ShowNotesView();
}

void RunCmdLineMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgCmdTasks: ShowTasksView(); break;
    case kMsgCmdContacts: ShowContactsView(); break;
    case kMsgCmdTaskOid: ShowTskPreviewByOid(static_cast<LONG>(lParam)); break;
    case kMsgCmdSchedule: ShowScheduleView(); break;
    case kMsgCmdNotes: ShowNotesView(); break;
    case kMsgCmdWallet: ReloadWallet(); break;
    case kMsgCmdWltFile: OnWltFileCmd(); break;
    case kMsgCmdSpinner: OnSpinnerCmd(wParam); break;
    case kMsgCmdThemeFile: OnThemeFileCmd(window); break;
    case kMsgCmdApptOid: OpenApptPreviewByOid(static_cast<LONG>(lParam)); break;
    case kMsgCmdNewAppt:
    case kMsgCmdNewTsk: OnNewItemCmd(message); break;
    case kMsgCmdProject: ShowProjectsView(); break;
    case kMsgCmdToday:
        SelectToday();
        ShowDayView();
        break;
    case kMsgCmdWeek: ShowWeekView(); break;
    case kMsgCmdMonth: ShowMonthView(); break;
    case kMsgCmdTxtFile: OnTxtFileCmd(); break;
    default: break;
    }
}

}  // namespace

bool IsCmdLineMessage(UINT message) { return message >= kFirstCmdLineMessage && message <= kLastCmdLineMessage; }

LRESULT OnCmdLineMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgCmdUnused) return DefWindowProcW(window, message, wParam, lParam);
    if (message == kMsgCmdNone) {
        FocusCurrentView();
        return 1;
    }
    if (GetForegroundWindow() != window) return 1;
    RunCmdLineMessage(window, message, wParam, lParam);
    return 1;
}
