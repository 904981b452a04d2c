// The "Select Categories" picker: the item's categories ticked in a field list of every category
// that is not a project category, with each category's colour and icon editable on the way.
#pragma once

#include <string>

#include "core/val_snap.h"
#include "platform/types.h"

inline constexpr LONG kCatRowKind = 13;  // tick, colour and icon

// The text passed in while the picker runs, the ticked names ("Home,Work,") after OK.
extern std::u16string g_CatPickerText;
// Set when a colour or icon was changed in the picker.
extern LONG g_CatsEditedFlag;

// The picker's rows, one per non-project category of g_CatList in list order, unticked.
ValSnapArray& CatPickerRows();
void BuildCatPickerRows();
// Ticks the rows named in a comma-separated text (blanks and case ignored; unknown names and
// project categories dropped).
void TickCatPickerRows(const std::u16string& text);
// The row of a category record; the tick in numberValue, the icon in secondValue, the colour in
// plainValue.
ValSnap MakeCatPickerRow(int catIndex);
bool CatRowTicked(const ValSnap& row);
void SetCatRowTick(ValSnap& row, bool ticked);
// Row position of a category record: its index less the project categories before it; -1 for a
// project category or an index outside the list.
int CatPickerRowPos(int catIndex);
// OK: colours and icons written back to the records (catinfo.dat saved when one changed) and the
// result text built from the ticked rows. Returns true when a record changed.
bool CommitCatPickerRows();
// The colour the colour picker starts at: the stored default is offered as 0x8B0000.
COLORREF CatPickerStartColour(COLORREF colour);

inline constexpr int kCatPickerListId = 3261;

// "New Category": asks for a name; an empty answer does nothing, an existing name (any case) is
// refused with "Category Exists", else the category is added in sorted order and its row inserted
// (a project category is added but gets no row). Returns the new row's position, or -1.
int NewCatInPicker(HWND dialog);
// Inserts the row of one category record into the rows and the list view, selected.
int AddCatPickerRow(HWND dialog, int listId, int catIndex);

// ---- The pickers a field list opens on category rows ----
// The select-categories dialog over `text`; true on OK with the ticked names in g_CatPickerText.
bool SelectCatsDlg(HWND window, const std::u16string& text);
// The style picker of the selected kind-13 row of the list.
void EditCatStyle(HWND window, int listId);
