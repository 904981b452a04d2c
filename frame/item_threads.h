// The short-lived threads that wait for the device's own editor or viewer to come up over the main
// window: the edit thread presses the system application's "Edit" soft key, the view thread keeps
// the viewer's soft-key bar for a later edit thread that cannot tell the new bar from the old ones.
#pragma once

#include <array>

#include "platform/threads.h"
#include "platform/types.h"

// The argument of both threads; the thread owns it once started.
struct ItemThreadArg {
    HWND mainWnd = nullptr;
    LONG kind = 0;  // 1 task, 3 contact, any other value calendar
    LONG oid = -1;
};

// The soft-key bars of the system application found by the last thread of each kind.
struct KeptSoftKeyBars {
    HWND contacts = nullptr;
    HWND other = nullptr;
};
extern KeptSoftKeyBars g_KeptSoftKeyBars;

inline constexpr int kMaxSoftKeyBars = 25;
// A null entry ends a shorter list.
using SoftKeyBarList = std::array<HWND, kMaxSoftKeyBars>;

// The bars that exist now; how many.
int FindSoftKeyBars(SoftKeyBarList& list);
// The first existing bar that is not in the list, or null.
HWND FindNewSoftKeyBar(const SoftKeyBarList& list);
// The kept bar when a bar with that handle still exists, or null.
HWND FindKeptSoftKeyBar(HWND kept);

DWORD WINAPI EditThreadProc(LPVOID arg);
// 1 when the system window came up.
DWORD WINAPI ViewThreadProc(LPVOID arg);

// Starts the thread with a new argument; false when the thread could not be made.
bool StartItemThread(LPTHREAD_START_ROUTINE proc, HWND mainWnd, LONG kind, LONG oid);
