// Stand-ins for the item editors until they are built.
#include "editors/new_item.h"

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

// The appointment form's parts the list-style appointment editor reaches, until they are built.
#include "editors/appt_form_services.h"
void InitNewApptEditorState(HWND) {}
void FillApptEditorFromTemplate(HWND) {}
int SaveApptEditorAsTemplate(HWND) { return 1; }
void AttendeesDlg(HWND) {}
INT_PTR ReminderTimesDlg(HWND) { return 0; }
void AfterApptEdited() {}

// The month cache after an appointment save, until it is built.
#include "editors/appt_cache_update.h"
void UpdateApptInCache(LONG, int, int, int) {}
void ReplaceExistingAppt(LONG, int, int, int) {}
