// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

void ShowProjectsView() {}
bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

// The project tree commands of the main window's menus.
#include "projects/prj_commands.h"
void ShowLinksDlg() {}
void LoadMonthCmd() {}
void ViewPrjItem() {}
void MoveToPrjCmd() {}
void RemoveFromPrjCmd() {}
void DeletePrjItemCmd() {}
void RefreshPrjTskNode() {}
void NewCtsInPrj() {}
void NewTskInPrj() {}
void NewApptInPrj() {}
void AddLinkCmd() {}
void AddHyperlinkCmd() {}
void RemovePrjCmd() {}
void NewPrjCmd() {}
void AddExistingCtsToPrj() {}
void AddExistingTskToPrj() {}
void AddExistingApptToPrj() {}
void PrjAddCmd() {}
void CatToPrjCmd() {}
void ConvertPrjCmd() {}
void NewNoteInPrj() {}
