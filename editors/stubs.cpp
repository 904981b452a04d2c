// Stand-ins for the item editors until they are built.
#include "editors/new_item.h"

// The list-style editors' custom recurrence dialog, until it is built.
#include "editors/recur_list_dlg.h"
void ItemRecurListDlg(HWND, int) {}

// The appointment form's parts the list-style appointment editor reaches, until they are built.
#include "editors/appt_form_services.h"
INT_PTR ReminderTimesDlg(HWND) { return 0; }

