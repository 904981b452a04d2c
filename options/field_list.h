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
