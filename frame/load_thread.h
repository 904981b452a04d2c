// The load thread's start at the first paint and the view asked for while its data loads; what
// it has loaded is g_LoadState.
#pragma once

#include "core/pim_state.h"
#include "platform/types.h"

// The pending view command while its data loads: a start-view code, or one of these.
inline constexpr LONG kNoPendingCmd = -1;
inline constexpr LONG kPendingClose = -2;
extern LONG PendingViewCmd;

// Called once from the main window's first paint.
void StartLoadThread(HWND mainWnd);
// Waits for the load thread to end and closes its handle; the program calls it before it ends.
void EndLoadThread();
