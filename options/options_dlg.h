// The options dialog as the main window opens it, and its parts that the tests drive.
#pragma once

#include "platform/types.h"

// Runs the options dialog over the main window and refreshes the program after OK.
void RunOptionsDlg();
INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The page the dialog opens on for a view code.
int OptionsStartPage(LONG viewCode);
INT_PTR InitOptionsDlg(HWND dialog);
void ShowOptionsPage(HWND dialog, int page);
// Selects, shows and focuses the page in the selector unless it is selected already.
void SelectOptionsPage(HWND dialog, int page);
void OnOptionsPageSel(HWND dialog);
void LayoutOptionsDlg(HWND dialog);
void DrawOptionsHeader(HWND dialog, HDC dc);
void SetAboutMenuItem(HWND dialog, HMENU menu);
// Checks and applies every page that was shown and saves the settings; false keeps the dialog open.
bool ApplyOptions(HWND dialog);
