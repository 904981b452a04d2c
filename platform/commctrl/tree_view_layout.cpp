// Where the tree view's nodes are: one row per shown node, indented by level, with the button, the
// icon and the label side by side; hit tests, scrolling and repainting.
#include <algorithm>

#include "commctrl/paint_support.h"
#include "commctrl/tree_view.h"
#include "user/system_metrics.h"

namespace platform::commctrl {
namespace {

constexpr int kMinIndent96 = 16;
// The default GUI font's height and the +/- button's half side at 96 dots per inch.
constexpr int kDefaultFontHeight96 = 12;
constexpr int kButtonHalf96 = 4;
constexpr int kIconGap = 3;
constexpr int kRowPadding = 3;

void AddShown(TreeView& tv, const std::vector<HTREEITEM>& level) {
    for (const HTREEITEM item : level) {
        tv.rows.push_back(item);
        const TreeNode& node = tv.nodes.at(item);
        if (node.state & TVIS_EXPANDED) AddShown(tv, node.children);
    }
}

SIZE ImageSize(HIMAGELIST list) {
    int cx = 0, cy = 0;
    if (list) ImageList_GetIconSize(list, &cx, &cy);
    return SIZE{cx, cy};
}

bool HasRootLines(const TreeView& tv) {
    return GetWindowLongW(tv.hwnd, GWL_STYLE) & (TVS_LINESATROOT);
}

// The left edge of a node's icon at its level, before scrolling.
int ContentLeft(TreeView& tv, const TreeNode& node) {
    return (node.level + (HasRootLines(tv) ? 1 : 0)) * TreeIndent(tv);
}

}  // namespace

const std::vector<HTREEITEM>& Rows(TreeView& tv) {
    if (!tv.rowsValid) {
        tv.rows.clear();
        AddShown(tv, tv.roots);
        tv.rowsValid = true;
    }
    return tv.rows;
}

void InvalidateRows(TreeView& tv) { tv.rowsValid = false; }

int RowOf(TreeView& tv, HTREEITEM item) {
    const auto& rows = Rows(tv);
    const auto it = std::find(rows.begin(), rows.end(), item);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int TreeRowHeight(TreeView& tv) {
    if (tv.itemHeight > 0) return tv.itemHeight;
    if (tv.lineHeight <= 0) tv.lineHeight = std::max(1, TextHeight(tv.hwnd, TreeFont(tv)));
    return std::max(tv.lineHeight + kRowPadding, static_cast<int>(ImageSize(tv.images).cy) + 1);
}

HFONT TreeFont(TreeView& tv) {
    if (tv.font) return tv.font;
    if (ScaleToScreen(kDefaultFontHeight96) == kDefaultFontHeight96) return nullptr;
    if (!tv.screenFont.Get()) {
        LOGFONTW lf{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfHeight = -ScaleToScreen(kDefaultFontHeight96);
        tv.screenFont.Reset(CreateFontIndirectW(&lf));
    }
    return tv.screenFont.Get();
}

int TreeButtonHalf() { return ScaleToScreen(kButtonHalf96); }

int TreeIndent(TreeView& tv) {
    if (tv.indent > 0) return tv.indent;
    return std::max(ScaleToScreen(kMinIndent96), static_cast<int>(ImageSize(tv.images).cx) + kIconGap);
}

int TreeRowsPerPage(TreeView& tv) {
    RECT rc{};
    GetClientRect(tv.hwnd, &rc);
    return std::max(0, static_cast<int>(rc.bottom) / TreeRowHeight(tv));
}

bool NodeRect(TreeView& tv, HTREEITEM item, bool textOnly, RECT& out) {
    const TreeNode* node = Node(tv, item);
    const int row = RowOf(tv, item);
    if (!node || row < 0) return false;
    const int h = TreeRowHeight(tv);
    const LONG top = (row - tv.top) * h;
    if (!textOnly) {
        RECT rc{};
        GetClientRect(tv.hwnd, &rc);
        out = RECT{0, top, rc.right, top + h};
        return true;
    }
    const LONG iconLeft = ContentLeft(tv, *node) - tv.scrollX;
    const LONG labelLeft = iconLeft + (tv.images ? ImageSize(tv.images).cx + kIconGap : 0);
    out = RECT{labelLeft, top, labelLeft + TextWidth(tv.hwnd, TreeFont(tv), node->text) + 2 * kTextMargin, top + h};
    return true;
}

HTREEITEM TreeHitTest(TreeView& tv, TVHITTESTINFO& info) {
    info.hItem = nullptr;
    RECT rc{};
    GetClientRect(tv.hwnd, &rc);
    const POINT pt = info.pt;
    info.flags = 0;
    if (pt.y < 0) info.flags |= TVHT_ABOVE;
    if (pt.y >= rc.bottom) info.flags |= TVHT_BELOW;
    if (pt.x < 0) info.flags |= TVHT_TOLEFT;
    if (pt.x >= rc.right) info.flags |= TVHT_TORIGHT;
    if (info.flags) return nullptr;
    const int row = tv.top + pt.y / TreeRowHeight(tv);
    const auto& rows = Rows(tv);
    if (row < 0 || row >= static_cast<int>(rows.size())) {
        info.flags = TVHT_NOWHERE;
        return nullptr;
    }
    const HTREEITEM item = rows[static_cast<std::size_t>(row)];
    const TreeNode& node = tv.nodes.at(item);
    const LONG iconLeft = ContentLeft(tv, node) - tv.scrollX;
    const LONG iconRight = iconLeft + (tv.images ? ImageSize(tv.images).cx + kIconGap : 0);
    RECT label{};
    NodeRect(tv, item, true, label);
    const bool buttons = GetWindowLongW(tv.hwnd, GWL_STYLE) & TVS_HASBUTTONS;
    const bool buttonColumn = node.level > 0 || HasRootLines(tv);
    if (pt.x < iconLeft) {
        info.flags = buttons && buttonColumn && pt.x >= iconLeft - TreeIndent(tv) && HasChildren(tv, item)
                         ? TVHT_ONITEMBUTTON
                         : TVHT_ONITEMINDENT;
    } else if (pt.x < iconRight) {
        info.flags = TVHT_ONITEMICON;
    } else if (pt.x < label.right) {
        info.flags = TVHT_ONITEMLABEL;
    } else {
        info.flags = TVHT_ONITEMRIGHT;
    }
    info.hItem = item;
    return item;
}

void TreeScrollTo(TreeView& tv, int top) {
    const int count = static_cast<int>(Rows(tv).size());
    const int maxTop = std::max(0, count - std::max(1, TreeRowsPerPage(tv)));
    top = std::clamp(top, 0, maxTop);
    if (top == tv.top) return;
    tv.top = top;
    InvalidateTree(tv);
}

bool EnsureNodeVisible(TreeView& tv, HTREEITEM item) {
    const TreeNode* node = Node(tv, item);
    if (!node) return false;
    std::vector<HTREEITEM> ancestors;
    for (HTREEITEM p = node->parent; p; p = tv.nodes.at(p).parent) ancestors.push_back(p);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        if (Node(tv, *it) && !(tv.nodes.at(*it).state & TVIS_EXPANDED)) ExpandNode(tv, *it, TVE_EXPAND, false);
    const int row = RowOf(tv, item);
    if (row < 0) return false;
    const int perPage = std::max(1, TreeRowsPerPage(tv));
    if (row < tv.top) TreeScrollTo(tv, row);
    else if (row >= tv.top + perPage) TreeScrollTo(tv, row - perPage + 1);
    return true;
}

void InvalidateNode(TreeView& tv, HTREEITEM item) {
    RECT rc{};
    if (tv.redraw && NodeRect(tv, item, false, rc)) InvalidateRect(tv.hwnd, &rc, TRUE);
}

void InvalidateTree(TreeView& tv) {
    if (!tv.redraw) return;
    SyncVerticalBar(tv.hwnd, static_cast<int>(Rows(tv).size()) - 1, TreeRowsPerPage(tv), tv.top);
    InvalidateRect(tv.hwnd, nullptr, TRUE);
}

}  // namespace platform::commctrl
