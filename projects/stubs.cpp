// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_view.h"


void ShowProjectsView() {}

#include "projects/prj_cats.h"

// No project tree yet: no project paths.
RecordArray<std::u16string>& ProjectPathList() {
    static RecordArray<std::u16string> paths;
    return paths;
}

// The project tree commands of the main window's menus.
#include "projects/prj_commands.h"
void LoadMonthCmd() {}
void ViewPrjItem() {}
void MoveToPrjCmd() {}
void RemoveFromPrjCmd() {}
void DeletePrjItemCmd() {}
void RefreshPrjTskNode() {}
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

// No project commands yet: file links go nowhere.
void AddFileLinkToPrj(const std::u16string&) {}

// ---- The project tree's actions the toolkit calls, until the tree is built: nothing is taken.
int PrjTreeTapHold(HWND, POINT) { return 0; }
void PrjTreeDrop(HTREEITEM, HTREEITEM) {}

// ---- The project tree's edits, until they are built: no category rule, no nodes.
#include "projects/prj_tree_edit.h"
std::u16string RemovePrjCatFromList(std::u16string_view list, std::u16string_view) { return std::u16string(list); }
int AddPrjCatToList(std::u16string&, const PrjPath&) { return 0; }
HTREEITEM AddItemNodeToPrj(std::u16string_view, const PrjPath&, int, LONG) { return nullptr; }
HTREEITEM InsertCtsNodeSorted(HTREEITEM, std::u16string_view, LONG, std::u16string_view, std::u16string_view, GroupPlace) {
    return nullptr;
}
HTREEITEM GetApptMonthNode(int, int) { return nullptr; }

// ---- The project tree's part in item saves, until it is built: no tree to report to.
#include "projects/prj_tree.h"
#include "projects/prj_tree_items.h"
LONG g_PrjTreeFlag = 0;
LONG g_PrjTreeUpdateFlag = 0;
void PrjTreeTskSaved(LONG) {}
void PrjTreeCtsSaved(LONG) {}
void PrjTreeApptSaved(LONG) {}

// The tree is built again when the options change it, once the tree can be rebuilt.
void RebuildPrjTree() {}
