// The load thread's state shared with the user-interface thread and its start at the first paint.
#pragma once

#include "platform/types.h"

struct LoadState {
    LONG allLoaded = 0;       // set by the thread just before message 1030
    HANDLE thread = nullptr;  // null when the thread could not be made
    LONG contactsLoaded = 0;
    LONG tasksLoaded = 0;
    LONG apptsLoaded = 0;
};
extern LoadState g_LoadState;

// The pending view command while its data loads: a start-view code, or one of these.
inline constexpr LONG kNoPendingCmd = -1;
inline constexpr LONG kPendingClose = -2;
extern LONG PendingViewCmd;

// Called once from the main window's first paint.
void StartLoadThread(HWND mainWnd);
