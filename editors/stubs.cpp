// Stand-ins for the item editors until they are built.
#include "editors/appt_list_fields.h"
#include "editors/new_item.h"

ApptListFields& ApptListEditFields() {
    static ApptListFields fields;
    return fields;
}

void NewTskEditor(int) {}

// The editors as the main window's commands open them.
#include "editors/item_commands.h"
void NewTskFormDlg(int) {}
void EditTskFormDlg() {}
void EditContactCmd() {}
void NewContactCmd() {}
void DeleteTskCmd() {}
void DeleteCtsCmd() {}
void CopyTskCmd() {}
void NewTskFromTemplateDlg(int) {}

// ---- The list-style appointment editor and the Attendees dialog, until they are built: nothing
// is edited.
#include "editors/appt_list_editor.h"
#include "editors/attendees_dlg.h"
#include "ui/dialog_conventions.h"

INT_PTR NewApptInListEditor() { return kDlgCancel; }
INT_PTR EditApptInListEditor() { return kDlgCancel; }
INT_PTR NewApptFromTemplateInListEditor() { return kDlgCancel; }
void AttendeesDlg(HWND) {}
