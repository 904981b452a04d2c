// The letter tabs: a tool bar of letter groups beside the contact list; a tab steps the type-ahead
// letter through its group.
#pragma once

#include "platform/types.h"
#include "ui/view_windows.h"

// The tool bar, once, as a child of the main window; null when it cannot be made.
HWND CreateCtsAbcToolbar(HWND mainWindow);
// Steps the type-ahead letter for a tab command: no letter gives the group's first, a letter of the
// group its next, the group's last letter or a letter of another group clears the type-ahead.
// False when the command is no tab of this screen.
bool OnCtsLetterTab(UINT command);

