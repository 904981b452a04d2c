// The select-date grid as the date fields of dialogs open it.
#pragma once

#include "platform/types.h"

// The date the grid shows and, after an accepted grid, the chosen one.
struct SelectDateGrid {
    LONG month = 0;
    LONG day = 0;
    LONG year = 0;
};
extern SelectDateGrid g_SelectDateGrid;

// True when the grid ended with "Done"; the chosen date is in g_SelectDateGrid.
bool SelectDateDlg(HWND parent, LONG year, LONG month, LONG day);
