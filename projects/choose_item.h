// The "Choose Item" picker: lists every task, appointment or contact and gives the OID of the one
// the user selects. For contacts it narrows the list by typed letters or phone keys.
#pragma once

#include "platform/types.h"

// The OID chosen, or -1 when the user cancelled or nothing was selected. kind: 1 tasks,
// 2 appointments, 3 contacts.
LONG ChooseItemDlg(HWND parent, LONG kind);
INT_PTR CALLBACK ChooseItemDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillChooseItemList(HWND list);
