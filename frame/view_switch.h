// Switching between the views, painting the current one, its keys, commands, the minute timer,
// the Back key and the menu preparation before a pop-up opens.
#pragma once

#include "platform/types.h"

void ShowMonthView();
void ShowWeekView();
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
// 1 when the view took the key.
LRESULT MainKeyDown(WPARAM key);
LRESULT DispatchCommand(HWND window, UINT command, LPARAM lParam);
void OnMinuteTimer(HWND window);
// 0 when the current view is a main view, so Back has nowhere to go back to.
int BackCmd(int fromKey);
// 1 when the key switched the view.
int HotKeyToView(UINT key);
void SetupViewMenu(HWND window, HMENU menu);
// The second Back in a main view goes to the shell.
void HandBackKeyToShell();
// Gives the keyboard focus to the current view's window.
void FocusCurrentView();

// Used by the calendar views: the current view's title, and whether any task falls on a date.
#include "core/date_rec.h"
void SetViewTitle();
bool HasTaskOnDate(const DateRec& date);
