// The field list: an owner-drawn list view that shows a table of value snapshots as rows of label
// and value and edits each value in place by the row's kind. The options pages and the list-style
// editors share it; the owner commits the edited snapshots later, so Cancel needs no undo.
#pragma once

#include <string>

#include "core/val_snap.h"
#include "platform/commctrl.h"
#include "platform/types.h"

// Row kinds as the field list shows and edits them (the snapshot's kind).
enum FieldKind : LONG {
    kFieldCheck = 0,
    kFieldChoice = 1,
    kFieldColor = 2,
    kFieldIcon = 3,
    kFieldIconColor = 4,
    kFieldHeader = 5,
    kFieldPath = 6,
    kFieldSubject = 7,
    kFieldLocation = 8,
    kFieldDate = 9,
    kFieldDateOrNone = 10,
    kFieldTime = 11,
    kFieldLabelOnly = 12,
    kFieldCheckColor = 13,
    kFieldCategories = 14,
    kFieldLongText = 15,
    kFieldNumbered = 16,
    kFieldSecret = 17,
    kFieldShortText = 18,  // 18 to 21 short texts
    kFieldLastShortText = 21,
};

// The file-picker mode of a picture row that gets the "Set Image" / "Clear Image" menu.
inline constexpr LONG kPickerImageMenu = 4;
inline constexpr int kFieldStackDepth = 5;
inline constexpr int kFieldStripPictures = 38;
inline constexpr int kFieldStripGrow = 5;
// Pictures of the strip the painter draws itself.
inline constexpr int kStripCheckClear = 0;
inline constexpr int kStripCheckTicked = 1;
inline constexpr int kStripArrowLeft = 2;
inline constexpr int kStripArrowRight = 3;
inline constexpr int kStripEditText = 11;
inline constexpr int kStripBrowse = 24;
// Where the popup menus of kinds 4 and 6 open, in screen coordinates.
inline constexpr int kFieldMenuX = 115;
inline constexpr int kFieldMenuY = 100;

// Sent to the list's dialog: a typed character no row took (wParam the character; nonzero when the
// dialog took it), and a stored row that has dependants (wParam the row's index).
inline constexpr UINT kMsgFieldRowChar = 0x0400 + 44;
inline constexpr UINT kMsgFieldRowChanged = 0x0400 + 45;

// Module state: the table on screen, the list view that shows it, the nested stack and the strip.
struct FieldListState {
    ValSnapArray* rows = nullptr;
    int listId = 0;
    struct Saved {
        ValSnapArray* rows = nullptr;
        int listId = 0;
        int selected = -1;
    };
    Saved stack[kFieldStackDepth];
    int depth = -1;
    int restoredRow = -1;  // the selected row the last pop brought back
    HIMAGELIST strip = nullptr;
};
extern FieldListState g_FieldList;

// Makes a table current with the list view that shows it.
void SetFieldListTable(ValSnapArray* rows, int listId);
// The rows of the field list on screen (an empty table when none is set).
ValSnapArray& FieldListRows();
bool FieldListHasRows();

// Saves the current table and its selected row before a nested field list; ignored beyond five.
void FieldListPush(int selectedRow);
// Makes the previous field list current again; nothing on an empty stack.
void FieldListPop();
void FieldStackReset();
// The name the main window uses for the same reset.
void ResetFieldListStack();

// One column of width 100, the program's list procedure, full-row select and the picture strip.
HRESULT InitSettingsList(HWND dialog, int listId, bool fit);
void FreeFieldIconList();
LRESULT CALLBACK SettingsListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void MeasureFieldRow(MEASUREITEMSTRUCT& measure);
void DrawFieldRow(const DRAWITEMSTRUCT& draw);

// One list item per row; `select` >= 0 selects that row (row 0 past the end), -1 nothing.
void FieldListFillView(HWND dialog, int listId, int select);
void FieldListUp(HWND dialog, int listId, bool focus);
void FieldListDown(HWND dialog, int listId, bool focus);
void FieldRowDecrease(HWND dialog, int listId);
void FieldRowIncrease(HWND dialog, int listId);
void FieldRowTap(HWND list, int row, int x, int y);
void EditFieldRow(HWND dialog, int listId);
bool FieldRowChar(HWND dialog, int listId, WCHAR ch);
void UpdateDependentRows(HWND dialog, int row, int listId);
bool SetFieldRowLock(const void* variable, HWND list, bool locked);
// The index of the row of the field list on screen that edits the variable, or -1.
LONG FindValSnapFor(const void* variable);
// Empties the stack of nested field lists.
void ResetFieldListStack();


std::u16string GetRowChoiceText(const ValSnap& row);
// The category-table position of the n-th category that is not a project category, or -1.
int NthPlainCategory(int n);
std::u16string FormatTimeOfDay(int hour, int minute);
void ListHourChoices(ValSnap& row);

// Stores an edited row back at its index, redraws it and runs the dependent rows.
void StoreFieldRow(HWND list, int index, const ValSnap& row);
// The selected row of the list view, or -1.
int FieldListSelRow(HWND list);
