// The project tree's window, image list and shared node rules. A node's kind is its image less the
// count of system icons in front of the project strip; project folders carry -1 as item data, which
// the sub-project tests rely on, and file links are told by their item data alone, since their image
// is their file's own system icon.
#include "projects/prj_tree.h"

#include <cmath>

#include "core/frame_state.h"
#include "core/text_util.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/link_rows.h"
#include "projects/shell_icons.h"
#include "projects/tree_drag.h"
#include "resources/resource.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_subclass.h"
#include "ui/view_windows.h"

PrjTreeState g_PrjTree;

namespace {

constexpr int kPrjTreeId = 2356;
constexpr int kMaxText = 260;
constexpr const WCHAR* kGroupTexts[] = {u"Tasks", u"Contacts", u"Appointments"};

// Progress buckets by percent of completed direct task children: below 5, 35, 65, 98, and above.
constexpr double kBucketLimits[] = {5.0, 35.0, 65.0, 98.0};
// The plain image of each folder level and the image before its first bucket.
constexpr int kTopBucketBase = 12;
constexpr int kSubBucketBase = 7;
constexpr int kSubSubBucketBase = 17;

HWND Tree() { return g_PrjTree.wnd; }

HTREEITEM NextItem(HTREEITEM node, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(Tree(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node)));
}

TVITEMW ReadItem(HTREEITEM node, UINT mask) {
    TVITEMW item{};
    item.mask = mask | TVIF_HANDLE;
    item.hItem = node;
    SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}

void DeleteNode(HTREEITEM node) { SendMessageW(Tree(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node)); }

bool IsItemNodeKind(int kind) {
    return kind == kPrjImgAppt || kind == kPrjImgCts || kind == kPrjImgTskDone || kind == kPrjImgTskOpen;
}

