// The list routines the views share.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

// Scrolls the list's selected row into view.
void EnsureSelRowVisible(HWND list);
// Draws one row of an owner-drawn item list.
void DrawItemListRow(const DRAWITEMSTRUCT& item, HWND list, int style);
