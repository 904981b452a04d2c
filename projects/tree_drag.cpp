// The project tree's window procedure: a tap on an item may become the tree's tap-and-hold menu or
// the start of a drag; an item dragged onto a project folder is moved there by the project tree.
// Drag states: idle (dragging 0) -> dragging (image shown, pen captured) -> idle on pen-up.
#include "projects/tree_drag.h"

#include "platform/commctrl.h"
#include "platform/user.h"
#include "projects/prj_view.h"
#include "ui/list_subclass.h"
#include "ui/subclass.h"

namespace {

struct TreeDragState {
    bool dragging = false;
    HTREEITEM dragged = nullptr;
    HTREEITEM target = nullptr;
    HIMAGELIST image = nullptr;  // made by the tree for this drag, destroyed when it ends
};
TreeDragState g_TreeDrag;

HTREEITEM ItemAt(HWND tree, POINT point, UINT* flags = nullptr) {
    TVHITTESTINFO info{};
    info.pt = point;
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags) *flags = info.flags;
    return item;
}

HTREEITEM ParentOf(HWND tree, HTREEITEM item) {
    if (!item) return nullptr;
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

void DropHighlight(HWND tree, HTREEITEM item) {
    SendMessageW(tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
}

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

int TreeTapOnItem(HWND tree, POINT point) {
    UINT flags = 0;
    const HTREEITEM item = ItemAt(tree, point, &flags);
    if (!item || !(flags & TVHT_ONITEM)) return 0;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return 1;
}

void TreeDragBegin(HWND tree, POINT point) {
    const HTREEITEM item = ItemAt(tree, point);
    // Only items at least two levels below a root move, and never the folders themselves.
    const HTREEITEM parent = ParentOf(tree, item);
    if (!item || !parent || !ParentOf(tree, parent) || IsFolderNode(item)) return;
    g_TreeDrag.target = nullptr;
    g_TreeDrag.dragged = item;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    const auto image =
        reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item)));
    if (!image) return;
    g_TreeDrag.image = image;
    g_TreeDrag.dragging = true;
    ImageList_BeginDrag(image, 0, 0, 0);
    ImageList_DragEnter(tree, point.x, point.y);
    SetCapture(tree);
}

void TreeDragMove(HWND tree, POINT point) {
    if (!g_TreeDrag.dragging) return;
    ImageList_DragMove(point.x, point.y);
    const HTREEITEM item = ItemAt(tree, point);
    if (!item) {
        DropHighlight(tree, nullptr);
        return;
    }
    ImageList_DragShowNolock(FALSE);
    g_TreeDrag.target = item;
    DropHighlight(tree, IsFolderNode(item) ? item : nullptr);
    ImageList_DragShowNolock(TRUE);
}

void TreeDragEnd(HWND tree, POINT point) {
    if (!g_TreeDrag.dragging) return;
    g_TreeDrag.dragging = false;
    ImageList_DragLeave(tree);
    ImageList_EndDrag();
    if (g_TreeDrag.image) ImageList_Destroy(g_TreeDrag.image);
    g_TreeDrag.image = nullptr;
    ReleaseCapture();
    DropHighlight(tree, nullptr);
    const HTREEITEM target = g_TreeDrag.target;
    const HTREEITEM dragged = g_TreeDrag.dragged;
    if (!target || target == dragged || !ItemAt(tree, point) || !ParentOf(tree, target)) return;
    // An item dropped on its own project stays where it is.
    if (ParentOf(tree, dragged) == target) return;
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(target));
    PrjTreeDrop(dragged, target);
}

LRESULT CALLBACK TreeDragProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        if (TreeTapOnItem(window, PointOf(lParam))) {
            if (PrjTreeTapHold(window, PointOf(lParam))) return 1;
            TreeDragBegin(window, PointOf(lParam));
        }
        return CallPrevWndProc(window, message, wParam, lParam);
    case WM_MOUSEMOVE: TreeDragMove(window, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: TreeDragEnd(window, PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: ViewPrjItem(); return 0;
    default: return CallPrevWndProc(window, message, wParam, lParam);
    }
}
HRESULT SubclassTreeDrag(HWND window) { return InstallSubclass(window, TreeDragProc); }
