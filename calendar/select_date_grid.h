// The select-date grid: a month of days to pick one from.
#pragma once

#include "platform/types.h"

void SetSelectDateGridLayout();
void DrawSelectDateGridTitle(HDC dc);
void PaintSelectDateGrid(HWND dialog, HDC dc);
int SelectDateGridKey(HWND dialog, UINT key);
LRESULT CALLBACK SelectDateGridCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
HRESULT SubclassSelectDateGridCtl(HWND control);
INT_PTR CALLBACK SelectDateGridDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// True when the grid ended with "Select" (20071); the result is in its state.
bool SelectDateGridDlg(HWND parent, LONG year, LONG month, LONG day);
