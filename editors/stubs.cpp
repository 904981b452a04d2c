// Stand-ins for the item editors until they are built.
#include "editors/appt_list_fields.h"
#include "editors/new_item.h"
#include "frame/side_files.h"

ApptListFields& ApptListEditFields() {
    static ApptListFields fields;
    return fields;
}

void NewApptEditor() {}
void NewTskEditor(int) {}

// No templates yet: the load thread finds none.
void LoadTextTemplates() {}
void LoadTemplates() {}

// No list pickers yet: nothing is chosen.
#include "editors/text_pick.h"

int g_StrListPickResult = -1;
INT_PTR SelectTextDlg(HWND, int) { return 0; }
bool StrListPickDlg(HWND, const StrArray&, const std::u16string&) { return false; }
