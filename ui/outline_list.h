// The outline lists (contacts, tasks, schedule): list views whose rows are the shown entries of a
// ListRow array, in which group headers fold and unfold the rows of their group; the notes list
// shares their window procedure without an entry array.
#pragma once

#include "platform/types.h"
#include "ui/list_rows.h"

// The kind families: mode 0 the contact and task lists (headers -2), mode 1 the schedule lists
// (day headers 5 and 6).
using OutlineMode = RowRules;

// The strip at the right end of a header row that folds or unfolds it on a tap.
inline constexpr int kOutlineToggleZone = 38;

void OutlineFillList(HWND list, const ListRowArray& entries);
// The index of the entry shown at the row and a copy of it; -1 when there is none.
int OutlineGetRowEntry(int row, ListRow& out, const ListRowArray& entries);
int OutlineIsHeaderRow(HWND list, int row, const ListRowArray& entries, OutlineMode mode);
int OutlineIsGroupEnd(int index, const ListRowArray& entries);
int OutlineCanToggle(HWND list, int row, const ListRowArray& entries, OutlineMode mode);
int OutlineSelCanToggle(HWND list, const ListRowArray& entries, OutlineMode mode);
// Hides or shows the header's children; 1 when one of them changed.
int OutlineSetHidden(int index, ListRowArray& entries, LONG hide, OutlineMode mode);
// Folds or unfolds the header at the row (-1 the selected row) and refills the list.
void OutlineToggleSel(HWND list, ListRowArray& entries, OutlineMode mode, int row);
// Folds or unfolds the header entry without refilling a list.
void OutlineToggleAt(ListRowArray& entries, int index);
// With "CLIST" and "STARTCOLL": every group of the mode starts folded.
void OutlineStartCollapsed(ListRowArray& entries, OutlineMode mode);
enum class ScrollTo : int { kNo = 0, kYes = 1 };
// Selects the first entry with the id, unfolding its group first; 0 when there is none.
int OutlineSelectById(HWND list, ListRowArray& entries, LONG id, ScrollTo scroll, OutlineMode mode);
void OutlineRemoveById(HWND list, ListRowArray& entries, LONG id);
void OutlineCopyEntries(ListRowArray& target, const ListRowArray& source);
LONG OutlineGetSelId(HWND list, const ListRowArray& entries);
// The id of the first item row after the selection, also left in `id`; -1 when none.
LONG OutlineNextItemId(HWND list, const ListRowArray& entries, LONG& id, OutlineMode mode);
// Selects the row under the point; a header that cannot be toggled is not selected (0).
int OutlineTapRow(HWND list, POINT point, const ListRowArray& entries, OutlineMode mode);
void OutlineTapToggleZone(int x, int y, HWND list, ListRowArray& entries, OutlineMode mode);

