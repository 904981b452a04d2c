// Single changes of the project tree: folders and items kept in their sorted places by every
// insertion (the tree is never sorted afterwards), folders found and made by path, links and items
// taken out of their projects.
#include "projects/prj_tree_edit.h"

#include "core/cur_item.h"
#include "core/date_text.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_membership.h"
#include "projects/prj_tree.h"
#include "projects/prj_items.h"

namespace {

constexpr const WCHAR* kLinksDirFailedText = u"Project Link Directory creation failed.";

bool TextGreater(std::u16string_view a, std::u16string_view b) { return platform::CompareNoCase(a, b) > 0; }
bool TextEquals(std::u16string_view a, std::u16string_view b) { return platform::CompareNoCase(a, b) == 0; }

std::u16string NodeText(HTREEITEM node) { return GetTreeNodeText(g_PrjTree.wnd, node); }

HTREEITEM InsertAt(HTREEITEM parent, HTREEITEM after, std::u16string_view text, int image, LPARAM data) {
    const HTREEITEM node = InsertTreeNode(g_PrjTree.wnd, text, image, image, parent, after);
    if (node) SetTreeItemParam(node, data);
    return node;
}

int Img(int offset) { return g_PrjTree.imageBase + offset; }

HTREEITEM FindChildByText(HTREEITEM parent, std::u16string_view text) {
    if (!parent) return nullptr;
    for (HTREEITEM child = TreeFirstChild(parent); child; child = TreeNextSibling(child))
        if (TextEquals(NodeText(child), text)) return child;
    return nullptr;
}

std::u16string Trim(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return std::u16string(text.substr(first, last - first));
}

// The entries of a comma-separated category list, trimmed; empty entries left out.
template <class Visit>
void ForEachCatEntry(std::u16string_view list, Visit visit) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(u',', start);
        if (comma == std::u16string_view::npos) comma = list.size();
        const std::u16string entry = Trim(list.substr(start, comma - start));
        if (!entry.empty() && !visit(entry)) return;
        start = comma + 1;
    }
}

int MonthOrder(int year, int month) { return year * 12 + month; }

void DeleteNode(HTREEITEM node) { SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node)); }

}  // namespace

std::u16string GetTreeNodeText(HWND tree, HTREEITEM node) {
    if (!tree || !node) return std::u16string();
    WCHAR buffer[kMaxNodeText + 1] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = buffer;
    item.cchTextMax = kMaxNodeText;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return std::u16string();
    return std::u16string(buffer);
}

