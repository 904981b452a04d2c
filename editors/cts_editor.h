// The contact editor: on version 5 and later the device's own contact editor opened through POOM and
// watched by the edit thread; before that the program's quick-entry dialog 7241. Copy and delete of
// the current contact.
#pragma once

#include "platform/poom.h"
#include "platform/types.h"

void EditItemThreadStart();
INT_PTR CALLBACK NewCtsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EditCtsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitCtsDlgPickers(HWND dialog);
void FillCtsDlgByOid(HWND dialog);
void FillCtsDlg(HWND dialog, IContact* contact);
// Each is false, with the reason shown, when the store did not take the contact.
bool SaveContactFromDialog(HWND dialog, IContact* contact);
bool CreateCtsFromDlg(HWND dialog);
bool SaveCtsDlgPOOM(HWND dialog);
void CopyContactCmd();
// 1 when a contact was deleted.
int DeleteContact();
