// The outline list of the schedule and contact lists: rows with collapsible group headers shown
// in a list view, and the selection walks over them.
#pragma once

#include "platform/types.h"
#include "ui/list_rows.h"

// Moves the selection to the next item row; 1 when one was selected.
int SelectNextListRow(HWND list, int headerMode, int wrap);
// The position of the selected row; its id in id (-1 none).
int OutlineGetSelInfo(HWND list, const ListRowArray& rows, LONG& id, int flag);
// Removes every row of the id and refills the list; the count removed.
int OutlineRemoveById(HWND list, ListRowArray& rows, LONG id);
// Selects, focuses and shows the row of the id; 0 when none has it.
int OutlineSelectById(HWND list, const ListRowArray& rows, LONG id, int select, int flag);
