// The project tree's context menus, popped up at fixed points of the tree window for the selected
// node with the main window as owner, so that their commands reach the main window's table.
#include "projects/prj_tree_menus.h"

#include "core/frame_state.h"
#include "platform/system.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"

namespace {

struct MenuPlace {
    UINT menu;
    POINT point;
};
constexpr MenuPlace kMenuPlaces[] = {
    {IDM_PRJ_APPT_GROUP_MENU, {142, 100}}, {IDM_PRJ_ITEM_MENU, {142, 80}},  {IDM_PRJ_FOLDER_MENU, {142, 60}},
    {IDM_PRJ_LINK_MENU, {142, 100}},       {IDM_PRJ_ROOT_MENU, {115, 70}},  {IDM_PRJ_REMOVE_MENU, {115, 100}},
    {IDM_PRJ_ADD_MENU, {142, 80}},
};

HTREEITEM SelectedNode() {
    if (!g_PrjTree.wnd) return nullptr;
    return reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

POINT PlaceOf(UINT menu) {
    for (const MenuPlace& place : kMenuPlaces)
        if (place.menu == menu) return place.point;
    return POINT{0, 0};
}

void Enable(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Where an item counts as outside every project: straight under an Outlook group, or under a
// month, company or category node.
bool InOutlookGroup(HTREEITEM node) {
    const HTREEITEM parent = TreeParent(node);
    return IsTskGroupNode(parent) || IsCtsGroupNode(parent) || IsApptGroupNode(parent) || IsMonthNode(parent) ||
           IsCompanyNode(parent) || IsCatNode(parent);
}

void SetAddRules(HMENU menu, HTREEITEM node) {
    const bool root = node && node == g_PrjTree.projectsRoot;
    const bool canHoldSub = IsTopPrjNode(node) || IsSubPrjNode(node);
    Enable(menu, IDM_PRJ_NEW_PROJECT, root || canHoldSub);
    if (root) SetMenuItemText(menu, IDM_PRJ_NEW_PROJECT, u"Add Project");
    else if (canHoldSub) SetMenuItemText(menu, IDM_PRJ_NEW_PROJECT, u"Add Sub-Project");
    for (const UINT command : {IDM_PRJ_NEW_CONTACT, IDM_PRJ_NEW_TASK, IDM_PRJ_NEW_APPT}) Enable(menu, command, !root);
    Enable(menu, IDM_PRJ_ADD_LINK, IsPrjFolderNode(node));
}

int TrackMenu(UINT menuId, HTREEITEM node) {
    const HMENU bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    if (!bar) return 0;
    const HMENU popup = GetSubMenu(bar, 0);
    if (popup) {
        if (menuId == IDM_PRJ_ITEM_MENU) SetItemMenuState(popup, node);
        if (menuId == IDM_PRJ_FOLDER_MENU) SetFolderMenuState(popup, node);
        if (menuId == IDM_PRJ_ADD_MENU) SetAddMenuState(popup, node);
        POINT point = PlaceOf(menuId);
        ClientToScreen(g_PrjTree.wnd, &point);
        TrackPopupMenuEx(popup, TPM_LEFTALIGN, point.x, point.y, g_Frame.mainWnd, nullptr);
    }
    DestroyMenu(bar);
    return popup ? 1 : 0;
}

}  // namespace

UINT PrjNodeMenuId(HTREEITEM node) {
    if (!node) return 0;
    if (IsApptGroupNode(node)) return IDM_PRJ_APPT_GROUP_MENU;
    if (IsApptNode(node) || IsTaskNode(node) || IsCtsNode(node)) return IDM_PRJ_ITEM_MENU;
    if (IsPrjFolderNode(node)) return IDM_PRJ_FOLDER_MENU;
    if (IsFileLinkNode(node) || IsWebLinkNode(node)) return IDM_PRJ_LINK_MENU;
    if (node == g_PrjTree.projectsRoot) return IDM_PRJ_ROOT_MENU;
    return 0;
}

bool PrjMenuWantedOnKey(HTREEITEM node) {
    const UINT menu = PrjNodeMenuId(node);
    const bool folderMenu = menu == IDM_PRJ_APPT_GROUP_MENU || menu == IDM_PRJ_FOLDER_MENU || menu == IDM_PRJ_ROOT_MENU;
    return menu != 0 && (!folderMenu || TreeFirstChild(node) == nullptr);
}

void SetMenuItemText(HMENU menu, UINT command, const WCHAR* text) {
    ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING, command, text);
}

void SetItemMenuState(HMENU menu, HTREEITEM node) {
    const bool outside = InOutlookGroup(node);
    SetMenuItemText(menu, IDM_ADD_TO_PROJECT, outside ? u"Add To Project" : u"Move To Project");
    Enable(menu, IDM_PRJ_REMOVE_FROM, !outside);
    const bool task = IsTaskNode(node);
    Enable(menu, IDM_PRJ_SET_COMPLETE, task);
    if (task)
        SetMenuItemText(menu, IDM_PRJ_SET_COMPLETE,
                        GetPrjNodeKind(node) == kPrjImgTskDone ? u"Not Complete" : u"Set Completed");
}

void SetFolderMenuState(HMENU menu, HTREEITEM node) { SetAddRules(menu, node); }
void SetAddMenuState(HMENU menu, HTREEITEM node) { SetAddRules(menu, node); }

int ShowPrjNodeMenu(int onActionKey) {
    const HTREEITEM node = SelectedNode();
    const UINT menu = PrjNodeMenuId(node);
    if (menu == 0 || (onActionKey != 0 && !PrjMenuWantedOnKey(node))) return 0;
    return TrackMenu(menu, node);
}

void ShowItemRemoveMenu() { TrackMenu(IDM_PRJ_REMOVE_MENU, SelectedNode()); }
void ShowAddMenu() { TrackMenu(IDM_PRJ_ADD_MENU, SelectedNode()); }

bool PrjTreeMenuCmd(int fromKey) {
    const int shown = ShowPrjNodeMenu(fromKey);
    FocusCurrentView();
    return shown != 0;
}
