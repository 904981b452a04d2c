// The frame's own answers to what the views ask of it (ui/frame_calls.h), registered once at start.
#pragma once

#include "core/app_settings.h"
#include "platform/types.h"

namespace frame {

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
// The title of the view on screen made again for the screen's new orientation.
void RetitleAfterRotation();
LONG CreateViewMenuBar(HWND* slot, int useDefault, HWND parent, int show);
void RebuildViewMenuBars();
void FreeBackBuffers();
void CloseMainWindowCmd(HWND window);
void SaveSettings();
LONG SaveViewShownFlags(const ViewShownFlags& flags);
int ToggleSplitMonth(LONG key);
void ToggleTskComplete(LONG oid);
bool StartItemEditThread(HWND mainWnd, LONG kind, LONG oid);
bool StartItemViewThread(HWND mainWnd, LONG kind, LONG oid);
void SetMonthTitle();
bool SelectDateDlg(HWND parent, LONG year, LONG month, LONG day);
HRESULT SubclassOutlineList(HWND window);

}  // namespace frame

// Registers the frame's answers and the views' answers to one another (frame/view_hooks.cpp); the
// program and the test programs call it before anything else.
void RegisterFrameHooks();
void RegisterViewHooks();
