#include "ui/view_windows.h"

ViewWindows g_ViewWnds;
