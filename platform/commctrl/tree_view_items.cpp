// The tree view's nodes: inserting at the first, last, sorted or a given place, deleting subtrees,
// reading and changing fields, expanding and collapsing, selecting, and walking the tree.
#include <algorithm>

#include "commctrl/tree_view.h"
#include "platform/text.h"

namespace platform::commctrl {
namespace {

const std::vector<HTREEITEM> kNoChildren;

bool IsRoot(HTREEITEM item) { return item == nullptr || item == TVI_ROOT; }

void Describe(TreeView& tv, HTREEITEM item, TVITEMW& out) {
    out = TVITEMW{};
    TreeNode* node = Node(tv, item);
    if (!node) return;
    out.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    out.hItem = item;
    out.state = node->state;
    out.stateMask = 0xFFFFFFFFu;
    out.lParam = node->param;
    out.iImage = node->image;
    out.iSelectedImage = node->selectedImage;
}

LRESULT NotifyTree(TreeView& tv, UINT code, UINT action, HTREEITEM oldItem, HTREEITEM newItem) {
    NMTREEVIEWW nm{};
    nm.action = action;
    Describe(tv, oldItem, nm.itemOld);
    Describe(tv, newItem, nm.itemNew);
    return SendNotify(tv.hwnd, code, &nm.hdr);
}

std::vector<HTREEITEM>& SiblingsOf(TreeView& tv, HTREEITEM parent) {
    if (!parent) return tv.roots;
    return tv.nodes.at(parent).children;
}

bool IsAncestor(TreeView& tv, HTREEITEM ancestor, HTREEITEM item) {
    for (TreeNode* n = Node(tv, item); n && n->parent; n = Node(tv, n->parent))
        if (n->parent == ancestor) return true;
    return false;
}

// Removes a subtree, children first, telling the parent about each node.
void EraseSubtree(TreeView& tv, HTREEITEM item) {
    const std::vector<HTREEITEM> children = tv.nodes.at(item).children;
    for (const HTREEITEM child : children)
        if (Node(tv, child)) EraseSubtree(tv, child);
    NotifyTree(tv, TVN_DELETEITEMW, 0, item, nullptr);
    if (tv.dropTarget == item) tv.dropTarget = nullptr;
    if (tv.pressed == item) tv.pressed = nullptr;
    if (tv.selected == item) tv.selected = nullptr;
    tv.nodes.erase(item);
}

}  // namespace

TreeNode* Node(TreeView& tv, HTREEITEM item) {
    if (!item) return nullptr;
    const auto it = tv.nodes.find(item);
    return it == tv.nodes.end() ? nullptr : &it->second;
}

const std::vector<HTREEITEM>& ChildrenOf(TreeView& tv, HTREEITEM parent) {
    if (IsRoot(parent)) return tv.roots;
    const TreeNode* node = Node(tv, parent);
    return node ? node->children : kNoChildren;
}

bool HasChildren(TreeView& tv, HTREEITEM item) {
    const TreeNode* node = Node(tv, item);
    if (!node) return false;
    if (!node->children.empty()) return true;
    return node->childrenFlag == 1 || node->childrenFlag == I_CHILDRENCALLBACK;
}

HTREEITEM InsertNode(TreeView& tv, const TVINSERTSTRUCTW& insert) {
    const HTREEITEM parent = IsRoot(insert.hParent) ? nullptr : insert.hParent;
    if (parent && !Node(tv, parent)) return nullptr;
    TreeNode node;
    const TVITEMW& item = insert.item;
    if ((item.mask & TVIF_TEXT) && item.pszText && item.pszText != LPSTR_TEXTCALLBACKW) node.text = item.pszText;
    if (item.mask & TVIF_IMAGE) node.image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node.selectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM) node.param = item.lParam;
    if (item.mask & TVIF_CHILDREN) node.childrenFlag = item.cChildren;
    if (item.mask & TVIF_STATE) node.state = item.state & item.stateMask & ~TVIS_SELECTED;
    node.parent = parent;
    node.level = parent ? tv.nodes.at(parent).level + 1 : 0;

