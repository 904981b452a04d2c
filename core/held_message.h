// Failures found while a view paints, measures or hit-tests its rows, said after it.
#pragma once

#include "platform/types.h"

// A message box there would paint and hit-test under itself: the text is held, and the main window
// shows it once it is back in its loop. Each text is said once for a main window.
void ShowMessageOutsidePaint(LPCWSTR text);
// Shows the held texts; the main window runs it for kMsgShowHeldMessages.
void ShowHeldMessages();
