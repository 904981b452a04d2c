// The month picker: a month and a year chosen from two spin lists, for loading one month of
// appointments into the project tree.
#pragma once

#include "platform/types.h"

// The seed while the dialog runs, the choice after it.
struct MonthPickerWords {
    LONG year = 0;
    LONG month = 0;  // 1 to 12
};
extern MonthPickerWords g_MonthPicker;

// 1 when the user chose "Done" (year and month then hold the choice), else 0 and both unchanged.
int ShowMonthPicker(HWND parent, LONG& year, LONG& month);
INT_PTR CALLBACK MonthPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillMonthPickerLists(HWND dialog);
int ReadMonthPickerLists(HWND dialog);