// Turns redrawing off for a walk and on again at its end; only the outermost walk asks for it.
class RedrawOff {
public:
    explicit RedrawOff(bool active) : active_(active && Tree()) {
        if (active_) SendMessageW(Tree(), WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawOff() {
        if (active_) SendMessageW(Tree(), WM_SETREDRAW, TRUE, 0);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    bool active_;
};

HTREEITEM WalkStart(HTREEITEM start) { return start == TVI_ROOT || !start ? g_PrjTree.projectsRoot : start; }

int PlainFolderImage(HTREEITEM folder) {
    if (IsTopPrjNode(folder)) return kPrjImgTopPrj;
    if (IsSubPrjNode(folder)) return kPrjImgSubPrj;
    if (IsSubSubPrjNode(folder)) return kPrjImgSubSubPrj;
    return -1;
}

int ProgressBucket(double percent) {
    int bucket = 1;
    for (const double limit : kBucketLimits) {
        if (percent < limit) return bucket;
        ++bucket;
    }
    return bucket;
}

HTREEITEM FindGroup(int kind) {
    for (HTREEITEM child = TreeFirstChild(g_PrjTree.outlookRoot); child; child = TreeNextSibling(child))
        if (GetPrjNodeKind(child) == kind) return child;
    return nullptr;
}

HTREEITEM GetGroup(int kind, bool create) {
    if (!g_PrjTree.outlookRoot) return nullptr;
    if (const HTREEITEM group = FindGroup(kind)) return group;
    if (!create) return nullptr;
    const int image = g_PrjTree.imageBase + kind;
    return InsertTreeNode(Tree(), kGroupTexts[kind - kPrjImgTskGroup], image, image, g_PrjTree.outlookRoot, TVI_LAST);
}

void ShowGroup(HTREEITEM group) {
    if (!group) return;
    SendMessageW(Tree(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(group));
    SendMessageW(Tree(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
}

int ShellIconWidth(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    return ImageList_GetIconSize(list, &width, &height) ? width : 0;
}

bool InitPrjTreeImages(HWND tree) {
    if (!g_PrjTree.images) {
        const HIMAGELIST list = DupSysSmallIconList();
        if (!list) return false;
        g_PrjTree.imageBase = ImageList_GetImageCount(list);
        if (!AppendImageStrip(list, PrjStripBitmap(ShellIconWidth(list)))) {
            ImageList_Destroy(list);
            return false;
        }
        g_PrjTree.images = list;
    }
    SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(g_PrjTree.images));
    return true;
}

}  // namespace

int PrjStripBitmap(int iconWidth) {
    struct StripBySize {
        int iconWidth;
        int bitmap;
    };
    // A strip of another size than the list's would be cut into wrong pictures: every size drawn
    // goes to its own strip, and only a size without one goes by the screen.
    static constexpr StripBySize kStrips[] = {
        {22, IDB_PRJ_STRIP_22}, {21, IDB_PRJ_STRIP_21}, {16, IDB_PRJ_STRIP_16}, {32, IDB_PRJ_STRIP_32}};
    for (const StripBySize& strip : kStrips) {
        if (strip.iconWidth == iconWidth) return strip.bitmap;
    }
    return IsBigScreen() ? IDB_PRJ_STRIP_32 : IDB_PRJ_STRIP_16;
}

void CreatePrjTree(HWND parent) {
    if (g_PrjTree.wnd) return;
    const DWORD style = WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    g_PrjTree.wnd = CreateWindowExW(0, WC_TREEVIEWW, u"", style, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPrjTreeId)), GetModuleHandleW(nullptr),
                                    nullptr);
    if (!g_PrjTree.wnd) {
        MessageBoxW(parent, u"Error: Project Tree Creation Error.", u"", MB_ICONEXCLAMATION);
        return;
    }
    // Known to the view switch, so that every other view hides the tree.
    g_ViewWnds.projectTree = g_PrjTree.wnd;
    MoveViewWnd(g_PrjTree.wnd, kPlaceTree);
    if (!InitPrjTreeImages(g_PrjTree.wnd))
        MessageBoxW(parent, u"Error: Project Tree Image Creation Error.", u"", MB_ICONEXCLAMATION);
    SubclassTreeDrag(g_PrjTree.wnd);
}

void RemoveOutlookRoot() {
    if (g_PrjTree.outlookRoot) DeleteNode(g_PrjTree.outlookRoot);
    g_PrjTree.outlookRoot = nullptr;
}

LPARAM GetTreeItemParam(HTREEITEM node) { return node ? ReadItem(node, TVIF_PARAM).lParam : 0; }

void SetTreeItemParam(HTREEITEM node, LPARAM data) {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_PARAM;
    item.hItem = node;
    item.lParam = data;
    SendMessageW(Tree(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetTreeItemImage(HTREEITEM node, int image) {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node;
    item.iImage = image;
    item.iSelectedImage = image;
    SendMessageW(Tree(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetTreeItemText(HTREEITEM node, std::u16string_view text) {
    std::u16string copy(text);
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_TEXT;
    item.hItem = node;
    item.pszText = copy.data();
    SendMessageW(Tree(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

HTREEITEM InsertTreeNode(HWND tree, std::u16string_view text, int selectedImage, int image, HTREEITEM parent,
                         HTREEITEM insertAfter) {
    std::u16string copy(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = copy.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = 0;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int GetPrjNodeKind(HTREEITEM node) {
    // A node of no project tree (none made yet, or one the tree does not hold) has no kind.
    if (!node || !Tree()) return -1;
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_IMAGE;
    item.hItem = node;
    if (!SendMessageW(Tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage - g_PrjTree.imageBase;
}

HTREEITEM TreeParent(HTREEITEM node) { return node ? NextItem(node, TVGN_PARENT) : nullptr; }
HTREEITEM TreeFirstChild(HTREEITEM node) { return node ? NextItem(node, TVGN_CHILD) : nullptr; }
HTREEITEM TreeNextSibling(HTREEITEM node) { return node ? NextItem(node, TVGN_NEXT) : nullptr; }

bool IsTopPrjNode(HTREEITEM node) { return node && g_PrjTree.projectsRoot && TreeParent(node) == g_PrjTree.projectsRoot; }

bool IsSubPrjNode(HTREEITEM node) {
    if (!node || !g_PrjTree.projectsRoot) return false;
    const HTREEITEM parent = TreeParent(node);
    return parent && TreeParent(parent) == g_PrjTree.projectsRoot && GetTreeItemParam(node) == kPrjFolderData;
}

bool IsSubSubPrjNode(HTREEITEM node) {
    return node && IsSubPrjNode(TreeParent(node)) && GetTreeItemParam(node) == kPrjFolderData;
}

bool IsPrjFolderNode(HTREEITEM node) { return IsTopPrjNode(node) || IsSubPrjNode(node) || IsSubSubPrjNode(node); }

bool IsFolderNode(HTREEITEM node) {
    const int kind = GetPrjNodeKind(node);
    return node && kind >= kPrjImgProjectsRoot && kind <= kPrjLastFolderImage;
}

bool IsTaskNode(HTREEITEM node) {
    const int kind = GetPrjNodeKind(node);
    return kind == kPrjImgTskDone || kind == kPrjImgTskOpen;
}
bool IsApptNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgAppt; }
bool IsCtsNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCts; }
bool IsWebLinkNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgWebLink; }
bool IsFileLinkNode(HTREEITEM node) { return node && GetTreeItemParam(node) == kPrjFileLinkData; }
bool IsTskGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgTskGroup; }
bool IsCtsGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCtsGroup; }
bool IsApptGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgApptGroup; }
bool IsCompanyNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCompany; }
bool IsCatNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCategory; }
bool IsMonthNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgMonth; }

bool IsNodeInPrj(HTREEITEM node, HTREEITEM folder) {
    if (!node || !folder) return false;
    HTREEITEM up = IsPrjFolderNode(node) ? node : TreeParent(node);
    // A project path has three levels, so the folder is at most two steps above.
    for (int step = 0; step < 3 && up; ++step, up = TreeParent(up))
        if (up == folder) return true;
    return false;
}

HTREEITEM GetTskGroupNode() { return GetGroup(kPrjImgTskGroup, true); }
HTREEITEM GetCtsGroupNode() { return GetGroup(kPrjImgCtsGroup, true); }
HTREEITEM GetApptGroupNode(bool create) { return GetGroup(kPrjImgApptGroup, create); }
void ShowTskGroup() { ShowGroup(GetTskGroupNode()); }
void ShowCtsGroup() { ShowGroup(GetCtsGroupNode()); }
void ShowApptGroup() { ShowGroup(GetApptGroupNode(false)); }

bool ParseMonthNodeText(std::u16string_view label, int& month, int& year) {
    static constexpr const WCHAR* kMonths[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                               u"July",    u"August",   u"September", u"October", u"November", u"December"};
    const std::size_t comma = label.find(u',');
    if (comma == std::u16string_view::npos) return false;
    const std::u16string after(label.substr(comma + 1));
    year = static_cast<int>(_wtol(after.c_str()));
    const std::u16string_view name = label.substr(0, comma);
    month = 0;
    for (int i = 0; i < 12; ++i)
        if (platform::CompareNoCase(name, kMonths[i]) == 0) month = i + 1;
    return true;
}

void RemoveItemNodes(LONG oid, HTREEITEM start, bool dropEmpty, bool redraw) {
    const RedrawOff off(redraw);
    HTREEITEM child = TreeFirstChild(WalkStart(start));
    while (child) {
        const HTREEITEM next = TreeNextSibling(child);
        if (IsFolderNode(child)) {
            RemoveItemNodes(oid, child, dropEmpty, false);
            if (dropEmpty && !TreeFirstChild(child)) DeleteNode(child);
        } else if (IsItemNodeKind(GetPrjNodeKind(child)) && GetTreeItemParam(child) == oid) {
            DeleteNode(child);
        }
        child = next;
    }
}

bool FindItemNodeElsewhere(LONG oid, HTREEITEM start, HTREEITEM skip) {
    for (HTREEITEM child = TreeFirstChild(WalkStart(start)); child; child = TreeNextSibling(child)) {
        if (IsFolderNode(child)) {
            if (FindItemNodeElsewhere(oid, child, skip)) return true;
        } else if (child != skip && IsItemNodeKind(GetPrjNodeKind(child)) && GetTreeItemParam(child) == oid) {
            return true;
        }
    }
    return false;
}

void RemoveOutlookItemNode(HTREEITEM node) {
    const HTREEITEM parent = TreeParent(node);
    if (!parent) return;
    if (g_PrjOptions.showCat != 0 && IsCatNode(parent)) {
        // The contact stands under each of its categories: every one of its nodes goes.
        RemoveItemNodes(static_cast<LONG>(GetTreeItemParam(node)), TreeParent(parent), true, true);
        return;
    }
    if (IsMonthNode(parent) || IsCompanyNode(parent) || IsCatNode(parent) || IsTskGroupNode(parent) ||
        IsCtsGroupNode(parent) || IsApptGroupNode(parent))
        DeleteNode(node);
}

void UpdateTaskNodes(LONG oid, std::u16string_view text, bool completed, HTREEITEM start, bool redraw) {
    const RedrawOff off(redraw);
    for (HTREEITEM child = TreeFirstChild(WalkStart(start)); child; child = TreeNextSibling(child)) {
        if (IsFolderNode(child)) {
            UpdateTaskNodes(oid, text, completed, child, false);
        } else if (IsTaskNode(child) && GetTreeItemParam(child) == oid) {
            SetTreeItemText(child, text);
            SetTreeItemImage(child, g_PrjTree.imageBase + (completed ? kPrjImgTskDone : kPrjImgTskOpen));
            const HTREEITEM folder = TreeParent(child);
            if (IsPrjFolderNode(folder)) SetPrjProgressImage(folder);
        }
    }
}

void SetPrjProgressImage(HTREEITEM folder) {
    const int plain = PlainFolderImage(folder);
    if (plain < 0) return;
    int total = 0;
    int completed = 0;
    if (g_PrjOptions.progress != 0) {
        for (HTREEITEM child = TreeFirstChild(folder); child; child = TreeNextSibling(child)) {
            if (!IsTaskNode(child)) continue;
            ++total;
            if (GetPrjNodeKind(child) == kPrjImgTskDone) ++completed;
        }
    }
    int image = plain;
    if (total > 0) {
        const int bucket = ProgressBucket(100.0 * completed / total);
        const int base = plain == kPrjImgTopPrj ? kTopBucketBase : plain == kPrjImgSubPrj ? kSubBucketBase : kSubSubBucketBase;
        image = base + bucket;
    }
    SetTreeItemImage(folder, g_PrjTree.imageBase + image);
}

void UpdatePrjProgress(HTREEITEM start, bool redraw) {
    if (g_PrjOptions.progress == 0) return;
    const RedrawOff off(redraw);
    for (HTREEITEM child = TreeFirstChild(WalkStart(start)); child; child = TreeNextSibling(child)) {
        if (!IsPrjFolderNode(child)) continue;
        UpdatePrjProgress(child, false);
        SetPrjProgressImage(child);
    }
}
