// The go-to-date wheel: a dialog of day, month and year columns.
#pragma once

#include "platform/types.h"

// 1 when the wheel's day column is first ("DATEFORMAT" 0 and 3).
int GoToDateDayFirst();
void GoToDateStepUp();
void GoToDateStepDown();
void GoToDateToday(HWND dialog);
void InitGoToDateMenu(HMENU menu);
void GoToDateDigit(HWND dialog, int digit);
// Keys: 1 when handled.
int GoToDateKey(HWND dialog, UINT key);
void GoToDateTapDown(HWND dialog, int x, int y);
void GoToDateTapUp(HWND dialog, int x, int y);
void PaintGoToDate(HWND dialog, HDC dc);
LRESULT CALLBACK GoToDateCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
HRESULT SubclassGoToDateCtl(HWND control);
INT_PTR CALLBACK GoToDateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// True when the wheel ended with "Select" (20071); the result is in its state. A year of 0 or
// kNoDateYear starts the wheel on today.
bool GoToDateDlg(HWND parent, LONG year, LONG month, LONG day);
