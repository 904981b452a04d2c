// The colour picker: one of six fixed palettes as a grid of colour cells, chosen by stylus or keys,
// with a menu entry that switches between the caller's palette and all 84 colours. The accepted
// colour is left in PickedColor.
#pragma once

#include "platform/types.h"

inline constexpr LONG kAllColorsPalette = 5;
inline constexpr LONG kPaletteCount = 6;

struct PickerState {
    LONG palette = 0;
    LONG count = 0;      // colours of that palette, -1 for an unknown palette
    COLORREF colour = 0; // the colour being edited
    LONG index = -1;     // the selected cell, -1 none
    LONG columns = 0;
};
extern PickerState g_PickerState;
extern LONG MainPalette;
extern COLORREF PickedColor;

struct ColorGridLayout {
    int x0, y0;
    int cell;
    int columns;
};
ColorGridLayout GetColorGridLayout();
void SetColorGridColumns(PickerState& state);

// True when the dialog ended with "Done"; the colour is then in PickedColor.
bool PickColorDlg(HWND parent, COLORREF colour, LONG palette);
void SetPickerPalette(PickerState& state, COLORREF colour, LONG palette);
LONG FindPaletteColor(const PickerState& state, LONG palette, COLORREF colour);
// The selected cell's colour; with no cell selected, the colour being edited.
COLORREF GetPickerColor(const PickerState& state);
void TakePickerColor(PickerState& state);
bool ColorPickerHitTest(PickerState& state, HWND dialog, int x, int y);
void PaintColorGrid(const PickerState& state, HDC dc, HWND window);
void ColorPickerKey(PickerState& state, UINT key, HWND dialog);
void InitColorPickerMenu(HWND dialog, HMENU menu);
void ToggleAllColors(HWND dialog);
INT_PTR CALLBACK ColorPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
