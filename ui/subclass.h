// Subclassing the program's controls: one installer pattern that keeps the control's previous
// window procedure in its GWL_USERDATA word, so a control is subclassed at most once.
#pragma once

#include "core/date_rec.h"
#include "platform/types.h"
#include "platform/user.h"

// E_FAIL when the window is already subclassed; else S_OK or the error of setting the words.
HRESULT InstallSubclass(HWND window, WNDPROC proc);
// Passes a message on to the procedure the installer kept.
LRESULT CallPrevWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

enum class KeypadField : int { kNo = 0, kYes = 1 };
enum class DateMenu : int { kNo = 0, kYes = 1 };
// Date fields and keypad fields: DateFieldMenuProc, DateFieldPickProc or KeypadFieldProc.
HRESULT SubclassControl(HWND window, KeypadField keypad, DateMenu dateMenu);
HRESULT SubclassAutoCapsEdit(HWND window);
HRESULT SubclassAutoCapsEdit2(HWND window);

LRESULT CALLBACK KeypadFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DateFieldMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DateFieldPickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The date of the item the open editor shows: a date field without a date opens the date grid there.
// The editors set it as they open an item; year kNoDateYear (the start) means today.
void SetEditorItemDate(const DateRec& date);
// No item open: date fields elsewhere start at today.
void ClearEditorItemDate();
DateRec EditorItemDate();
