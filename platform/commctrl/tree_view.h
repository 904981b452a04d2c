// The tree view's state and the routines its window procedure is built from: the nodes and their
// order, expansion and selection with their notifications, the rows that are shown, and the input.
//
// Invariants:
//  1. A handle is a number never given twice; `nodes` holds exactly the live ones, so a stale handle
//     is found missing instead of reaching freed memory.
//  2. `rows` is the shown order (every node whose ancestors are all expanded) whenever `rowsValid`.
//  3. `selected` and `dropTarget` are null or live nodes.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "commctrl/control_common.h"
#include "platform/gdi.h"
#include "commctrl/type_ahead.h"

namespace platform::commctrl {

constexpr int kChildrenUnset = -2;

struct TreeNode {
    std::u16string text;
    int image = 0;
    int selectedImage = 0;
    int childrenFlag = kChildrenUnset;  // what TVIF_CHILDREN set: 0, 1 or I_CHILDRENCALLBACK
    LPARAM param = 0;
    UINT state = 0;
    HTREEITEM parent = nullptr;  // null for a node at the root
    std::vector<HTREEITEM> children;
    int level = 0;
};

// A font the tree made for itself, deleted with it.
class OwnFont {
public:
    OwnFont() = default;
    ~OwnFont() { Reset(nullptr); }
    OwnFont(const OwnFont&) = delete;
    OwnFont& operator=(const OwnFont&) = delete;
    HFONT Get() const { return font_; }
    void Reset(HFONT font) {
        if (font_) DeleteObject(font_);
        font_ = font;
    }

private:
    HFONT font_ = nullptr;
};

struct TreeView : ControlLife {
    std::unordered_map<HTREEITEM, TreeNode> nodes;
    std::vector<HTREEITEM> roots;
    ULONG_PTR nextHandle = 1;
    HTREEITEM selected = nullptr;
    HTREEITEM dropTarget = nullptr;
    std::vector<HTREEITEM> rows;
    bool rowsValid = false;
    int top = 0;      // first shown row
    int scrollX = 0;  // pixels
    HIMAGELIST images = nullptr;
    HIMAGELIST stateImages = nullptr;
    int indent = 0;      // 0 for the default
    int itemHeight = 0;  // 0 for the default
    int lineHeight = 0;  // of the font's text; 0 until measured
    bool redraw = true;
    bool hasFocus = false;
    HTREEITEM pressed = nullptr;
    POINT pressPoint{};
    bool dragSent = false;
    COLORREF background = CLR_DEFAULT;
    COLORREF textColour = CLR_DEFAULT;
    HFONT font = nullptr;     // WM_SETFONT's
    OwnFont screenFont;       // the default font at the screen's dots per inch, while none is set
    TypeAhead typed;
};

// Nodes (tree_view_items.cpp).
TreeNode* Node(TreeView& tv, HTREEITEM item);
HTREEITEM InsertNode(TreeView& tv, const TVINSERTSTRUCTW& insert);
bool DeleteNode(TreeView& tv, HTREEITEM item);
bool GetNode(TreeView& tv, TVITEMW& item);
bool SetNode(TreeView& tv, const TVITEMW& item);
const std::vector<HTREEITEM>& ChildrenOf(TreeView& tv, HTREEITEM parent);
bool HasChildren(TreeView& tv, HTREEITEM item);
// Expands, collapses or toggles; `byUser` always notifies, a message notifies only the first time.
bool ExpandNode(TreeView& tv, HTREEITEM item, UINT code, bool byUser);
// Moves the selection with TVN_SELCHANGING/TVN_SELCHANGED; false when the parent refused.
bool SelectNode(TreeView& tv, HTREEITEM item, UINT action);
HTREEITEM NextNode(TreeView& tv, UINT code, HTREEITEM item);
bool SortChildren(TreeView& tv, HTREEITEM parent, bool recurse);

// Shown rows (tree_view_layout.cpp).
const std::vector<HTREEITEM>& Rows(TreeView& tv);
void InvalidateRows(TreeView& tv);
int RowOf(TreeView& tv, HTREEITEM item);  // -1 when not shown
int TreeRowHeight(TreeView& tv);
int TreeIndent(TreeView& tv);
// The font the labels are drawn and measured in: WM_SETFONT's, else the default font scaled to the
// screen as the device's own controls are.
HFONT TreeFont(TreeView& tv);
// Half the side of the +/- button, scaled to the screen.
int TreeButtonHalf();
int TreeRowsPerPage(TreeView& tv);
bool NodeRect(TreeView& tv, HTREEITEM item, bool textOnly, RECT& out);
HTREEITEM TreeHitTest(TreeView& tv, TVHITTESTINFO& info);
bool EnsureNodeVisible(TreeView& tv, HTREEITEM item);
void TreeScrollTo(TreeView& tv, int top);
void InvalidateNode(TreeView& tv, HTREEITEM item);
void InvalidateTree(TreeView& tv);

// Input (tree_view_input.cpp).
LRESULT TreeKeyDown(TreeView& tv, WPARAM key);
LRESULT TreeChar(TreeView& tv, WCHAR c);
LRESULT TreeButtonDown(TreeView& tv, POINT point, bool doubleClick);
LRESULT TreeButtonUp(TreeView& tv, POINT point);
LRESULT TreeMouseMove(TreeView& tv, POINT point, WPARAM keys);
LRESULT TreeVScroll(TreeView& tv, WORD request, int position);

// Painting (tree_view_paint.cpp).
void PaintTree(TreeView& tv, HDC dc, const RECT& area);
HIMAGELIST TreeDragImage(TreeView& tv, HTREEITEM item);

}  // namespace platform::commctrl
