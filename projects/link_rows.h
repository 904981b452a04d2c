// What the Links and Associated Items dialogs share: the names of link targets, the rows of their
// owner-drawn lists, and the strips of kind images appended to a copy of the system icons.
#pragma once

#include <string>

#include "platform/commctrl.h"
#include "platform/types.h"

struct LinkListRow {
    std::u16string text;
    int image = -1;
    LONG data = -1;
};

void InsertLinkRow(HWND list, const std::u16string& text, LONG data, int image);
// The selected row, false when none is selected.
bool GetSelectedLinkRow(HWND list, LinkListRow& row, std::size_t maxChars);
void SelectLinkRow(HWND list, int row);
// The title of the current item: its subject, or a contact's name.
std::u16string CurItemTitle();
// Both sides of the screen at least 480 pixels.
bool IsBigScreen();
// The strip's images appended to the list, magenta transparent; false when none could be added.
bool AppendImageStrip(HIMAGELIST list, int bitmapId);
