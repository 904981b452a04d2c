// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

void ShowProjectsView() {}
bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

// Project categories until the projects view is built: the prefix test alone, and no links.
#include "platform/text.h"
#include "projects/prj_cats.h"

bool IsPrjCat(std::u16string_view name) {
    constexpr std::u16string_view kPrefix = u"prj:";
    return name.size() >= kPrefix.size() && platform::CompareNoCase(name.substr(0, kPrefix.size()), kPrefix) == 0;
}
bool HasPrjCat(const StrArray& categories) {
    for (int i = 0; i < categories.Size(); ++i)
        if (IsPrjCat(categories[i])) return true;
    return false;
}
bool ItemHasLinks(LONG) { return false; }
// Until the choosers are built nothing is chosen.
#include "projects/choose_item.h"
#include "ui/dialog_conventions.h"

INT_PTR ChooseItemDlg(HWND, LONG) { return kDlgCancel; }
// The Associated Items dialog, until it is built: it cannot be shown.
#include "projects/assoc_items.h"
INT_PTR ShowAssocItemsDlg(HWND, LONG, LONG) { return -1; }
// ---- Stand-ins for the item link table until it is built: no links to remove.
#include "projects/item_links.h"

int RemoveItemLinks(LONG) { return 0; }
void SaveLinkInfoFile() {}
// ---- Stand-in for the Links dialog until it is built.
#include "projects/links_dlg.h"

void ShowLinksDlg(HWND) {}

// No project tree yet: no project paths.
RecordArray<std::u16string>& ProjectPathList() {
    static RecordArray<std::u16string> paths;
    return paths;
}

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

// No project commands yet: nothing sets the new-item mark, and file links go nowhere.
LONG NewItemInPrj = 0;
void AddFileLinkToPrj(const std::u16string&) {}

// ---- The project tree's actions the toolkit calls, until the tree is built: nothing is taken.
int PrjTreeTapHold(HWND, POINT) { return 0; }
void PrjTreeDrop(HTREEITEM, HTREEITEM) {}
bool IsFolderNode(HTREEITEM) { return false; }

// ---- The project tree's part in item saves and the link table, until they are built: no tree
// to report to and no links.
#include "projects/item_links.h"
#include "projects/prj_tree.h"
LONG g_PrjTreeFlag = 0;
void PrjTreeApptSaved(LONG) {}
