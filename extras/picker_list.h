// The one-column list that the saved-view and launcher dialogs show: filling, selecting and reading
// its rows.
#pragma once

#include <string>

#include "platform/types.h"

// One full-row column as wide as the dialog.
void InitPickerList(HWND dialog, int listId);
void FitPickerList(HWND dialog, int listId);
// A row with its picture from the list's small images (-1: none).
void AddPickerRow(HWND list, const std::u16string& text, LPARAM data, int image = -1);
// The list's small images cut from a bitmap strip of square cells, magenta transparent; the dialog
// frees them when it goes (FreePickerImages), the list does not.
void SetPickerImages(HWND list, int bitmapId, int size, int initial, int grow);
void FreePickerImages(HWND list);
void SelectPickerRow(HWND list, int row);
// The selected row, or -1.
int SelectedPickerRow(HWND list);
LPARAM PickerRowData(HWND list, int row);
