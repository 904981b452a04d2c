// The list view's state and the routines its window procedure is built from: the items and columns,
// the layout of the rows (report and list views) or of the icon grid, selection, scrolling and input.
//
// Invariants:
//  1. `top` is the first shown row in the row views and lies in 0..max(0, count - perPage).
//  2. `mark` (the selection mark) and `focus` are -1 or the index of an item.
//  3. Every change of an item's state goes through SetState, which asks and tells the parent.
//  4. With LVS_SINGLESEL no item but `lastSelected` is selected.
#pragma once

#include <string>
#include <vector>

#include "commctrl/control_common.h"
#include "commctrl/type_ahead.h"

namespace platform::commctrl {

struct ListItem {
    std::u16string text;
    std::vector<std::u16string> subTexts;  // column 1 onwards
    int image = 0;
    LPARAM param = 0;
    UINT state = 0;
    int indent = 0;
    POINT position{};  // in the icon view
};

struct ListColumn {
    int fmt = LVCFMT_LEFT;
    int width = 0;
    std::u16string text;
    int subItem = 0;
    int image = 0;
};

struct ListView : ControlLife {
    std::vector<ListItem> items;
    std::vector<ListColumn> columns;
    HIMAGELIST normalImages = nullptr;
    HIMAGELIST smallImages = nullptr;
    HIMAGELIST stateImages = nullptr;
    DWORD exStyle = 0;
    int mark = -1;
    int focus = -1;
    int lastSelected = -1;  // the item that was selected last; with LVS_SINGLESEL the only one
    int top = 0;            // first shown row (row views)
    int scrollX = 0;        // pixels scrolled to the right (row views)
    int scrollY = 0;        // pixels scrolled down (icon view)
    int rowHeight = 0;      // 0 until measured
    int lineHeight = 0;     // of the font's text; 0 until measured
    SIZE iconSpacing{};     // 0 for the default
    bool redraw = true;
    bool hasFocus = false;
    int pressed = -1;       // the item a stylus press went down on, -2 for empty space, -1 for none
    COLORREF background = CLR_DEFAULT;
    COLORREF textColour = CLR_DEFAULT;
    COLORREF textBackground = CLR_DEFAULT;
    HFONT font = nullptr;
    TypeAhead typed;
};

// Items and columns (list_view_items.cpp).
bool ValidItem(const ListView& lv, int index);
int InsertItem(ListView& lv, const LVITEMW& item);
bool SetItem(ListView& lv, const LVITEMW& item);
bool GetItem(ListView& lv, LVITEMW& item);
bool DeleteItem(ListView& lv, int index);
bool DeleteAllItems(ListView& lv);
// Changes the state bits of `mask` of one item (index -1: every item); asks the parent first.
bool SetState(ListView& lv, int index, UINT state, UINT mask);
int NextItem(ListView& lv, int start, UINT flags);
int FindItem(const ListView& lv, int start, const LVFINDINFOW& find);
bool SortItems(ListView& lv, PFNLVCOMPARE compare, LPARAM data);
int InsertColumn(ListView& lv, int index, const LVCOLUMNW& column);
bool SetColumn(ListView& lv, int index, const LVCOLUMNW& column);
bool GetColumn(const ListView& lv, int index, LVCOLUMNW& column);
bool DeleteColumn(ListView& lv, int index);
const std::u16string* ItemText(const ListView& lv, int index, int subItem);
// Selects and focuses one item, clearing every other selection; the mark follows.
void SelectOnly(ListView& lv, int index);

// Layout (list_view_layout.cpp).
UINT ViewOf(const ListView& lv);
int RowHeight(ListView& lv);
int LineHeight(ListView& lv);
int HeaderHeight(const ListView& lv);
RECT ClientArea(const ListView& lv);
int RowsPerPage(ListView& lv);
int TotalColumnWidth(const ListView& lv);
SIZE IconCell(ListView& lv);
int IconColumns(ListView& lv);
bool ItemRect(ListView& lv, int index, int code, RECT& out);
bool SubItemRect(ListView& lv, int index, int subItem, int code, RECT& out);
int HitTest(ListView& lv, LVHITTESTINFO& info);
int SubItemHitTest(ListView& lv, LVHITTESTINFO& info);
// Scrolls so that the item is wholly shown (or partly, when allowed); true when it is.
bool EnsureVisible(ListView& lv, int index, bool partialOk);
// Scrolls by pixels (rows views: dy is rounded to rows); true when something moved.
bool ScrollBy(ListView& lv, int dx, int dy);
void ClampScroll(ListView& lv);
// Repaints one item, a range, or everything, unless redrawing is off.
void InvalidateItem(ListView& lv, int index);
void InvalidateAll(ListView& lv);
void ArrangeIcons(ListView& lv);
int MaxTop(ListView& lv);

// Input (list_view_input.cpp).
LRESULT ListKeyDown(ListView& lv, WPARAM key, LPARAM flags);
LRESULT ListChar(ListView& lv, WCHAR c);
LRESULT ListButtonDown(ListView& lv, POINT point, bool doubleClick);
LRESULT ListButtonUp(ListView& lv, POINT point);
LRESULT ListVScroll(ListView& lv, WORD request, int position);

// Painting (list_view_paint.cpp).
void PaintList(ListView& lv, HDC dc, const RECT& area);
// A picture of the item for dragging, and where it lies in the client (LVM_CREATEDRAGIMAGE).
HIMAGELIST ListDragImage(ListView& lv, int index, POINT* origin);

}  // namespace platform::commctrl
