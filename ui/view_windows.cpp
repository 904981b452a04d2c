#include "ui/view_windows.h"

ViewWindows g_ViewWnds;
HWND g_CtsAbcToolbar = nullptr;
