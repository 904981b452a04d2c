// The custom recurrence dialog of the list-style editors (template 7305): the custom recurrence
// state as one field list, and the start-date check of their Occurs rows.
#pragma once

#include "platform/types.h"

// forTask: 0 appointment, 1 task. Refuses "Once"; OK clears the needs-edit flag.
void ItemRecurListDlg(HWND editor, int forTask);
INT_PTR CALLBACK ItemRecurListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitCustomRecurList(HWND dialog);

// A list-style editor's changed row: when it is the Occurs row, the choice is checked against the
// start date row as the forms do (a recurring choice needs a start date; 3 and 8 need editing).
void OnEditorOccursRowChanged(HWND editor, int rowIndex, const void* occursVar, const void* startDateVar);
