// The select-time wheel as the field list opens it on a time row.
#pragma once

#include "platform/types.h"

// True when the wheel ended with "Done"; the chosen time is then in hour and minute.
bool SelectTimeDlg(HWND parent, LONG& hour, LONG& minute);
