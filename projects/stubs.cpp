// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

void ShowProjectsView() {}
bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

// Until the choosers are built nothing is chosen.
#include "projects/choose_item.h"
#include "ui/dialog_conventions.h"

INT_PTR ChooseItemDlg(HWND, LONG) { return kDlgCancel; }
