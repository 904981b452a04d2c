// The tree view's keys and stylus: moving the selection, opening and closing nodes, and the
// notifications TVN_KEYDOWN, NM_RETURN, NM_CLICK, NM_DBLCLK and TVN_BEGINDRAG.
#include <algorithm>
#include <cstdlib>

#include "commctrl/tree_view.h"

namespace platform::commctrl {
namespace {

constexpr int kDragDistance = 4;

HTREEITEM RowAt(TreeView& tv, int row) {
    const auto& rows = Rows(tv);
    if (rows.empty()) return nullptr;
    return rows[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(rows.size()) - 1))];
}

void Select(TreeView& tv, HTREEITEM item) {
    if (item) SelectNode(tv, item, TVC_BYKEYBOARD);
}

}  // namespace

LRESULT TreeKeyDown(TreeView& tv, WPARAM key) {
    NMTVKEYDOWN nm{};
    nm.wVKey = static_cast<WORD>(key);
    SendNotify(tv.hwnd, TVN_KEYDOWN, &nm.hdr);
    if (tv.destroyed) return 0;
    const HTREEITEM current = tv.selected;
    const int row = current ? RowOf(tv, current) : -1;
    const int page = std::max(1, TreeRowsPerPage(tv) - 1);
    switch (key) {
    case VK_RETURN: SendSimpleNotify(tv.hwnd, NM_RETURN); return 0;
    case VK_UP: Select(tv, row < 0 ? RowAt(tv, 0) : RowAt(tv, row - 1)); return 0;
    case VK_DOWN: Select(tv, row < 0 ? RowAt(tv, 0) : RowAt(tv, row + 1)); return 0;
    case VK_HOME: Select(tv, RowAt(tv, 0)); return 0;
    case VK_END: Select(tv, RowAt(tv, static_cast<int>(Rows(tv).size()) - 1)); return 0;
    case VK_PRIOR: Select(tv, RowAt(tv, row - page)); return 0;
    case VK_NEXT: Select(tv, RowAt(tv, row < 0 ? page : row + page)); return 0;
    case VK_ADD: if (current) ExpandNode(tv, current, TVE_EXPAND, true); return 0;
    case VK_SUBTRACT: if (current) ExpandNode(tv, current, TVE_COLLAPSE, true); return 0;
    case VK_LEFT:
        if (!current) return 0;
        if (tv.nodes.at(current).state & TVIS_EXPANDED) ExpandNode(tv, current, TVE_COLLAPSE, true);
        else Select(tv, tv.nodes.at(current).parent);
        return 0;
    case VK_RIGHT:
        if (!current || !HasChildren(tv, current)) return 0;
        if (!(tv.nodes.at(current).state & TVIS_EXPANDED)) ExpandNode(tv, current, TVE_EXPAND, true);
        else Select(tv, NextNode(tv, TVGN_CHILD, current));
        return 0;
    default: return 0;
    }
}

LRESULT TreeChar(TreeView& tv, WCHAR c) {
    const auto& rows = Rows(tv);
    if (!tv.typed.Add(c) || rows.empty()) return 0;
    const int count = static_cast<int>(rows.size());
    const int from = tv.selected ? RowOf(tv, tv.selected) : -1;
    const int start = (tv.typed.Prefix().size() == 1 || tv.typed.Repeating()) ? from + 1 : std::max(from, 0);
    for (int n = 0; n < count; ++n) {
        const HTREEITEM item = rows[static_cast<std::size_t>((start + n) % count)];
        if (tv.typed.Matches(tv.nodes.at(item).text)) {
            Select(tv, item);
            return 0;
        }
    }
    return 0;
}

LRESULT TreeButtonDown(TreeView& tv, POINT point, bool doubleClick) {
    if (GetFocus() != tv.hwnd) SetFocus(tv.hwnd);
    if (tv.destroyed) return 0;
    TVHITTESTINFO hit{};
    hit.pt = point;
    const HTREEITEM item = TreeHitTest(tv, hit);
    tv.pressed = nullptr;
    tv.dragSent = false;
    if (!item) {
        if (doubleClick) SendSimpleNotify(tv.hwnd, NM_DBLCLK);
        return 0;
    }
    const bool fullRow = GetWindowLongW(tv.hwnd, GWL_STYLE) & TVS_FULLROWSELECT;
    if (hit.flags & TVHT_ONITEMBUTTON) {
        ExpandNode(tv, item, TVE_TOGGLE, true);
        return 0;
    }
    if (!(hit.flags & TVHT_ONITEM) && !fullRow) return 0;
    SelectNode(tv, item, TVC_BYMOUSE);
    if (tv.destroyed) return 0;
    tv.pressed = item;
    tv.pressPoint = point;
    if (doubleClick) {
        // The parent may take the double tap; otherwise it opens or closes the node.
        if (!SendSimpleNotify(tv.hwnd, NM_DBLCLK) && !tv.destroyed && Node(tv, item))
            ExpandNode(tv, item, TVE_TOGGLE, true);
        tv.pressed = nullptr;
    }
    return 0;
}

LRESULT TreeButtonUp(TreeView& tv, POINT) {
    if (!tv.pressed) return 0;
    tv.pressed = nullptr;
    if (!tv.dragSent) SendSimpleNotify(tv.hwnd, NM_CLICK);
    return 0;
}

LRESULT TreeMouseMove(TreeView& tv, POINT point, WPARAM keys) {
    if (!tv.pressed || tv.dragSent || !(keys & 0x0001 /* MK_LBUTTON */)) return 0;
    if (GetWindowLongW(tv.hwnd, GWL_STYLE) & TVS_DISABLEDRAGDROP) return 0;
    if (std::abs(point.x - tv.pressPoint.x) <= kDragDistance && std::abs(point.y - tv.pressPoint.y) <= kDragDistance)
        return 0;
    tv.dragSent = true;
    NMTREEVIEWW nm{};
    nm.action = TVC_BYMOUSE;
    nm.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    nm.itemNew.hItem = tv.pressed;
    nm.itemNew.lParam = tv.nodes.at(tv.pressed).param;
    nm.itemNew.state = tv.nodes.at(tv.pressed).state;
    nm.ptDrag = tv.pressPoint;
    SendNotify(tv.hwnd, TVN_BEGINDRAGW, &nm.hdr);
    return 0;
}

LRESULT TreeVScroll(TreeView& tv, WORD request, int position) {
    const int page = std::max(1, TreeRowsPerPage(tv));
    switch (request) {
    case kLineUp: TreeScrollTo(tv, tv.top - 1); break;
    case kLineDown: TreeScrollTo(tv, tv.top + 1); break;
    case kPageUp: TreeScrollTo(tv, tv.top - page); break;
    case kPageDown: TreeScrollTo(tv, tv.top + page); break;
    case kThumbPosition:
    case kThumbTrack: TreeScrollTo(tv, position); break;
    case kTop: TreeScrollTo(tv, 0); break;
    case kBottom: TreeScrollTo(tv, static_cast<int>(Rows(tv).size())); break;
    default: break;
    }
    return 0;
}

}  // namespace platform::commctrl
