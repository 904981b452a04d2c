// What the editor dialogs take of the toolkit's dialog services: the soft-key bar of a dialog,
// the edit behaviours installed on its fields, and the re-layout with the other template of a pair
// when the screen turns.
#pragma once

#include "platform/types.h"

// Full screen and the bar; with takeBackKey the dialog handles the Back key. FALSE on failure.
BOOL InitDlgMenuBar(HWND dialog, UINT barId, BOOL takeBackKey);
// a and b set: a date field with the Enter pop-up; a set, b clear: a date field whose Enter opens
// the date picker; a clear: a keypad field. FALSE when the control is already subclassed.
BOOL SubclassControl(HWND control, BOOL a, BOOL b);
// Lays an open dialog out again with another template (version 5 and later only). Returns 1.
int RelayoutDlgForOrientation(HWND dialog, UINT templateId);

// The one-column owner-drawn item lists of the dialogs: the list fitted to the dialog (flag 1 on
// a resize) and its key handling installed.
void FitDlgList(HWND dialog, int listId, int flag);
void SubclassItemList(HWND list, int flag);
// The stack of open dialogs (at most 6).
void PushOpenDlg(HWND dialog);
void PopOpenDlg();
// Inserts the text at the caret of an edit control.
void InsertTextAtCaret(HWND edit, const WCHAR* text);
