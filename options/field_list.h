// What other subsystems reach of the options dialog's field lists: the list on screen and its stack.
#pragma once

#include "core/val_snap.h"
#include "platform/types.h"

// Makes the previous field list current again when a nested one closes.
void FieldListPop();
// The rows of the field list on screen.
ValSnapArray& FieldListRows();
// The index of the row of the field list on screen that edits the variable, or -1.
LONG FindValSnapFor(const void* variable);
// Empties the stack of nested field lists.
void ResetFieldListStack();

// ---- The field list as the categories picker drives it.
#include "platform/owner_draw.h"

// Makes a table current with the list view that shows it.
void SetFieldListTable(ValSnapArray* rows, int listId);
// Saves the current table and its selected row before a nested field list.
void FieldListPush(int selectedRow);
// One column, the program's list procedure, full-row select and the picture strip.
HRESULT InitSettingsList(HWND dialog, int listId, bool fit);
void MeasureFieldRow(MEASUREITEMSTRUCT& measure);
void DrawFieldRow(const DRAWITEMSTRUCT& draw);
// One list item per row; `select` >= 0 selects that row, -1 nothing.
void FieldListFillView(HWND dialog, int listId, int select);
