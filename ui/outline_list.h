// The outline list: an owner-drawn list view over a row array whose group headers fold the rows
// under them; the list shows the rows that are not folded away, in order.
#pragma once

#include "platform/types.h"
#include "ui/list_rows.h"

// Refills the list with one list row per row that is not hidden.
void OutlineFillList(HWND list, const ListRowArray& rows);
// Marks the rows under collapsed headers hidden, the others shown.
void OutlineBuildRows(ListRowArray& rows);
// The row shown at a list row: its index in rows (and a copy in out), or -1.
int OutlineGetRowEntry(int listRow, ListRow& out, const ListRowArray& rows);
// The OID under the selected list row, -1 for none or a row that is no item.
LONG OutlineGetSelId(HWND list, const ListRowArray& rows);
// Selects (with focus, focuses) and shows the first item row of the OID; 0 when there is none.
int OutlineSelectById(HWND list, const ListRowArray& rows, LONG oid, bool focus);
// 1 when collapsible lists are on and the selected row is a header with rows under it.
int OutlineActivateSel(HWND list, const ListRowArray& rows);
// Opens or closes the selected header's group and refills the list.
void OutlineToggleSel(HWND list, ListRowArray& rows);
// True when the row is the last or the next row is a header or a spacer.
bool OutlineIsGroupEnd(int index, const ListRowArray& rows);
// The list's key, tap and gesture handling.
void SubclassOutlineList(HWND list);
// Selects and focuses the first item row from the top; false when there is none.
bool SelectNextListRow(HWND list, const ListRowArray& rows);
