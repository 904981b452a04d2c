// Stand-ins for the item editors until they are built.
#include "editors/appt_list_fields.h"
#include "editors/new_item.h"

ApptListFields& ApptListEditFields() {
    static ApptListFields fields;
    return fields;
}

void NewApptEditor() {}
void NewTskEditor(int) {}

// The editors as the main window's commands open them.
#include "editors/item_commands.h"
void NewTskFormDlg(int) {}
void NewApptDlg() {}
void EditTskFormDlg() {}
void EditSelApptDlg() {}
void EditContactCmd() {}
void NewContactCmd() {}
void DeleteTskCmd() {}
void DeleteCtsCmd() {}
void DeleteCurrentAppt() {}
void CopyTskCmd() {}
void CopyCurrentAppt() {}
void ApptCleanupDlg() {}
void NewApptFromTemplateDlg() {}
void NewTskFromTemplateDlg(int) {}

// The category pickers a field list opens until they are built: nothing is chosen.
#include "editors/cat_picker.h"
bool SelectCatsDlg(HWND, const std::u16string&) { return false; }
void EditCatStyle(HWND, int) {}
