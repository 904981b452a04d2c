// The "Select Theme" dialog: a list of the built-in themes; choosing one replaces the current theme.
#pragma once

#include "core/record_array.h"
#include "core/theme_record.h"
#include "platform/types.h"

inline constexpr int kBuiltinThemeCount = 9;

// The built-in themes, filled the first time the dialog opens and kept for the run.
extern RecordArray<ThemeRec> g_Themes;

// Fills the built-in themes when the array is empty; does nothing otherwise.
void AddBuiltinThemes();
// Runs the dialog; true when it ended with OK.
bool ThemeDlg(HWND owner);
INT_PTR CALLBACK ThemeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