HTREEITEM GetSelectedPrjNode() {
    if (!g_PrjTree.wnd) return nullptr;
    return reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

int PrjNodeItemKind(HTREEITEM node) {
    if (IsTaskNode(node)) return kItemTask;
    if (IsApptNode(node)) return kItemAppt;
    if (IsCtsNode(node)) return kItemContact;
    return kItemNone;
}

HTREEITEM SetPrjCatOfKind(int kind, LONG oid, const PrjPath& path, bool addNode) {
    switch (kind) {
    case kItemTask: return SetTskPrjCat(oid, path, addNode);
    case kItemContact: return SetCtsPrjCat(oid, path, addNode);
    case kItemAppt: return SetApptPrjCat(oid, path, addNode);
    }
    return nullptr;
}

HTREEITEM GetSortedInsertPos(HTREEITEM parent, std::u16string_view name) {
    HTREEITEM passed = nullptr;
    for (HTREEITEM child = TreeFirstChild(parent); child; child = TreeNextSibling(child)) {
        if (TextGreater(NodeText(child), name)) return passed ? passed : TVI_FIRST;
        passed = child;
    }
    return TVI_LAST;
}

HTREEITEM FindPrjNode(std::u16string_view project) { return FindChildByText(g_PrjTree.projectsRoot, project); }

HTREEITEM FindSubPrjNode(std::u16string_view project, std::u16string_view sub) {
    const HTREEITEM top = FindPrjNode(project);
    if (!top || sub.empty()) return top;
    return FindChildByText(top, sub);
}

HTREEITEM FindPrjNodeByPath(const PrjPath& path) {
    HTREEITEM node = FindPrjNode(path.project);
    if (!node || path.sub.empty()) return node;
    node = FindChildByText(node, path.sub);
    if (!node || path.subSub.empty()) return node;
    return FindChildByText(node, path.subSub);
}

PrjPath GetPrjNodePath(HTREEITEM node) {
    for (int pass = 0; pass < 2 && node; ++pass, node = TreeParent(node)) {
        if (IsTopPrjNode(node)) return PrjPath{NodeText(node), {}, {}};
        if (IsSubPrjNode(node)) return PrjPath{NodeText(TreeParent(node)), NodeText(node), {}};
        if (IsSubSubPrjNode(node)) {
            const HTREEITEM parent = TreeParent(node);
            return PrjPath{NodeText(TreeParent(parent)), NodeText(parent), NodeText(node)};
        }
    }
    return PrjPath{};
}

void ExpandPrjNodeByPath(const PrjPath& path) {
    const HTREEITEM node = FindPrjNodeByPath(path);
    if (!node) return;
    SendMessageW(g_PrjTree.wnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
}

HTREEITEM InsertFolderNodeSorted(HTREEITEM parent, std::u16string_view name, int image, LPARAM data) {
    HTREEITEM passed = nullptr;
    HTREEITEM child = TreeFirstChild(parent);
    for (; child; child = TreeNextSibling(child)) {
        const bool folder = IsPrjFolderNode(child);
        if (!folder && TreeParent(child) != g_PrjTree.projectsRoot) break;  // the first item
        if (folder && TextGreater(NodeText(child), name)) break;
        passed = child;
    }
    const HTREEITEM after = child ? (passed ? passed : TVI_FIRST) : TVI_LAST;
    return InsertAt(parent, after, name, image, data);
}

HTREEITEM InsertItemNodeSorted(HTREEITEM parent, std::u16string_view label, int image, LPARAM data) {
    HTREEITEM passed = nullptr;
    HTREEITEM child = TreeFirstChild(parent);
    for (; child; child = TreeNextSibling(child)) {
        if (!IsSubPrjNode(child) && !IsSubSubPrjNode(child) && TextGreater(NodeText(child), label)) break;
        passed = child;
    }
    const HTREEITEM after = child ? (passed ? passed : TVI_FIRST) : TVI_LAST;
    return InsertAt(parent, after, label, image, data);
}

HTREEITEM InsertGroupFolderSorted(HTREEITEM group, std::u16string_view name, int image, LPARAM data) {
    HTREEITEM passed = nullptr;
    HTREEITEM child = TreeFirstChild(group);
    for (; child; child = TreeNextSibling(child)) {
        if (!IsCompanyNode(child) && !IsCatNode(child)) break;
        if (TextGreater(NodeText(child), name)) break;
        passed = child;
    }
    const HTREEITEM after = child ? (passed ? passed : TVI_FIRST) : TVI_LAST;
    return InsertAt(group, after, name, image, data);
}

HTREEITEM CreatePrjPathNodes(const PrjPath& path) {
    if (path.project.empty()) return nullptr;
    HTREEITEM top = FindPrjNode(path.project);
    if (!top) top = InsertFolderNodeSorted(g_PrjTree.projectsRoot, path.project, Img(kPrjImgTopPrj), kPrjFolderData);
    if (path.sub.empty()) return top;
    HTREEITEM sub = FindChildByText(top, path.sub);
    if (!sub) sub = InsertFolderNodeSorted(top, path.sub, Img(kPrjImgSubPrj), kPrjFolderData);
    if (path.subSub.empty()) return sub;
    HTREEITEM subSub = FindChildByText(sub, path.subSub);
    if (!subSub) subSub = InsertFolderNodeSorted(sub, path.subSub, Img(kPrjImgSubSubPrj), kPrjFolderData);
    return subSub;
}

HTREEITEM AddItemNodeToPrj(std::u16string_view label, const PrjPath& path, int image, LONG oid) {
    if (path.project.empty()) return nullptr;
    if (const HTREEITEM folder = FindPrjNodeByPath(path)) return InsertItemNodeSorted(folder, label, image, oid);
    return InsertAt(CreatePrjPathNodes(path), TVI_LAST, label, image, oid);
}

HTREEITEM AddOutlookItemNode(HTREEITEM group, std::u16string_view label, LONG oid, int image,
                             std::u16string_view categories, GroupPlace place) {
    if (!g_PrjOptions.outFolder || !group) return nullptr;
    if (!g_PrjOptions.showCat) {
        const HTREEITEM after = place == GroupPlace::kSorted ? GetSortedInsertPos(group, label) : TVI_LAST;
        return InsertAt(group, after, label, image, oid);
    }
    if (InsertUnderCatFolders(group, categories, label, image, oid)) return nullptr;
    return InsertAt(group, TVI_LAST, label, image, oid);
}

HTREEITEM InsertCtsNodeSorted(HTREEITEM group, std::u16string_view label, LONG oid, std::u16string_view company,
                              std::u16string_view categories, GroupPlace place) {
    if (!g_PrjOptions.outFolder || !group) return nullptr;
    const int image = Img(kPrjImgCts);
    if (!g_PrjOptions.ctsCom) return AddOutlookItemNode(group, label, oid, image, categories, place);
    const HTREEITEM parent = company.empty() ? group : GetCompanyFolderNode(company);
    return InsertAt(parent, TVI_LAST, label, image, oid);
}

HTREEITEM GetCompanyFolderNode(std::u16string_view company) {
    const HTREEITEM group = GetCtsGroupNode();
    for (HTREEITEM child = TreeFirstChild(group); child; child = TreeNextSibling(child))
        if (IsCompanyNode(child) && TextEquals(NodeText(child), company)) return child;
    return InsertGroupFolderSorted(group, company, Img(kPrjImgCompany), kPrjFolderData);
}

HTREEITEM GetCatFolderNode(HTREEITEM group, std::u16string_view category) {
    for (HTREEITEM child = TreeFirstChild(group); child; child = TreeNextSibling(child))
        if (IsCatNode(child) && TextEquals(NodeText(child), category)) return child;
    return InsertGroupFolderSorted(group, category, Img(kPrjImgCategory), kPrjFolderData);
}

HTREEITEM InsertUnderCatFolder(HTREEITEM group, std::u16string_view category, std::u16string_view label, int image,
                               LONG oid) {
    return InsertAt(GetCatFolderNode(group, category), TVI_LAST, label, image, oid);
}

int InsertUnderCatFolders(HTREEITEM group, std::u16string_view categories, std::u16string_view label, int image,
                          LONG oid) {
    int inserted = 0;
    ForEachCatEntry(categories, [&](const std::u16string& entry) {
        if (!IsPrjCat(entry) && InsertUnderCatFolder(group, entry, label, image, oid)) inserted = 1;
        return true;
    });
    return inserted;
}

HTREEITEM FindMonthNode(int year, int month) {
    const HTREEITEM group = GetApptGroupNode(g_PrjOptions.outFolder != 0);
    for (HTREEITEM child = TreeFirstChild(group); child; child = TreeNextSibling(child)) {
        int nodeMonth = 0;
        int nodeYear = 0;
        if (IsMonthNode(child) && ParseMonthNodeText(NodeText(child), nodeMonth, nodeYear) && nodeMonth == month &&
            nodeYear == year)
            return child;
    }
    return nullptr;
}

HTREEITEM InsertMonthNode(int year, int month) {
    const HTREEITEM group = GetApptGroupNode(true);
    if (!group) return nullptr;
    HTREEITEM passed = nullptr;
    HTREEITEM child = TreeFirstChild(group);
    for (; child; child = TreeNextSibling(child)) {
        int nodeMonth = 0;
        int nodeYear = 0;
        if (IsMonthNode(child) && ParseMonthNodeText(NodeText(child), nodeMonth, nodeYear) &&
            MonthOrder(nodeYear, nodeMonth) > MonthOrder(year, month))
            break;
        passed = child;
    }
    const HTREEITEM after = child ? (passed ? passed : TVI_FIRST) : TVI_LAST;
    const std::u16string label = platform::FormatW(u"%s, %d", GetMonthName(month).c_str(), year);
    return InsertAt(group, after, label, Img(kPrjImgMonth), kPrjApptGroupData);
}

HTREEITEM GetApptMonthNode(int year, int month) {
    if (const HTREEITEM node = FindMonthNode(year, month)) return node;
    return InsertMonthNode(year, month);
}

HTREEITEM InsertLinkNode(std::u16string_view title, std::u16string_view linkFile, const PrjPath& path, bool isWeb) {
    int image = Img(kPrjImgWebLink);
    const LPARAM data = isWeb ? kPrjWebLinkData : kPrjFileLinkData;
    if (!isWeb) {
        SHFILEINFOW info{};
        const std::u16string file(linkFile);
        if (!SHGetFileInfoW(file.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
            return nullptr;
        image = info.iIcon;
    }
    if (const HTREEITEM folder = FindPrjNodeByPath(path)) return InsertItemNodeSorted(folder, title, image, data);
    if (path.project.empty()) return nullptr;
    return InsertAt(CreatePrjPathNodes(path), TVI_LAST, title, image, data);
}

HTREEITEM AddLinkNodeFromFile(std::u16string_view linkFile) {
    PrjPath path;
    std::u16string title;
    LONG isWeb = 0;
    if (!ParsePrjLinkName(linkFile, path.project, path.sub, path.subSub, title, isWeb)) return nullptr;
    return InsertLinkNode(title, linkFile, path, isWeb != 0);
}

int RemoveNodeItemFromPrj(HTREEITEM node, NodeFate fate) {
    if (!node) return 0;
    const LONG oid = static_cast<LONG>(GetTreeItemParam(node));
    const HTREEITEM parent = TreeParent(node);
    std::u16string project;
    if (TreeParent(parent) == g_PrjTree.projectsRoot) {
        project = NodeText(parent);
    } else {
        if (IsMonthNode(parent) || IsCompanyNode(parent) || IsTskGroupNode(parent) || IsCtsGroupNode(parent) ||
            IsApptGroupNode(parent))
            return 0;
        HTREEITEM top = parent;
        for (int step = 0; step < 2 && top && TreeParent(top) != g_PrjTree.projectsRoot; ++step)
            top = TreeParent(top);
        if (top && TreeParent(top) == g_PrjTree.projectsRoot) project = NodeText(top);
    }
    if (!project.empty()) {
        // Memory follows the store: a failed save leaves the item in the project there too.
        if (IsTaskNode(node)) {
            if (RemoveCatFromTsk(oid, project)) ForgetTskPrjInMemory(oid, project);
        } else if (IsCtsNode(node)) {
            if (RemoveCatFromCts(oid, project)) ForgetCtsPrjInMemory(oid, project);
        } else if (IsApptNode(node)) {
            RemoveCatFromAppt(oid, project);
        } else if (IsFileLinkNode(node) || IsWebLinkNode(node)) {
            // The link's node goes with its file: deleting it a second time below would touch a
            // node that no longer exists.
            DeletePrjLinkNode(node);
            return 1;
        }
    }
    if (fate != NodeFate::kDelete) return 0;
    DeleteNode(node);
    return 1;
}

void DeletePrjLinkNode(HTREEITEM node) {
    const PrjPath path = GetPrjNodePath(node);
    const std::u16string file =
        BuildPrjLinkName(NodeText(node), path.project, path.sub, path.subSub, IsWebLinkNode(node));
    DeleteFileW(file.c_str());
    DeleteNode(node);
}

void EnsurePrjLinksDir() {
    std::u16string dir = GetPrjLinksDir();
    if (!dir.empty()) dir.pop_back();
    if (GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    if (!CreateDirectoryW(dir.c_str(), nullptr)) MessageBoxW(nullptr, kLinksDirFailedText, u"", MB_OK);
}

std::u16string RemovePrjCatFromList(std::u16string_view list, std::u16string_view project) {
    std::u16string kept;
    ForEachCatEntry(list, [&](const std::u16string& entry) {
        PrjPath path;
        LONG isWeb = 0;
        const bool ofProject = IsPrjCat(entry) &&
                               ParsePrjCat(entry, path.project, path.sub, path.subSub, isWeb, PrjParseMode::kCategory) &&
                               TextEquals(path.project, project);
        if (!ofProject) {
            if (!kept.empty()) kept += u',';
            kept += entry;
        }
        return true;
    });
    return kept;
}

int AddPrjCatToList(std::u16string& list, const PrjPath& path) {
    const std::u16string category = BuildPrjCat(path.project, path.sub, path.subSub);
    if (list.empty()) {
        list = category;
        return 1;
    }
    bool same = false;
    bool found = false;
    ForEachCatEntry(list, [&](const std::u16string& entry) {
        PrjPath held;
        LONG isWeb = 0;
        if (!ParsePrjCat(entry, held.project, held.sub, held.subSub, isWeb, PrjParseMode::kCategory) ||
            !TextEquals(held.project, path.project))
            return true;
        found = true;
        same = TextEquals(held.sub, path.sub) && TextEquals(held.subSub, path.subSub);
        return false;
    });
    if (same) return 0;
    if (found) list = RemovePrjCatFromList(list, path.project);
    if (!list.empty() && list.back() != u',') list += u',';
    list += category;
    list += u',';
    return 1;
}

void PrjTreeTskSaved(LONG oid) {
    const TskRecord* task = FindTskRecord(oid);
    if (!task) return;
    const std::u16string label = TskNodeLabel(*task);
    const int image = TskNodeImage(*task);
    const std::u16string categories = JoinCommaList(*task);
    const HTREEITEM selected = GetSelectedPrjNode();
    const PrjPath path = IsTskGroupNode(selected) ? PrjPath{} : GetPrjNodePath(selected);
    if (path.project.empty()) {
        AddOutlookItemNode(GetTskGroupNode(), label, oid, image, categories, GroupPlace::kSorted);
        ShowTskGroup();
        return;
    }
    SetTskPrjCat(oid, path, true);
    if (g_PrjOptions.poomBelow)
        AddOutlookItemNode(GetTskGroupNode(), label, oid, image, categories, GroupPlace::kSorted);
    ExpandPrjNodeByPath(path);
}

void PrjTreeCtsSaved(LONG oid) {
    const CtsRecord* contact = FindCtsRecord(oid);
    if (!contact) return;
    const HTREEITEM selected = GetSelectedPrjNode();
    const PrjPath path = IsCtsGroupNode(selected) ? PrjPath{} : GetPrjNodePath(selected);
    const CtsRecord copy = *contact;
    if (path.project.empty()) {
        InsertCtsNodeSorted(GetCtsGroupNode(), copy.fileAs, oid, copy.company, JoinCategories(copy.categories),
                            GroupPlace::kAppend);
        ShowCtsGroup();
        return;
    }
    SetCtsPrjCat(oid, path, true);
    if (g_PrjOptions.poomBelow)
        InsertCtsNodeSorted(GetCtsGroupNode(), copy.fileAs, oid, copy.company, JoinCategories(copy.categories),
                            GroupPlace::kAppend);
    ExpandPrjNodeByPath(path);
}

void PrjTreeApptSaved(LONG oid) {
    PrjAppt appt;
    if (!ReadPrjAppt(oid, appt)) return;
    const HTREEITEM selected = GetSelectedPrjNode();
    const PrjPath path = IsApptGroupNode(selected) ? PrjPath{} : GetPrjNodePath(selected);
    const auto insertUnderMonth = [&] {
        if (const HTREEITEM month = FindMonthNode(appt.start.wYear, appt.start.wMonth))
            InsertAt(month, TVI_FIRST, appt.subject, Img(kPrjImgAppt), oid);
    };
    if (path.project.empty()) {
        insertUnderMonth();
        ShowApptGroup();
        return;
    }
    SetApptPrjCat(oid, path, true);
    if (g_PrjOptions.poomBelow) insertUnderMonth();
    ExpandPrjNodeByPath(path);
}
