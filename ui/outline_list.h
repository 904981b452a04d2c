// The outline list: a list view that shows the unfolded entries of a ListRow array, one item per
// shown entry carrying the entry's kind, with day or group headers that fold the rows below them.
#pragma once

#include "platform/types.h"
#include "ui/list_rows.h"

// The kind family of the contacts and task lists (0) and of the schedule list (1).
inline constexpr int kOutlineListMode = 0;
inline constexpr int kOutlineSchedMode = 1;

void OutlineFillList(HWND list, const ListRowArray& rows);
// The index of the entry shown at the row with a copy of it, or -1.
int OutlineGetRowEntry(int row, ListRow& out, const ListRowArray& rows);
// 1 when the entry is the last one or the next entry is a header or spacer of the contact lists.
int OutlineIsGroupEnd(int index, const ListRowArray& rows);
// Folds or unfolds the header at the row (-1 the selected row).
void OutlineToggleSel(HWND list, ListRowArray& rows, int mode, int row);
void OutlineStartCollapsed(ListRowArray& rows, int mode);
// Selects the row of the first entry with the id; 0 when there is none.
int OutlineSelectById(HWND list, ListRowArray& rows, LONG id, int scroll, int mode);
// Moves the selection to the next selectable row; with queryOnly it only reports that row.
int SelectNextListRow(HWND list, int queryOnly, int schedule);
void SubclassOutlineList(HWND list);
// Repaints the selected row.
void RedrawSelRow(HWND list);
