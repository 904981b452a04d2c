// The wallet tree: the control and its image lists, node insertion, the selection as an item
// index, the tap-and-hold menu, and the commands the main window routes to the wallet.
#include "wallet/wlt_tree.h"

#include "core/frame_state.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "platform/gdi.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/main_state.h"
#include "ui/view_windows.h"
#include "wallet/wlt_dialogs.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_lock.h"
#include "wallet/wlt_view.h"

namespace {

constexpr DWORD kWltTreeStyle = WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS;
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
constexpr int kGroupNameChars = 260;
constexpr UINT kTapHitFlags = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;

struct WltImages {
    HIMAGELIST tree = nullptr;
    HIMAGELIST detail = nullptr;
};
WltImages g_WltImages;

HIMAGELIST MakeWltImageList() {
    const bool vga = IsVgaScreen();
    const int size = vga ? kLargeIcon : kSmallIcon;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kWltImageCount, 0);
    if (!list) return nullptr;
    HBITMAP bitmap = LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(vga ? IDB_WALLET_ICONS_VGA : IDB_WALLET_ICONS));
    if (!bitmap) {
        ImageList_Destroy(list);
        return nullptr;
    }
    ImageList_AddMasked(list, bitmap, kWltImageMask);
    DeleteObject(bitmap);
    return list;
}

// The item data of a node, kWltNodeNoItem when there is none.
LPARAM NodeData(HWND tree, HTREEITEM node) {
    TVITEMW item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = node;
    item.lParam = kWltNodeNoItem;
    if (!node || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return kWltNodeNoItem;
    return item.lParam;
}

HTREEITEM SelectedNode(HWND tree) {
    if (!tree) return nullptr;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool WltTapAndHold(HWND tree, POINT point) {
    SHRGINFO info{};
    info.cbSize = sizeof info;
    info.hwndClient = tree;
    info.ptDown = point;
    info.dwFlags = SHRG_RETURNCMD;
    return SHRecognizeGesture(&info) == GN_CONTEXTMENU;
}

void ShowWltItemMenu(HWND tree, POINT point) {
    HMENU menu = LoadMenuW(g_Main.instance, MAKEINTRESOURCEW(IDM_WALLET_ITEM_POPUP));
    if (!menu) return;
    ClientToScreen(tree, &point);
    TrackPopupMenuEx(GetSubMenu(menu, 0), TPM_LEFTALIGN, point.x, point.y, g_Frame.mainWnd, nullptr);
    DestroyMenu(menu);
}

// Returns true when the press was taken by the tap-and-hold menu.
bool OnTreePress(HWND tree, LPARAM lParam) {
    TVHITTESTINFO hit{};
    hit.pt = POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (!hit.hItem || !(hit.flags & kTapHitFlags)) return false;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hit.hItem));
    if (!WltTapAndHold(tree, hit.pt)) return false;
    ShowWltItemMenu(tree, hit.pt);
    return true;
}

using WltCommandHandler = void (*)();

struct WltCommandDef {
    UINT command;
    WltCommandHandler handler;
};

void LockToCover() { LockWallet(LeaveView::Yes); }
void ViewSelectedItem() {
    if (GetWltTreeSelItem()) ShowWltView();
}
void EditSelectedItem() {
    GetWltTreeSelParam();
    EditWltItemFields();
}

constexpr WltCommandDef kWltCommands[] = {
    {IDM_VIEW_WALLET, ShowWalletView},
    {IDM_NEW_WALLET_FILE, NewWalletFile},
    {IDM_OPEN_WALLET_FILE, ChooseWalletFile},
    {IDM_LOCK, LockToCover},
    {IDM_CHANGE_PASSWORD, ChangeWalletPassword},
    {IDM_DELETE_WALLET_FILE, DeleteWalletFile},
    {IDM_UNLOCK, OpenCurrentWallet},
    {IDM_UNMASK, ToggleViewFlag},
    {IDM_RENAME, RenameWalletFile},
    {IDM_MAKE_CALL, DialWalletItemPhone},
    {IDM_VISIT_WEBSITE, OpenWalletItemWebsite},
    {IDM_SEND_EMAIL, MailWalletItemAddress},
    {IDM_VIEW_ITEM, ViewSelectedItem},
    {IDM_NEW_ITEM, NewWltItem},
    {IDM_EDIT_ITEM, EditSelectedItem},
    {IDM_DELETE_ITEM, DeleteWalletItem},
};

}  // namespace

