// What the views ask of the frame above them: view switches, titles, soft-key bars, the back
// buffers, the settings. The frame registers its answers at start; until then a call does nothing
// and answers 0.
#pragma once

#include "core/app_settings.h"
#include "platform/types.h"

struct FrameCalls {
    void (*showMonthView)() = nullptr;
    void (*showWeekView)() = nullptr;
    void (*selectToday)() = nullptr;
    void (*goBackView)() = nullptr;
    LONG (*getViewShownFlag)(LONG code) = nullptr;
    int (*apptsReadyOrDefer)(LONG startCode) = nullptr;
    int (*tasksReadyOrDefer)(LONG startCode) = nullptr;
    int (*contactsReadyOrDefer)(LONG startCode) = nullptr;
    void (*restartClockTimer)() = nullptr;
    int (*backCmd)(int fromKey) = nullptr;
    int (*hotKeyToView)(UINT key) = nullptr;
    void (*focusCurrentView)() = nullptr;
    void (*moveTaskToDate)(int year, int month, int day) = nullptr;
    void (*setViewTitle)() = nullptr;
    void (*refreshTitle)() = nullptr;
    LONG (*createViewMenuBar)(HWND* slot, int useDefault, HWND parent, int show) = nullptr;
    void (*rebuildViewMenuBars)() = nullptr;
    void (*freeBackBuffers)() = nullptr;
    void (*closeMainWindowCmd)(HWND window) = nullptr;
    void (*saveSettings)() = nullptr;
    LONG (*saveViewShownFlags)(const ViewShownFlags& flags) = nullptr;
    int (*toggleSplitMonth)(LONG key) = nullptr;
    void (*toggleTskComplete)(LONG oid) = nullptr;
    bool (*startItemEditThread)(HWND mainWnd, LONG kind, LONG oid) = nullptr;
    void (*setMonthTitle)() = nullptr;
    bool (*selectDateDlg)(HWND parent, LONG year, LONG month, LONG day) = nullptr;
    HRESULT (*subclassOutlineList)(HWND window) = nullptr;
};

void RegisterFrameCalls(const FrameCalls& calls);

void ShowMonthView();
void ShowWeekView();
void SelectToday();
void GoBackView();
LONG GetViewShownFlag(LONG code);
int ApptsReadyOrDefer(LONG startCode);
int TasksReadyOrDefer(LONG startCode);
int ContactsReadyOrDefer(LONG startCode);
void RestartClockTimer();
int BackCmd(int fromKey);
int HotKeyToView(UINT key);
void FocusCurrentView();
void MoveTaskToDate(int year, int month, int day);
void SetViewTitle();
void RefreshTitle();
LONG CreateViewMenuBar(HWND* slot, int useDefault, HWND parent, int show);
void RebuildViewMenuBars();
void FreeBackBuffers();
void CloseMainWindowCmd(HWND window);
void SaveSettings();
LONG SaveViewShownFlags(const ViewShownFlags& flags);
int ToggleSplitMonth(LONG key);
void ToggleTskComplete(LONG oid);
bool StartItemEditThread(HWND mainWnd, LONG kind, LONG oid);
void SetMonthTitle();
bool SelectDateDlg(HWND parent, LONG year, LONG month, LONG day);
HRESULT SubclassOutlineList(HWND window);
