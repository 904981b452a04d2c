// The "Select Categories" picker: the item's categories ticked in a field list of every category
// that is not a project category, with each category's colour and icon editable on the way.
#pragma once

#include <string>

#include "core/val_snap.h"
#include "platform/types.h"
#include "resources/resource.h"

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

inline constexpr int kCatPickerListId = IDC_CAT_PICKER_LIST;

// "New Category": asks for a name; an empty answer does nothing, an existing name (any case) is
// refused with "Category Exists", else the category is added in sorted order and its row inserted
// (a project category is added but gets no row). Returns the new row's position, or -1.
int NewCatInPicker(HWND dialog);
// Inserts the row of one category record into the rows and the list view, selected.
int AddCatPickerRow(HWND dialog, int listId, int catIndex);

// The "Select Categories" dialog 7302 over the caller's category text. True when it ended with
// Done; g_CatPickerText then holds the ticked names.
bool SelectCatsDlg(HWND window, const std::u16string& text);
INT_PTR CALLBACK SelectCatsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The caller's field list pushed, the title, the rows built and ticked from g_CatPickerText, shown.
void InitSelectCatsDlg(HWND dialog);
// OK: the caller's field list back, then CommitCatPickerRows.
void CommitCatPicker(HWND dialog);
// "Set Color" / "Set Icon" for the row under the list's selection mark; nothing without one.
void EditCatColor(HWND dialog, int listId);
void EditCatStyle(HWND dialog, int listId);
