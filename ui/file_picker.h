// The program's own file and folder picker: it starts in the folder of the shared path and leaves
// the chosen full path there.
#pragma once

#include <string>

#include "platform/types.h"

// The folder to start in before the call; the chosen path after an accepted answer.
extern std::u16string g_FilePickerPath;

// Mode 0, 1 or 5 chooses a file, 2 a theme file, 3 a folder, 4 an image file; 20071 when chosen.
INT_PTR ShowFilePickerDlg(HWND owner, int mode);
