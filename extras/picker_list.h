// The one-column list that the saved-view and launcher dialogs show: filling, selecting and reading
// its rows.
#pragma once

#include <string>

#include "platform/types.h"

// One full-row column as wide as the dialog.
void InitPickerList(HWND dialog, int listId);
void FitPickerList(HWND dialog, int listId);
void AddPickerRow(HWND list, const std::u16string& text, LPARAM data);
void SelectPickerRow(HWND list, int row);
// The selected row, or -1.
int SelectedPickerRow(HWND list);
LPARAM PickerRowData(HWND list, int row);
