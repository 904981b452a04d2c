// The custom recurrence dialog of the appointment and task forms (templates 7291 and 7292).
#pragma once

#include "platform/types.h"

// Command 40100 of the forms: refuses "Once", else edits the state; OK clears the needs-edit flag.
void CustomRecurDlg(HWND form);
INT_PTR CALLBACK CustomRecurDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitCustomRecurDlg(HWND dialog);
int ReadCustomRecurDlg(HWND dialog);
void SyncAfterToEndDate(HWND dialog);
void SyncEndDateToAfter(HWND dialog);
