// The custom recurrence dialog of the list-style editors (template 7305) as they open it.
#pragma once

#include "platform/types.h"

// forTask: 0 appointment, 1 task.
void ItemRecurListDlg(HWND editor, int forTask);
