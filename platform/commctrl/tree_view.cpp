// The tree view's window procedure: a switch over the messages, each handed to a small routine.
#include <cstring>

#include "commctrl/controls.h"
#include "commctrl/paint_support.h"
#include "commctrl/tree_view.h"

namespace platform::commctrl {
namespace {

template <class T>
T* Ptr(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

LRESULT OnGetItemRect(TreeView& tv, bool textOnly, RECT* rect) {
    if (!rect) return FALSE;
    HTREEITEM item = nullptr;
    std::memcpy(&item, rect, sizeof(item));  // the node comes in the record's first bytes
    return NodeRect(tv, item, textOnly, *rect) ? TRUE : FALSE;
}

LRESULT OnSelectItem(TreeView& tv, UINT code, HTREEITEM item) {
    if (item && !Node(tv, item)) return FALSE;
    switch (code) {
    case TVGN_CARET: return SelectNode(tv, item, TVC_UNKNOWN);
    case TVGN_DROPHILITE: {
        if (TreeNode* old = Node(tv, tv.dropTarget)) old->state &= ~TVIS_DROPHILITED;
        InvalidateNode(tv, tv.dropTarget);
        tv.dropTarget = item;
        if (TreeNode* n = Node(tv, item)) n->state |= TVIS_DROPHILITED;
        InvalidateNode(tv, item);
        return TRUE;
    }
    case TVGN_FIRSTVISIBLE:
        if (!item || !EnsureNodeVisible(tv, item)) return FALSE;
        TreeScrollTo(tv, RowOf(tv, item));
        return TRUE;
    default: return FALSE;
    }
}

LRESULT OnSetImageList(TreeView& tv, WPARAM which, HIMAGELIST list) {
    HIMAGELIST* slot = which == TVSIL_NORMAL ? &tv.images : which == TVSIL_STATE ? &tv.stateImages : nullptr;
    if (!slot) return 0;
    HIMAGELIST previous = *slot;
    *slot = list;
    InvalidateTree(tv);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnFocus(TreeView& tv, bool gained) {
    tv.hasFocus = gained;
    InvalidateNode(tv, tv.selected);
    SendSimpleNotify(tv.hwnd, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    return 0;
}

LRESULT OnSetRedraw(TreeView& tv, bool on) {
    tv.redraw = on;
    if (on) InvalidateTree(tv);
    return 0;
}

LRESULT OnSetItemHeight(TreeView& tv, int height) {
    const int previous = TreeRowHeight(tv);
    tv.itemHeight = height > 0 ? height : 0;
    InvalidateTree(tv);
    return previous;
}

// As the list view: the erase paints the background, the paint only the rows.
LRESULT OnEraseBackground(TreeView& tv, HDC dc) {
    if (!dc) return 0;
    RECT rc{};
    GetClientRect(tv.hwnd, &rc);
    FillSolid(dc, rc, OrDefault(tv.background, kWindowColour));
    return 1;
}

LRESULT OnPaint(TreeView& tv) {
    PaintScope paint(tv.hwnd);
    if (paint.Dc()) PaintTree(tv, paint.Dc(), paint.Area());
    return 0;
}

LRESULT OnPrintClient(TreeView& tv, HDC dc) {
    RECT rc{};
    GetClientRect(tv.hwnd, &rc);
    if (dc) PaintTree(tv, dc, rc);
    return 0;
}

LRESULT Dispatch(TreeView& tv, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto item = reinterpret_cast<HTREEITEM>(lParam);
    switch (message) {
    case TVM_INSERTITEMW: return Ptr<TVINSERTSTRUCTW>(lParam) ? reinterpret_cast<LRESULT>(InsertNode(tv, *Ptr<TVINSERTSTRUCTW>(lParam))) : 0;
    case TVM_DELETEITEM: return DeleteNode(tv, item);
    case TVM_GETITEMW: return Ptr<TVITEMW>(lParam) && GetNode(tv, *Ptr<TVITEMW>(lParam));
    case TVM_SETITEMW: return Ptr<TVITEMW>(lParam) && SetNode(tv, *Ptr<TVITEMW>(lParam));
    case TVM_EXPAND: return ExpandNode(tv, item, static_cast<UINT>(wParam), false);
    case TVM_GETNEXTITEM: return reinterpret_cast<LRESULT>(NextNode(tv, static_cast<UINT>(wParam), item));
    case TVM_SELECTITEM: return OnSelectItem(tv, static_cast<UINT>(wParam), item);
    case TVM_GETITEMSTATE: {
        const TreeNode* node = Node(tv, reinterpret_cast<HTREEITEM>(wParam));
        return node ? static_cast<LRESULT>(node->state & static_cast<UINT>(lParam)) : 0;
    }
    case TVM_GETCOUNT: return static_cast<LRESULT>(tv.nodes.size());
    case TVM_GETVISIBLECOUNT: return TreeRowsPerPage(tv);
    case TVM_GETITEMRECT: return OnGetItemRect(tv, wParam != 0, Ptr<RECT>(lParam));
    case TVM_HITTEST: return Ptr<TVHITTESTINFO>(lParam) ? reinterpret_cast<LRESULT>(TreeHitTest(tv, *Ptr<TVHITTESTINFO>(lParam))) : 0;
    case TVM_ENSUREVISIBLE: return EnsureNodeVisible(tv, item);
    case TVM_SORTCHILDREN: return SortChildren(tv, item, wParam != 0);
    case TVM_CREATEDRAGIMAGE: return reinterpret_cast<LRESULT>(TreeDragImage(tv, item));
    case TVM_SETIMAGELIST: return OnSetImageList(tv, wParam, reinterpret_cast<HIMAGELIST>(lParam));
    case TVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wParam == TVSIL_NORMAL ? tv.images : wParam == TVSIL_STATE ? tv.stateImages : nullptr);
    case TVM_GETINDENT: return TreeIndent(tv);
    case TVM_SETINDENT: tv.indent = static_cast<int>(wParam); InvalidateTree(tv); return 0;
    case TVM_GETITEMHEIGHT: return TreeRowHeight(tv);
    case TVM_SETITEMHEIGHT: return OnSetItemHeight(tv, static_cast<SHORT>(LOWORD(wParam)));
    case TVM_GETBKCOLOR: return static_cast<LRESULT>(tv.background == CLR_DEFAULT ? 0xFFFFFFFFu : tv.background);
    case TVM_SETBKCOLOR: {
        const COLORREF previous = tv.background;
        tv.background = static_cast<COLORREF>(lParam);
        InvalidateTree(tv);
        return static_cast<LRESULT>(previous == CLR_DEFAULT ? 0xFFFFFFFFu : previous);
    }
    case TVM_GETTEXTCOLOR: return static_cast<LRESULT>(tv.textColour == CLR_DEFAULT ? 0xFFFFFFFFu : tv.textColour);
    case TVM_SETTEXTCOLOR: {
        const COLORREF previous = tv.textColour;
        tv.textColour = static_cast<COLORREF>(lParam);
        InvalidateTree(tv);
        return static_cast<LRESULT>(previous == CLR_DEFAULT ? 0xFFFFFFFFu : previous);
    }
    case WM_SETREDRAW: return OnSetRedraw(tv, wParam != 0);
    case WM_SIZE: TreeScrollTo(tv, tv.top); InvalidateTree(tv); return 0;
    case WM_SETFONT:
        tv.font = reinterpret_cast<HFONT>(wParam);
        tv.lineHeight = 0;
        if (lParam) InvalidateTree(tv);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(tv.font);
    case WM_SETFOCUS: return OnFocus(tv, true);
    case WM_KILLFOCUS: return OnFocus(tv, false);
    case WM_GETDLGCODE: return kDlgWantArrows | kDlgWantChars;
    case WM_KEYDOWN: return TreeKeyDown(tv, wParam);
    case WM_CHAR: return TreeChar(tv, static_cast<WCHAR>(wParam));
    case WM_LBUTTONDOWN: return TreeButtonDown(tv, PointFromLParam(lParam), false);
    case WM_LBUTTONDBLCLK: return TreeButtonDown(tv, PointFromLParam(lParam), true);
    case WM_LBUTTONUP: return TreeButtonUp(tv, PointFromLParam(lParam));
    case WM_MOUSEMOVE: return TreeMouseMove(tv, PointFromLParam(lParam), wParam);
    case WM_VSCROLL: return TreeVScroll(tv, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
    case WM_ERASEBKGND: return OnEraseBackground(tv, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return OnPaint(tv);
    case WM_PRINTCLIENT: return OnPrintClient(tv, reinterpret_cast<HDC>(wParam));
    default: return DefWindowProcW(tv.hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK TreeViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc<TreeView, Dispatch>(hwnd, message, wParam, lParam);
}

}  // namespace platform::commctrl
