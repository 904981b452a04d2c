// The task form: a modal dialog in one of three layouts that makes a new task (empty or from a task
// template) or edits the selected task, and its save through POOM. With LISTEDIT on the same entry
// points open the list-style task editor instead.
#pragma once

#include "editors/tsk_save.h"
#include "platform/poom.h"
#include "platform/types.h"

// The dialog template for the screen: the wide layouts on landscape QVGA-class screens.
UINT TskFormTemplate(bool landscape);

INT_PTR CALLBACK TskEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitTskDlgControls(HWND dialog);
void FillTskDlgFromTemplate(HWND dialog);
void FillTskDlgFromPOOM(HWND dialog);
void FillTskDlg(HWND dialog, ITask* task);
// True when the start (due) picker holds a date; false when the control is missing.
bool StartDateIsSet(HWND dialog);
bool DueDateIsSet(HWND dialog);

// The form's values as the writer takes them (subject "No Subject" when empty).
TskFields ReadTskDlgFields(HWND dialog);
// The selected categories' text: g_EditorPrjCats, then each selected row's name and a ",".
std::u16string ReadTskDlgCategories(HWND dialog);
int SaveTaskFromDialog(HWND dialog, PoomPtr<ITask> task, LONG& oid);
int SaveNewTskDlg(HWND dialog);
int SaveEditedTskDlg(HWND dialog);
