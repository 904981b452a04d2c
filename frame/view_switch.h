// Switching between the views, painting the current one, its keys, commands, the minute timer,
// the Back key and the menu preparation before a pop-up opens.
#pragma once

#include "platform/types.h"

void ShowMonthView();
void ShowWeekView();
// The dates and day views reset to their start, as every frame caller wants them.
void ShowDatesView();
void ShowDayView();
void ShowYearView();
void ShowTasksView();
void ShowContactsView();
void ShowHomeView();
// Today becomes the selected date.
void SelectToday();
void ShowTskPreviewByOid(LONG oid);
void OpenApptPreviewByOid(LONG oid);
// The task or appointment preview of the current item.
void ShowTskPreview();
void ShowApptPreview();

// Paints the current view into the paint device context.
void PaintView(HDC dc);
// Every key counts as handled: 1.
LRESULT MainKeyDown(WPARAM key);
// Back from a detail view to the view stored for it; the month view when none is stored.
void GoBackView();
// The next view of the cycle of shown views after code.
LONG NextShownView(LONG code);
// The shown switch of views 0-9, 0 for every other code.
LONG GetViewShownFlag(LONG code);
// 1 when the appointments (tasks, contacts) are loaded; else the switch is deferred until they are
// with its start-view code, and 0.
int ApptsReadyOrDefer(LONG startCode);
int TasksReadyOrDefer(LONG startCode);
int ContactsReadyOrDefer(LONG startCode);
// The left soft key "Next View".
void NextViewCmd();
// The clock timer, restarted with the period the settings and the current view ask for.
void RestartClockTimer();
// The start-up (locked 0) or locked-wallet (locked 1) cover screen.
void DrawCoverScreen(HDC dc, int locked);
LRESULT DispatchCommand(HWND window, UINT command, LPARAM lParam);
void OnMinuteTimer(HWND window);
// 0 when the current view is a main view, so Back has nowhere to go back to.
int BackCmd(int fromKey);
// 1 when the key switched the view.
int HotKeyToView(UINT key);
// Adapts the pop-up of the shown bar before it opens; 0 when the contact preview finds no record.
int SetupViewMenu(HWND window, HMENU menu);
// The second Back in a main view goes to the shell.
void HandBackKeyToShell();
// Gives the keyboard focus to the current view's window.
void FocusCurrentView();

// Used by the calendar views: the current view's title, and whether any task falls on a date.
#include "frame/beaming.h"
#include "frame/titles.h"

// ---- Used by the calendar's item drag: a task's due date moved to another day through POOM
// (refused when the task starts after that day).
void MoveTaskToNewDate(int year, int month, int day);
