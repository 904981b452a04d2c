// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

void ShowProjectsView() {}
bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

// The Associated Items dialog, until it is built: it cannot be shown.
#include "projects/assoc_items.h"
INT_PTR ShowAssocItemsDlg(HWND, LONG, LONG) { return -1; }
