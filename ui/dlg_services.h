// What the editor dialogs take of the toolkit's dialog services beyond the dialog conventions: the
// re-layout with the other template of a pair when the screen turns, and the one-column owner-drawn
// item lists fitted to their dialog with their key handling.
#pragma once

#include "platform/types.h"

// Lays an open dialog out again with another template (version 5 and later only). Returns 1.
int RelayoutDlgForOrientation(HWND dialog, UINT templateId);
// flag 1 on a resize.
void FitDlgList(HWND dialog, int listId, int flag);
void SubclassItemList(HWND list, int flag);
