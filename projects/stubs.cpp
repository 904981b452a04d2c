// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

#include "projects/prj_cats.h"
bool ItemHasLinks(LONG) { return false; }
// Until the choosers are built nothing is chosen.
#include "projects/choose_item.h"
#include "ui/dialog_conventions.h"

LONG ChooseItemDlg(HWND, LONG) { return -1; }
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

// The project tree commands of the main window's menus.
#include "projects/prj_commands.h"
void ShowLinksDlg() {}
void NewCtsInPrj() {}
void NewTskInPrj() {}
void NewApptInPrj() {}


// ---- The tree's window, node tests and walks, until the tree support is built: a plain tree
// without images (the image base 0), the kinds told by the image numbers alone, no menus and no
// progress images.
#include "frame/view_windows.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_edit.h"
#include "ui/layout.h"
#include "ui/list_subclass.h"

PrjTreeState g_PrjTree;
PrjOptions g_PrjOptions;

namespace {

constexpr int kPrjTreeId = kIdProjectTree;
// Beyond any system icon index a file link carries.
constexpr int kStandInImageBase = 64;

HTREEITEM NextItem(HTREEITEM node, WPARAM code) {
    if (!g_PrjTree.wnd) return nullptr;
    return reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(node)));
}

HTREEITEM FindGroup(int kind, const WCHAR* text, bool create) {
    if (!g_PrjTree.outlookRoot) return nullptr;
    for (HTREEITEM child = TreeFirstChild(g_PrjTree.outlookRoot); child; child = TreeNextSibling(child))
        if (GetPrjNodeKind(child) == kind) return child;
    if (!create) return nullptr;
    const int image = g_PrjTree.imageBase + kind;
    return InsertTreeNode(g_PrjTree.wnd, text, image, image, g_PrjTree.outlookRoot, TVI_LAST);
}

void ShowGroup(HTREEITEM group) {
    if (!group) return;
    SendMessageW(g_PrjTree.wnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(group));
    SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
}

bool IsItemNode(HTREEITEM node) { return IsTaskNode(node) || IsCtsNode(node) || IsApptNode(node); }

}  // namespace

void CreatePrjTree(HWND parent) {
    if (g_PrjTree.wnd) return;
    RECT rect{};
    GetViewRect(rect);
    g_PrjTree.wnd = CreateWindowExW(0, WC_TREEVIEWW, u"",
                                    WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                        TVS_SHOWSELALWAYS,
                                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPrjTreeId)), nullptr, nullptr);
    g_PrjTree.imageBase = kStandInImageBase;
    g_ViewWnds.projectTree = g_PrjTree.wnd;
    if (g_PrjTree.wnd) SubclassTreeDrag(g_PrjTree.wnd);
}

void RemoveOutlookRoot() {
    if (g_PrjTree.outlookRoot)
        SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(g_PrjTree.outlookRoot));
    g_PrjTree.outlookRoot = nullptr;
}

