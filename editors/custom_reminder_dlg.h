// The custom reminder dialog over the appointment form: any span of days, hours and minutes.
#pragma once

#include "platform/types.h"

// Command 40021 of the form: runs dialog 7248, then updates the reminder list whatever its result.
void CustomReminderDlg(HWND form);
INT_PTR CALLBACK CustomReminderDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
