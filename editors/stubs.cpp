// Stand-ins for the item editors until they are built.
#include "editors/appt_list_fields.h"
#include "editors/new_item.h"

ApptListFields& ApptListEditFields() {
    static ApptListFields fields;
    return fields;
}

void NewApptEditor() {}

// The editors as the main window's commands open them.
#include "editors/item_commands.h"
void NewApptDlg() {}
void EditSelApptDlg() {}
void DeleteCurrentAppt() {}
void CopyCurrentAppt() {}
void ApptCleanupDlg() {}
void NewApptFromTemplateDlg() {}

// The list-style editors' custom recurrence dialog, until it is built.
#include "editors/recur_list_dlg.h"
void ItemRecurListDlg(HWND, int) {}
