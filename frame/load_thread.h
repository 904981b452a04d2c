// The load thread's start at the first paint and the view asked for while its data loads; what
// it has loaded is g_LoadState.
#pragma once

#include "core/frame_state.h"
#include "core/pim_state.h"
#include "platform/types.h"


// Called once from the main window's first paint.
void StartLoadThread(HWND mainWnd);
// Returns once the cover has been shown its minimum time since the tick count start.
void WaitOutCover(DWORD start);
// Waits for the load thread to end and closes its handle; the program calls it before it ends.
void EndLoadThread();
