// The list-style appointment editor's custom reminder dialog (template 7309): use-custom and the
// span of days, hours and minutes as one field list.
#pragma once

#include "platform/types.h"

INT_PTR CALLBACK ReminderTimesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitReminderSnapsDlg(HWND dialog);