    std::vector<HTREEITEM>& siblings = SiblingsOf(tv, parent);
    std::size_t at = siblings.size();
    if (insert.hInsertAfter == TVI_FIRST) {
        at = 0;
    } else if (insert.hInsertAfter == TVI_SORT) {
        // After every sibling whose text is not greater, so equal texts keep their arrival order.
        const auto greater = std::find_if(siblings.begin(), siblings.end(), [&](HTREEITEM s) {
            return CompareNoCase(tv.nodes.at(s).text, node.text) > 0;
        });
        at = static_cast<std::size_t>(greater - siblings.begin());
    } else if (insert.hInsertAfter != TVI_LAST && insert.hInsertAfter) {
        const auto after = std::find(siblings.begin(), siblings.end(), insert.hInsertAfter);
        if (after != siblings.end()) at = static_cast<std::size_t>(after - siblings.begin()) + 1;
    }
    const auto handle = reinterpret_cast<HTREEITEM>(tv.nextHandle++);
    tv.nodes.emplace(handle, std::move(node));
    SiblingsOf(tv, parent).insert(SiblingsOf(tv, parent).begin() + static_cast<std::ptrdiff_t>(at), handle);
    InvalidateRows(tv);
    InvalidateTree(tv);
    return handle;
}

bool DeleteNode(TreeView& tv, HTREEITEM item) {
    if (IsRoot(item)) {
        const std::vector<HTREEITEM> roots = tv.roots;
        for (const HTREEITEM r : roots)
            if (Node(tv, r)) EraseSubtree(tv, r);
        tv.roots.clear();
        tv.top = 0;
        InvalidateRows(tv);
        InvalidateTree(tv);
        return true;
    }
    TreeNode* node = Node(tv, item);
    if (!node) return false;
    const HTREEITEM parent = node->parent;
    const bool selectionGoes = tv.selected == item || IsAncestor(tv, item, tv.selected);
    // The selection moves to the next sibling, else the previous one, else the parent.
    HTREEITEM successor = nullptr;
    if (selectionGoes) {
        successor = NextNode(tv, TVGN_NEXT, item);
        if (!successor) successor = NextNode(tv, TVGN_PREVIOUS, item);
        if (!successor) successor = parent;
    }
    EraseSubtree(tv, item);
    std::vector<HTREEITEM>& siblings = SiblingsOf(tv, parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    InvalidateRows(tv);
    tv.top = std::clamp(tv.top, 0, std::max(0, static_cast<int>(Rows(tv).size()) - 1));
    if (selectionGoes && successor && !tv.destroyed) SelectNode(tv, successor, TVC_UNKNOWN);
    InvalidateTree(tv);
    return true;
}

bool GetNode(TreeView& tv, TVITEMW& item) {
    const TreeNode* node = Node(tv, item.hItem);
    if (!node) return false;
    if (item.mask & TVIF_TEXT) CopyOut(node->text, item.pszText, item.cchTextMax);
    if (item.mask & TVIF_IMAGE) item.iImage = node->image;
    if (item.mask & TVIF_SELECTEDIMAGE) item.iSelectedImage = node->selectedImage;
    if (item.mask & TVIF_PARAM) item.lParam = node->param;
    if (item.mask & TVIF_STATE) item.state = node->state & item.stateMask;
    if (item.mask & TVIF_CHILDREN)
        item.cChildren = node->childrenFlag != kChildrenUnset ? node->childrenFlag : (node->children.empty() ? 0 : 1);
    return true;
}

bool SetNode(TreeView& tv, const TVITEMW& item) {
    TreeNode* node = Node(tv, item.hItem);
    if (!node) return false;
    if (item.mask & TVIF_TEXT) node->text = item.pszText && item.pszText != LPSTR_TEXTCALLBACKW ? item.pszText : u"";
    if (item.mask & TVIF_IMAGE) node->image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM) node->param = item.lParam;
    if (item.mask & TVIF_CHILDREN) node->childrenFlag = item.cChildren;
    if (item.mask & TVIF_STATE) {
        // Selection goes through TVM_SELECTITEM; the other bits are set as given.
        const UINT mask = item.stateMask & ~TVIS_SELECTED;
        const bool expandedBefore = node->state & TVIS_EXPANDED;
        node->state = (node->state & ~mask) | (item.state & mask);
        if (expandedBefore != bool(node->state & TVIS_EXPANDED)) InvalidateRows(tv);
    }
    InvalidateTree(tv);
    return true;
}

