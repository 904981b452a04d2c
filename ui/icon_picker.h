// The icon picker: every custom item icon in a grid, with an empty cell first that means no icon,
// chosen by stylus or keys. The choice is left in PickedIcon.
#pragma once

#include "platform/types.h"
#include "ui/image_lists.h"

// The selected icon; -1 is the no-icon cell.
extern LONG PickedIcon;
inline constexpr LONG kNoIcon = -1;
inline constexpr int CustomIconCount = kCustomIconCount;

// The grid on the current screen class.
struct IconGridLayout {
    int x0, y0;     // the first cell's icon
    int step;       // from one cell to the next across
    int rowStep;    // and down
    int size;       // the drawn icon's side
    int columns;
    bool large;     // drawn from the large custom-icon list
};
IconGridLayout GetIconGridLayout();

// True when the dialog ended with "Select"; the icon is then in PickedIcon.
bool PickIconDlg(HWND parent, LONG icon);
// Seeded with the icon of the category at that position of the category list.
bool PickCatIconDlg(HWND parent, int catIndex);

bool IconPickerHitTest(HWND dialog, POINT point);
void PaintIconPicker(HDC dc, HWND dialog);
void IconPickerKey(UINT key, HWND dialog);
INT_PTR CALLBACK IconPickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