HTREEITEM InsertWltTreeItem(HWND tree, const std::u16string& text, int image, HTREEITEM parent, bool hasChildren,
                            LPARAM data) {
    if (!tree) return nullptr;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    std::u16string copy = text;
    insert.item.pszText = copy.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.cChildren = hasChildren ? 1 : 0;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool CreateWltImageList(HWND tree) {
    DestroyWltImageLists();
    g_WltImages.tree = MakeWltImageList();
    g_WltImages.detail = MakeWltImageList();
    if (!g_WltImages.tree || !g_WltImages.detail) return false;
    SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(g_WltImages.tree));
    return true;
}

HIMAGELIST WltDetailImageList() { return g_WltImages.detail; }

void DestroyWltImageLists() {
    if (g_WltImages.tree) ImageList_Destroy(g_WltImages.tree);
    if (g_WltImages.detail) ImageList_Destroy(g_WltImages.detail);
    g_WltImages = {};
}

void CreateWalletTree(HWND mainWnd) {
    FillWalletTemplates();
    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, u"", kWltTreeStyle, 0, 0, 0, 0, mainWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdWalletTree)), g_Main.instance, nullptr);
    if (!tree) {
        ShowMessage(mainWnd, kWltTreeErrorText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    g_ViewWnds.walletTree = tree;
    if (!CreateWltImageList(tree)) ShowMessage(mainWnd, kWltImageErrorText, MB_OK | MB_ICONEXCLAMATION);
    SubclassWltTree(tree);
}

void DeleteWltTreeNodes() {
    if (g_ViewWnds.walletTree) SendMessageW(g_ViewWnds.walletTree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

bool GetWltTreeSelParam() {
    HTREEITEM node = SelectedNode(g_ViewWnds.walletTree);
    if (!node) return false;
    const LPARAM data = NodeData(g_ViewWnds.walletTree, node);
    g_Wlt.selection = data >= 0 && data < g_Wlt.items.Size() ? static_cast<int>(data) : kWltNoSelection;
    return true;
}

bool GetWltTreeSelItem() {
    HTREEITEM node = SelectedNode(g_ViewWnds.walletTree);
    return node && NodeData(g_ViewWnds.walletTree, node) != kWltNodeNoItem;
}

void GetSelGroupName() {
    g_Wlt.selGroupName.clear();
    HWND tree = g_ViewWnds.walletTree;
    HTREEITEM node = SelectedNode(tree);
    if (!node) return;
    WCHAR text[kGroupNameChars] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = kGroupNameChars;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return;
    // Message nodes carry no item either, but they have no children.
    if (item.lParam == kWltNodeNoItem && item.cChildren) g_Wlt.selGroupName = text;
}

bool SubclassWltTree(HWND tree) {
    if (GetWindowLongPtrW(tree, GWLP_USERDATA)) return false;
    const LONG_PTR previous = SetWindowLongPtrW(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WltTreeProc));
    SetWindowLongPtrW(tree, GWLP_USERDATA, previous);
    return true;
}

LRESULT CALLBACK WltTreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(tree, GWLP_USERDATA));
    switch (message) {
    case WM_LBUTTONDOWN:
        TouchWltActivity();
        if (OnTreePress(tree, lParam)) return 0;
        break;
    case WM_LBUTTONDBLCLK:
        ShowWltView();
        return 0;
    default: break;
    }
    return CallWindowProcW(previous, tree, message, wParam, lParam);
}

bool WalletCommand(HWND, UINT command) {
    for (const WltCommandDef& def : kWltCommands) {
        if (def.command != command) continue;
        def.handler();
        return true;
    }
    return false;
}