bool ExpandNode(TreeView& tv, HTREEITEM item, UINT code, bool byUser) {
    TreeNode* node = Node(tv, item);
    if (!node) return false;
    const bool expanded = node->state & TVIS_EXPANDED;
    UINT action = code & TVE_ACTIONMASK;
    if (action == TVE_TOGGLE) action = expanded ? TVE_COLLAPSE : TVE_EXPAND;
    if (action != TVE_EXPAND && action != TVE_COLLAPSE) return false;
    if (action == TVE_EXPAND && expanded) return true;
    if (action == TVE_COLLAPSE && !expanded && !(code & TVE_COLLAPSERESET)) return true;
    if (action == TVE_EXPAND && !HasChildren(tv, item)) return false;
    // A message expands silently once the node has been expanded before; the user always notifies.
    const bool notify = byUser || !(node->state & TVIS_EXPANDEDONCE) || action == TVE_COLLAPSE;
    if (notify && NotifyTree(tv, TVN_ITEMEXPANDINGW, action, nullptr, item)) return false;
    node = Node(tv, item);
    if (!node) return false;
    if (action == TVE_EXPAND) {
        node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    } else {
        node->state &= ~TVIS_EXPANDED;
        if (tv.selected && IsAncestor(tv, item, tv.selected)) SelectNode(tv, item, TVC_UNKNOWN);
        if (code & TVE_COLLAPSERESET) {
            const std::vector<HTREEITEM> children = ChildrenOf(tv, item);
            for (const HTREEITEM child : children) DeleteNode(tv, child);
            if (TreeNode* again = Node(tv, item)) again->state &= ~TVIS_EXPANDEDONCE;
        }
    }
    InvalidateRows(tv);
    const int rowCount = static_cast<int>(Rows(tv).size());
    tv.top = std::clamp(tv.top, 0, std::max(0, rowCount - std::max(1, TreeRowsPerPage(tv))));
    InvalidateTree(tv);
    if (notify && Node(tv, item)) NotifyTree(tv, TVN_ITEMEXPANDEDW, action, nullptr, item);
    return true;
}

bool SelectNode(TreeView& tv, HTREEITEM item, UINT action) {
    if (item && !Node(tv, item)) return false;
    if (item == tv.selected) {
        if (item) EnsureNodeVisible(tv, item);
        return true;
    }
    const HTREEITEM old = tv.selected;
    if (NotifyTree(tv, TVN_SELCHANGINGW, action, old, item)) return false;
    if (item && !Node(tv, item)) return false;
    if (TreeNode* o = Node(tv, old)) o->state &= ~TVIS_SELECTED;
    tv.selected = item;
    if (TreeNode* n = Node(tv, item)) n->state |= TVIS_SELECTED;
    if (item) EnsureNodeVisible(tv, item);
    InvalidateNode(tv, old);
    InvalidateNode(tv, item);
    NotifyTree(tv, TVN_SELCHANGEDW, action, Node(tv, old) ? old : nullptr, item);
    return true;
}

HTREEITEM NextNode(TreeView& tv, UINT code, HTREEITEM item) {
    switch (code) {
    case TVGN_ROOT: return tv.roots.empty() ? nullptr : tv.roots.front();
    case TVGN_CARET: return tv.selected;
    case TVGN_DROPHILITE: return tv.dropTarget;
    case TVGN_FIRSTVISIBLE: {
        const auto& rows = Rows(tv);
        return tv.top < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(tv.top)] : nullptr;
    }
    case TVGN_LASTVISIBLE: return Rows(tv).empty() ? nullptr : Rows(tv).back();
    case TVGN_CHILD: {
        const auto& children = ChildrenOf(tv, item);
        return children.empty() ? nullptr : children.front();
    }
    default: break;
    }
    const TreeNode* node = Node(tv, item);
    if (!node) return nullptr;
    switch (code) {
    case TVGN_PARENT: return node->parent;
    case TVGN_NEXT:
    case TVGN_PREVIOUS: {
        const auto& siblings = ChildrenOf(tv, node->parent);
        const auto it = std::find(siblings.begin(), siblings.end(), item);
        if (it == siblings.end()) return nullptr;
        if (code == TVGN_NEXT) return it + 1 == siblings.end() ? nullptr : *(it + 1);
        return it == siblings.begin() ? nullptr : *(it - 1);
    }
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
        const int row = RowOf(tv, item);
        if (row < 0) return nullptr;
        const int next = code == TVGN_NEXTVISIBLE ? row + 1 : row - 1;
        const auto& rows = Rows(tv);
        return next >= 0 && next < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(next)] : nullptr;
    }
    default: return nullptr;
    }
}

bool SortChildren(TreeView& tv, HTREEITEM parent, bool recurse) {
    if (!IsRoot(parent) && !Node(tv, parent)) return false;
    std::vector<HTREEITEM>& children = SiblingsOf(tv, IsRoot(parent) ? nullptr : parent);
    std::stable_sort(children.begin(), children.end(),
                     [&](HTREEITEM a, HTREEITEM b) { return CompareNoCase(tv.nodes.at(a).text, tv.nodes.at(b).text) < 0; });
    if (recurse)
        for (const HTREEITEM child : std::vector<HTREEITEM>(children)) SortChildren(tv, child, true);
    InvalidateRows(tv);
    InvalidateTree(tv);
    return true;
}

}  // namespace platform::commctrl
