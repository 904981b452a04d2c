#include "ui/frame_calls.h"

namespace {

FrameCalls g_calls;

}  // namespace

void RegisterFrameCalls(const FrameCalls& calls) { g_calls = calls; }

void ShowMonthView() { if (g_calls.showMonthView) g_calls.showMonthView(); }
void ShowWeekView() { if (g_calls.showWeekView) g_calls.showWeekView(); }
void SelectToday() { if (g_calls.selectToday) g_calls.selectToday(); }
void GoBackView() { if (g_calls.goBackView) g_calls.goBackView(); }
LONG GetViewShownFlag(LONG code) { return g_calls.getViewShownFlag ? g_calls.getViewShownFlag(code) : 0; }
int ApptsReadyOrDefer(LONG startCode) { return g_calls.apptsReadyOrDefer ? g_calls.apptsReadyOrDefer(startCode) : 0; }
int TasksReadyOrDefer(LONG startCode) { return g_calls.tasksReadyOrDefer ? g_calls.tasksReadyOrDefer(startCode) : 0; }
int ContactsReadyOrDefer(LONG startCode) {
    return g_calls.contactsReadyOrDefer ? g_calls.contactsReadyOrDefer(startCode) : 0;
}
void RestartClockTimer() { if (g_calls.restartClockTimer) g_calls.restartClockTimer(); }
int BackCmd(int fromKey) { return g_calls.backCmd ? g_calls.backCmd(fromKey) : 0; }
int HotKeyToView(UINT key) { return g_calls.hotKeyToView ? g_calls.hotKeyToView(key) : 0; }
void FocusCurrentView() { if (g_calls.focusCurrentView) g_calls.focusCurrentView(); }
void MoveTaskToDate(int year, int month, int day) {
    if (g_calls.moveTaskToDate) g_calls.moveTaskToDate(year, month, day);
}
void SetViewTitle() { if (g_calls.setViewTitle) g_calls.setViewTitle(); }
void RefreshTitle() { if (g_calls.refreshTitle) g_calls.refreshTitle(); }
LONG CreateViewMenuBar(HWND* slot, int useDefault, HWND parent, int show) {
    return g_calls.createViewMenuBar ? g_calls.createViewMenuBar(slot, useDefault, parent, show) : 0;
}
void RebuildViewMenuBars() { if (g_calls.rebuildViewMenuBars) g_calls.rebuildViewMenuBars(); }
void FreeBackBuffers() { if (g_calls.freeBackBuffers) g_calls.freeBackBuffers(); }
void CloseMainWindowCmd(HWND window) { if (g_calls.closeMainWindowCmd) g_calls.closeMainWindowCmd(window); }
void SaveSettings() { if (g_calls.saveSettings) g_calls.saveSettings(); }
LONG SaveViewShownFlags(const ViewShownFlags& flags) {
    return g_calls.saveViewShownFlags ? g_calls.saveViewShownFlags(flags) : 0;
}
int ToggleSplitMonth(LONG key) { return g_calls.toggleSplitMonth ? g_calls.toggleSplitMonth(key) : 0; }
void ToggleTskComplete(LONG oid) { if (g_calls.toggleTskComplete) g_calls.toggleTskComplete(oid); }
bool StartItemEditThread(HWND mainWnd, LONG kind, LONG oid) {
    return g_calls.startItemEditThread ? g_calls.startItemEditThread(mainWnd, kind, oid) : false;
}
void SetMonthTitle() { if (g_calls.setMonthTitle) g_calls.setMonthTitle(); }
bool SelectDateDlg(HWND parent, LONG year, LONG month, LONG day) {
    return g_calls.selectDateDlg ? g_calls.selectDateDlg(parent, year, month, day) : false;
}
HRESULT SubclassOutlineList(HWND window) {
    return g_calls.subclassOutlineList ? g_calls.subclassOutlineList(window) : 0;
}
