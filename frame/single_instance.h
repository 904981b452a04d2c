// One running instance: the first start holds the named mutex; a later start finds the running
// main window, brings it forward and hands it the first switch of its command line.
#pragma once

#include "platform/types.h"

// S_OK with otherRuns 0 when this is the first instance (the mutex is then held in g_CmdLine),
// S_OK with otherRuns 1 after the switch was handed over, E_FAIL when neither could be done.
HRESULT CheckSingleInstance(const WCHAR* name, int& otherRuns);
// Sends the message of the first switch in g_CmdLine; the result of that SendMessageW.
LRESULT SendCmdLineToRunningWnd(HWND window);
