// Switching between the views, painting the current one, its keys, commands, the minute timer,
// the Back key and the menu preparation before a pop-up opens.
#pragma once

#include "calendar/agenda_switch.h"
#include "calendar/year_view.h"
#include "frame/beaming.h"
#include "frame/titles.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/types.h"
#include "ui/frame_calls.h"

void ShowHomeView();

// Paints the current view into the paint device context.
void PaintView(HDC dc);
// Every key counts as handled: 1.
LRESULT MainKeyDown(WPARAM key);
// The next view of the cycle of shown views after code.
LONG NextShownView(LONG code);
// The left soft key "Next View".
void NextViewCmd();
// The start-up (locked 0) or locked-wallet (locked 1) cover screen.
void DrawCoverScreen(HDC dc, int locked);
LRESULT DispatchCommand(HWND window, UINT command, LPARAM lParam);
void OnMinuteTimer(HWND window);
// Adapts the pop-up of the shown bar before it opens; 0 when the contact preview finds no record.
int SetupViewMenu(HWND window, HMENU menu);
// The second Back in a main view goes to the shell.
void HandBackKeyToShell();
