// The main window of class "Quorvia": its class, its creation sequence and what it owns (theme
// fonts, back buffers, the clock timer, the PIM volume's notification request), the close
// command and the orderly shutdown.
#pragma once

#include "ui/frame_calls.h"

#include "platform/types.h"
#include "ui/main_state.h"

ATOM RegisterMainClass(HINSTANCE instance);
// 1 when the main window was made and shown.
BOOL InitInstance(HINSTANCE instance, int show);
LRESULT OnMainCreate(HWND window);
void ShutdownCleanup();
