#include "frame/frame_hooks.h"

#include "calendar/select_date_grid.h"
#include "ui/frame_calls.h"

bool frame::SelectDateDlg(HWND parent, LONG year, LONG month, LONG day) {
    return SelectDateGridDlg(parent, year, month, day);
}

void RegisterFrameHooks() {
    FrameCalls calls;
    calls.showMonthView = frame::ShowMonthView;
    calls.showWeekView = frame::ShowWeekView;
    calls.selectToday = frame::SelectToday;
    calls.goBackView = frame::GoBackView;
    calls.getViewShownFlag = frame::GetViewShownFlag;
    calls.apptsReadyOrDefer = frame::ApptsReadyOrDefer;
    calls.tasksReadyOrDefer = frame::TasksReadyOrDefer;
    calls.contactsReadyOrDefer = frame::ContactsReadyOrDefer;
    calls.restartClockTimer = frame::RestartClockTimer;
    calls.backCmd = frame::BackCmd;
    calls.hotKeyToView = frame::HotKeyToView;
    calls.focusCurrentView = frame::FocusCurrentView;
    calls.moveTaskToDate = frame::MoveTaskToDate;
    calls.setViewTitle = frame::SetViewTitle;
    calls.refreshTitle = frame::RefreshTitle;
    calls.createViewMenuBar = frame::CreateViewMenuBar;
    calls.rebuildViewMenuBars = frame::RebuildViewMenuBars;
    calls.freeBackBuffers = frame::FreeBackBuffers;
    calls.closeMainWindowCmd = frame::CloseMainWindowCmd;
    calls.saveSettings = frame::SaveSettings;
    calls.saveViewShownFlags = frame::SaveViewShownFlags;
    calls.toggleSplitMonth = frame::ToggleSplitMonth;
    calls.toggleTskComplete = frame::ToggleTskComplete;
    calls.startItemEditThread = frame::StartItemEditThread;
    calls.setMonthTitle = frame::SetMonthTitle;
    calls.selectDateDlg = frame::SelectDateDlg;
    calls.subclassOutlineList = frame::SubclassOutlineList;
    RegisterFrameCalls(calls);
    RegisterViewHooks();
}
