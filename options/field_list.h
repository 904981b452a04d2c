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

// ---- The field-list control as the list-style item editors use it.
#include "platform/owner_draw.h"

// One column, the field-list procedure, full-row select and the row pictures.
void InitSettingsList(HWND dialog, int listId, int flag);
// The rows and list control of the field list on screen.
void SetCurrentFieldList(ValSnapArray* rows, int listId);
int CurrentFieldListId();
// Empties the list view and adds one item per row of the current field list, row 0 selected.
void FieldListFillView(HWND dialog, int listId, int flag);
void MeasureFieldRow(MEASUREITEMSTRUCT& measure);
void DrawFieldRow(const DRAWITEMSTRUCT& item, HWND list);
