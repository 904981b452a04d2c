// The About box as the options dialog's menu opens it.
#pragma once

#include "platform/types.h"

void ShowAboutDlg(HWND owner);
