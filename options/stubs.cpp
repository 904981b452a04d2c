// Stand-ins for the options dialog until it is built: no field list is on screen.
#include "options/field_list.h"

void FieldListPop() {}

ValSnapArray& FieldListRows() {
    static ValSnapArray rows;
    return rows;
}

LONG FindValSnapFor(const void*) { return -1; }

void ResetFieldListStack() {}

// The options dialog as the main window opens it.
#include "options/options_dlg.h"
void RunOptionsDlg() {}