LPARAM GetTreeItemParam(HTREEITEM node) {
    TVITEMW item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = node;
    if (!node || !SendMessageW(g_PrjTree.wnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

void SetTreeItemParam(HTREEITEM node, LPARAM data) {
    TVITEMW item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = node;
    item.lParam = data;
    if (node) SendMessageW(g_PrjTree.wnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetTreeItemImage(HTREEITEM node, int image) {
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = node;
    item.iImage = image;
    item.iSelectedImage = image;
    if (node) SendMessageW(g_PrjTree.wnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetTreeItemText(HTREEITEM node, std::u16string_view text) {
    std::u16string copy(text);
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = copy.data();
    if (node) SendMessageW(g_PrjTree.wnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

HTREEITEM InsertTreeNode(HWND tree, std::u16string_view text, int selectedImage, int image, HTREEITEM parent,
                         HTREEITEM insertAfter) {
    if (!tree) return nullptr;
    std::u16string copy(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = copy.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int GetPrjNodeKind(HTREEITEM node) {
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_HANDLE;
    item.hItem = node;
    if (!node || !SendMessageW(g_PrjTree.wnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage - g_PrjTree.imageBase;
}

HTREEITEM TreeParent(HTREEITEM node) { return node ? NextItem(node, TVGN_PARENT) : nullptr; }
HTREEITEM TreeFirstChild(HTREEITEM node) { return node ? NextItem(node, TVGN_CHILD) : nullptr; }
HTREEITEM TreeNextSibling(HTREEITEM node) { return node ? NextItem(node, TVGN_NEXT) : nullptr; }

bool IsTopPrjNode(HTREEITEM node) { return node && g_PrjTree.projectsRoot && TreeParent(node) == g_PrjTree.projectsRoot; }
bool IsSubPrjNode(HTREEITEM node) {
    return node && g_PrjTree.projectsRoot && TreeParent(TreeParent(node)) == g_PrjTree.projectsRoot &&
           GetTreeItemParam(node) == kPrjFolderData;
}
bool IsSubSubPrjNode(HTREEITEM node) {
    return node && IsSubPrjNode(TreeParent(node)) && GetTreeItemParam(node) == kPrjFolderData;
}
bool IsPrjFolderNode(HTREEITEM node) { return IsTopPrjNode(node) || IsSubPrjNode(node) || IsSubSubPrjNode(node); }
bool IsFolderNode(HTREEITEM node) {
    const int kind = GetPrjNodeKind(node);
    return kind >= 0 && kind <= kPrjLastFolderImage && !IsFileLinkNode(node);
}
bool IsTaskNode(HTREEITEM node) {
    const int kind = GetPrjNodeKind(node);
    return (kind == kPrjImgTskDone || kind == kPrjImgTskOpen) && !IsFileLinkNode(node);
}
bool IsApptNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgAppt && !IsFileLinkNode(node); }
bool IsCtsNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCts && !IsFileLinkNode(node); }
bool IsWebLinkNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgWebLink; }
bool IsFileLinkNode(HTREEITEM node) { return node && GetTreeItemParam(node) == kPrjFileLinkData; }
bool IsTskGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgTskGroup; }
bool IsCtsGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCtsGroup; }
bool IsApptGroupNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgApptGroup; }
bool IsCompanyNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCompany; }
bool IsCatNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgCategory; }
bool IsMonthNode(HTREEITEM node) { return GetPrjNodeKind(node) == kPrjImgMonth; }

bool IsNodeInPrj(HTREEITEM node, HTREEITEM folder) {
    HTREEITEM at = TreeParent(node);
    for (int level = 0; level < 3 && at; ++level, at = TreeParent(at))
        if (at == folder) return true;
    return false;
}

HTREEITEM GetTskGroupNode() { return FindGroup(kPrjImgTskGroup, u"Tasks", true); }
HTREEITEM GetCtsGroupNode() { return FindGroup(kPrjImgCtsGroup, u"Contacts", true); }
HTREEITEM GetApptGroupNode(bool create) { return FindGroup(kPrjImgApptGroup, u"Appointments", create); }
void ShowTskGroup() { ShowGroup(FindGroup(kPrjImgTskGroup, u"Tasks", false)); }
void ShowCtsGroup() { ShowGroup(FindGroup(kPrjImgCtsGroup, u"Contacts", false)); }
void ShowApptGroup() { ShowGroup(FindGroup(kPrjImgApptGroup, u"Appointments", false)); }

#include "core/date_text.h"
bool ParseMonthNodeText(std::u16string_view label, int& month, int& year) {
    const std::size_t comma = label.find(u',');
    if (comma == std::u16string_view::npos) return false;
    month = ParseMonthName(label.substr(0, comma));
    std::size_t at = comma + 1;
    while (at < label.size() && label[at] == u' ') ++at;
    year = 0;
    for (; at < label.size() && label[at] >= u'0' && label[at] <= u'9'; ++at) year = year * 10 + (label[at] - u'0');
    return true;
}

void RemoveItemNodes(LONG oid, HTREEITEM start, bool dropEmpty, bool redraw) {
    if (!start || start == TVI_ROOT) start = g_PrjTree.projectsRoot;
    HTREEITEM child = TreeFirstChild(start);
    while (child) {
        const HTREEITEM next = TreeNextSibling(child);
        if (IsFolderNode(child)) {
            RemoveItemNodes(oid, child, dropEmpty, false);
            if (dropEmpty && !TreeFirstChild(child))
                SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        } else if (IsItemNode(child) && GetTreeItemParam(child) == oid) {
            SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
        }
        child = next;
    }
    (void)redraw;
}

bool FindItemNodeElsewhere(LONG oid, HTREEITEM start, HTREEITEM skip) {
    if (!start || start == TVI_ROOT) start = g_PrjTree.projectsRoot;
    for (HTREEITEM child = TreeFirstChild(start); child; child = TreeNextSibling(child)) {
        if (IsFolderNode(child) && FindItemNodeElsewhere(oid, child, skip)) return true;
        if (child != skip && IsItemNode(child) && GetTreeItemParam(child) == oid) return true;
    }
    return false;
}

void RemoveOutlookItemNode(HTREEITEM node) {
    const HTREEITEM parent = TreeParent(node);
    if (IsMonthNode(parent) || IsCompanyNode(parent) || IsCatNode(parent) || IsTskGroupNode(parent) ||
        IsCtsGroupNode(parent) || IsApptGroupNode(parent))
        SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node));
}

void UpdateTaskNodes(LONG oid, std::u16string_view text, bool completed, HTREEITEM start, bool redraw) {
    if (!start || start == TVI_ROOT) start = g_PrjTree.projectsRoot;
    for (HTREEITEM child = TreeFirstChild(start); child; child = TreeNextSibling(child)) {
        if (IsFolderNode(child)) UpdateTaskNodes(oid, text, completed, child, false);
        else if (IsTaskNode(child) && GetTreeItemParam(child) == oid) {
            SetTreeItemText(child, text);
            SetTreeItemImage(child, g_PrjTree.imageBase + (completed ? kPrjImgTskDone : kPrjImgTskOpen));
        }
    }
    (void)redraw;
}

void SetPrjProgressImage(HTREEITEM) {}
void UpdatePrjProgress(HTREEITEM, bool) {}
int ShowPrjNodeMenu(int) { return 0; }
void ShowItemRemoveMenu() {}
void ShowAddMenu() {}

// ---- Project membership through POOM, until it is built: the category text read, changed and
// saved; the loaded task or contact and the tree brought along.
#include "core/poom_session.h"
#include "core/text_util.h"
#include "platform/poom.h"
#include "projects/prj_items.h"
#include "projects/prj_membership.h"

LONG NewItemInPrj = 0;

namespace {

// The item's categories changed by edit (true when it changed them) and saved; false when the item
// is gone or nothing changed.
template <class Item, class Edit>
bool EditItemCats(LONG oid, REFIID iid, Edit edit, std::u16string& text) {
    PoomPtr<Item> item = GetPoomItem<Item>(GetPoomApp(), oid, iid);
    if (!item) return false;
    BSTR held = nullptr;
    item->get_Categories(&held);
    text = TakeBstr(held);
    if (!edit(text)) return false;
    item->put_Categories(text.c_str());
    item->Save();
    return true;
}

void SetMemCats(StrArray& categories, std::u16string_view text) {
    categories.RemoveAll();
    ForEachCommaPiece(text, [&](const std::u16string& entry) { categories.Append(entry); });
}

template <class Item>
bool SetPrjCat(LONG oid, REFIID iid, const PrjPath& path, std::u16string& text) {
    return EditItemCats<Item>(oid, iid, [&](std::u16string& cats) { return AddPrjCatToList(cats, path) != 0; }, text);
}

template <class Item>
bool AddCat(LONG oid, REFIID iid, const std::u16string& category, std::u16string& text) {
    return EditItemCats<Item>(
        oid, iid,
        [&](std::u16string& cats) {
            if (CatListHasName(cats, category)) return false;
            if (!cats.empty() && cats.back() != u',') cats += u',';
            cats += category;
            return true;
        },
        text);
}

template <class Item>
void RemoveCat(LONG oid, REFIID iid, const std::u16string& project) {
    std::u16string text;
    EditItemCats<Item>(
        oid, iid,
        [&](std::u16string& cats) {
            cats = RemovePrjCatFromList(cats, project);
            return true;
        },
        text);
}

}  // namespace

HTREEITEM SetTskPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    if (!SetPrjCat<ITask>(oid, IID_ITask, path, text)) return nullptr;
    TskRecord* task = FindTskRecord(oid);
    if (task) SetMemCats(task->categories, text);
    if (!addNode || !task) return nullptr;
    return AddItemNodeToPrj(TskNodeLabel(*task), path, TskNodeImage(*task), oid);
}

HTREEITEM SetCtsPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    if (!SetPrjCat<IContact>(oid, IID_IContact, path, text)) return nullptr;
    CtsRecord* contact = FindCtsRecord(oid);
    if (contact) SetMemCats(contact->categories, text);
    if (!addNode || !contact) return nullptr;
    return AddItemNodeToPrj(contact->fileAs, path, g_PrjTree.imageBase + kPrjImgCts, oid);
}

HTREEITEM SetApptPrjCat(LONG oid, const PrjPath& path, bool addNode) {
    std::u16string text;
    if (!SetPrjCat<IAppointment>(oid, IID_IAppointment, path, text) || !addNode) return nullptr;
    PrjAppt appt;
    if (!ReadPrjAppt(oid, appt)) return nullptr;
    return AddItemNodeToPrj(ApptNodeLabel(appt.subject, appt.start), path, g_PrjTree.imageBase + kPrjImgAppt, oid);
}

void AddCatToTsk(LONG oid, const std::u16string& category) {
    std::u16string text;
    if (AddCat<ITask>(oid, IID_ITask, category, text))
        if (TskRecord* task = FindTskRecord(oid)) SetMemCats(task->categories, text);
}
void AddCatToCts(LONG oid, const std::u16string& category) {
    std::u16string text;
    if (AddCat<IContact>(oid, IID_IContact, category, text))
        if (CtsRecord* contact = FindCtsRecord(oid)) SetMemCats(contact->categories, text);
}
void AddCatToAppt(LONG oid, const std::u16string& category) {
    std::u16string text;
    AddCat<IAppointment>(oid, IID_IAppointment, category, text);
}

void RemoveCatFromTsk(LONG oid, const std::u16string& project) { RemoveCat<ITask>(oid, IID_ITask, project); }
void RemoveCatFromCts(LONG oid, const std::u16string& project) { RemoveCat<IContact>(oid, IID_IContact, project); }
void RemoveCatFromAppt(LONG oid, const std::u16string& project) {
    RemoveCat<IAppointment>(oid, IID_IAppointment, project);
}

void AddPrjCtsNode(LONG oid) {
    const CtsRecord* contact = FindCtsRecord(oid);
    if (!contact) return;
    InsertCtsNodeSorted(GetCtsGroupNode(), contact->fileAs, oid, contact->company, JoinCategories(contact->categories),
                        GroupPlace::kSorted);
}

void AddPrjApptNode(LONG oid) {
    PrjAppt appt;
    if (!ReadPrjAppt(oid, appt)) return;
    const HTREEITEM month = GetApptMonthNode(appt.start.wYear, appt.start.wMonth);
    const int image = g_PrjTree.imageBase + kPrjImgAppt;
    const HTREEITEM node =
        InsertTreeNode(g_PrjTree.wnd, ApptNodeLabel(appt.subject, appt.start), image, image, month, TVI_FIRST);
    SetTreeItemParam(node, oid);
}
