// The list view's window procedure: a switch over the messages, each handed to a small routine.
#include <algorithm>

#include "commctrl/controls.h"
#include "commctrl/list_view.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {
namespace {

template <class T>
T* Ptr(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

LRESULT OnSetImageList(ListView& lv, WPARAM which, HIMAGELIST list) {
    HIMAGELIST* slot = which == LVSIL_NORMAL ? &lv.normalImages
                     : which == LVSIL_SMALL  ? &lv.smallImages
                     : which == LVSIL_STATE  ? &lv.stateImages
                                             : nullptr;
    if (!slot) return 0;
    HIMAGELIST previous = *slot;
    *slot = list;
    if (!(GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED)) lv.rowHeight = 0;
    if (ViewOf(lv) == LVS_ICON) ArrangeIcons(lv);
    InvalidateAll(lv);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnGetItemRect(ListView& lv, int index, RECT* rect) {
    if (!rect) return FALSE;
    return ItemRect(lv, index, rect->left, *rect) ? TRUE : FALSE;
}

LRESULT OnGetSubItemRect(ListView& lv, int index, RECT* rect) {
    if (!rect) return FALSE;
    return SubItemRect(lv, index, rect->top, rect->left, *rect) ? TRUE : FALSE;
}

LRESULT OnRedrawItems(ListView& lv, int first, int last) {
    if (first < 0 || last < first) return FALSE;
    const int end = std::min(last, static_cast<int>(lv.items.size()) - 1);
    for (int i = first; i <= end; ++i) InvalidateItem(lv, i);
    return TRUE;
}

LRESULT OnGetItemText(ListView& lv, int index, LVITEMW* item) {
    if (!item) return 0;
    const std::u16string* text = ItemText(lv, index, item->iSubItem);
    if (!text) {
        CopyOut(u"", item->pszText, item->cchTextMax);
        return 0;
    }
    return CopyOut(*text, item->pszText, item->cchTextMax);
}

LRESULT OnSetItemText(ListView& lv, int index, const LVITEMW* item) {
    if (!item) return FALSE;
    LVITEMW change{};
    change.mask = LVIF_TEXT;
    change.iItem = index;
    change.iSubItem = item->iSubItem;
    change.pszText = item->pszText;
    return SetItem(lv, change) ? TRUE : FALSE;
}

LRESULT OnSetItemState(ListView& lv, int index, const LVITEMW* item) {
    if (!item) return FALSE;
    return SetState(lv, index, item->state, item->stateMask) ? TRUE : FALSE;
}

LRESULT OnGetItemState(const ListView& lv, int index, UINT mask) {
    return ValidItem(lv, index) ? static_cast<LRESULT>(lv.items[static_cast<std::size_t>(index)].state & mask) : 0;
}

LRESULT OnSetSelectionMark(ListView& lv, int index) {
    const int previous = lv.mark;
    lv.mark = ValidItem(lv, index) ? index : -1;
    return previous;
}

LRESULT OnSelectedCount(const ListView& lv) {
    return std::count_if(lv.items.begin(), lv.items.end(), [](const ListItem& it) { return it.state & LVIS_SELECTED; });
}

LRESULT OnSetColumnWidth(ListView& lv, int index, int width) {
    if (index < 0 || static_cast<std::size_t>(index) >= lv.columns.size()) {
        // The list view has one implied column of any width.
        return ViewOf(lv) == LVS_LIST ? TRUE : FALSE;
    }
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        const ListColumn& column = lv.columns[static_cast<std::size_t>(index)];
        int widest = width == LVSCW_AUTOSIZE_USEHEADER ? TextWidth(lv.hwnd, lv.font, column.text) : 0;
        for (int i = 0; i < static_cast<int>(lv.items.size()); ++i)
            widest = std::max(widest, TextWidth(lv.hwnd, lv.font, *ItemText(lv, i, column.subItem)));
        const bool last = index == static_cast<int>(lv.columns.size()) - 1;
        const bool fill = width == LVSCW_AUTOSIZE_USEHEADER && last;
        width = widest + 4 * kTextMargin;
        if (fill) {
            // The last column takes what is left of the list's width.
            RECT rc{};
            GetClientRect(lv.hwnd, &rc);
            const int others = TotalColumnWidth(lv) - column.width;
            width = std::max(width, static_cast<int>(rc.right) - others);
        }
    }
    lv.columns[static_cast<std::size_t>(index)].width = std::max(0, width);
    ClampScroll(lv);
    InvalidateAll(lv);
    return TRUE;
}

LRESULT OnSetExtendedStyle(ListView& lv, DWORD mask, DWORD style) {
    const DWORD previous = lv.exStyle;
    const DWORD m = mask ? mask : 0xFFFFFFFFu;
    lv.exStyle = (lv.exStyle & ~m) | (style & m);
    InvalidateAll(lv);
    return static_cast<LRESULT>(previous);
}

LRESULT OnSetIconSpacing(ListView& lv, LPARAM spacing) {
    const LRESULT previous = MAKELONG(IconCell(lv).cx, IconCell(lv).cy);
    const auto cx = static_cast<SHORT>(LOWORD(spacing)), cy = static_cast<SHORT>(HIWORD(spacing));
    lv.iconSpacing = SIZE{cx > 0 ? cx : 0, cy > 0 ? cy : 0};
    ArrangeIcons(lv);
    InvalidateAll(lv);
    return previous;
}

LRESULT OnItemPosition(ListView& lv, int index, POINT* out) {
    if (!out || !ValidItem(lv, index)) return FALSE;
    RECT rc{};
    ItemRect(lv, index, LVIR_BOUNDS, rc);
    *out = POINT{rc.left, rc.top};
    return TRUE;
}

LRESULT OnSetItemPosition(ListView& lv, int index, LPARAM where) {
    if (!ValidItem(lv, index) || ViewOf(lv) != LVS_ICON) return FALSE;
    lv.items[static_cast<std::size_t>(index)].position =
        POINT{static_cast<SHORT>(LOWORD(where)), static_cast<SHORT>(HIWORD(where)) + lv.scrollY};
    InvalidateAll(lv);
    return TRUE;
}

LRESULT OnFocus(ListView& lv, bool gained) {
    lv.hasFocus = gained;
    InvalidateItem(lv, lv.focus);
    SendSimpleNotify(lv.hwnd, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    return 0;
}

LRESULT OnSetRedraw(ListView& lv, bool on) {
    lv.redraw = on;
    if (on) {
        ClampScroll(lv);
        InvalidateAll(lv);
    }
    return 0;
}

LRESULT OnLayoutChanged(ListView& lv) {
    if (ViewOf(lv) == LVS_ICON) ArrangeIcons(lv);
    ClampScroll(lv);
    InvalidateAll(lv);
    return 0;
}

LRESULT OnSetFont(ListView& lv, HFONT font, bool repaint) {
    lv.font = font;
    lv.lineHeight = 0;
    lv.rowHeight = 0;  // measured again, with the owner's say for owner-drawn rows
    ClampScroll(lv);
    if (repaint) InvalidateAll(lv);
    return 0;
}

// The background is the erase's; the paint draws only the items, so a subclass that erases with a
// picture of its own keeps it behind the rows.
LRESULT OnEraseBackground(ListView& lv, HDC dc) {
    if (!dc || lv.background == CLR_NONE) return 0;
    RECT rc{};
    GetClientRect(lv.hwnd, &rc);
    FillSolid(dc, rc, OrDefault(lv.background, kWindowColour));
    return 1;
}

LRESULT OnPaint(ListView& lv) {
    PaintScope paint(lv.hwnd);
    if (paint.Dc()) PaintList(lv, paint.Dc(), paint.Area());
    return 0;
}

LRESULT OnPrintClient(ListView& lv, HDC dc) {
    RECT rc{};
    GetClientRect(lv.hwnd, &rc);
    if (dc) PaintList(lv, dc, rc);
    return 0;
}

LRESULT Dispatch(ListView& lv, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LVM_GETITEMCOUNT: return static_cast<LRESULT>(lv.items.size());
    case LVM_INSERTITEMW: return Ptr<LVITEMW>(lParam) ? InsertItem(lv, *Ptr<LVITEMW>(lParam)) : -1;
    case LVM_SETITEMW: return Ptr<LVITEMW>(lParam) && SetItem(lv, *Ptr<LVITEMW>(lParam));
    case LVM_GETITEMW: return Ptr<LVITEMW>(lParam) && GetItem(lv, *Ptr<LVITEMW>(lParam));
    case LVM_DELETEITEM: return DeleteItem(lv, index);
    case LVM_DELETEALLITEMS: return DeleteAllItems(lv);
    case LVM_GETNEXTITEM: return NextItem(lv, index, LOWORD(lParam));
    case LVM_FINDITEMW: return Ptr<LVFINDINFOW>(lParam) ? FindItem(lv, index, *Ptr<LVFINDINFOW>(lParam)) : -1;
    case LVM_SORTITEMS: return SortItems(lv, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam));
    case LVM_SETITEMCOUNT: lv.items.reserve(wParam); return TRUE;
    case LVM_SETITEMSTATE: return OnSetItemState(lv, index, Ptr<LVITEMW>(lParam));
    case LVM_GETITEMSTATE: return OnGetItemState(lv, index, static_cast<UINT>(lParam));
    case LVM_GETITEMTEXTW: return OnGetItemText(lv, index, Ptr<LVITEMW>(lParam));
    case LVM_SETITEMTEXTW: return OnSetItemText(lv, index, Ptr<LVITEMW>(lParam));
    case LVM_GETSELECTEDCOUNT: return OnSelectedCount(lv);
    case LVM_GETSELECTIONMARK: return lv.mark;
    case LVM_SETSELECTIONMARK: return OnSetSelectionMark(lv, static_cast<int>(lParam));
    case LVM_GETITEMRECT: return OnGetItemRect(lv, index, Ptr<RECT>(lParam));
    case LVM_GETSUBITEMRECT: return OnGetSubItemRect(lv, index, Ptr<RECT>(lParam));
    case LVM_HITTEST: return Ptr<LVHITTESTINFO>(lParam) ? HitTest(lv, *Ptr<LVHITTESTINFO>(lParam)) : -1;
    case LVM_SUBITEMHITTEST: return Ptr<LVHITTESTINFO>(lParam) ? SubItemHitTest(lv, *Ptr<LVHITTESTINFO>(lParam)) : -1;
    case LVM_ENSUREVISIBLE: return EnsureVisible(lv, index, lParam != 0);
    case LVM_SCROLL: return ScrollBy(lv, static_cast<int>(wParam), static_cast<int>(lParam)) || true;
    case LVM_REDRAWITEMS: return OnRedrawItems(lv, index, static_cast<int>(lParam));
    case LVM_UPDATE: return OnLayoutChanged(lv), TRUE;
    case LVM_ARRANGE: ArrangeIcons(lv); InvalidateAll(lv); return TRUE;
    case LVM_GETTOPINDEX: return ViewOf(lv) == LVS_ICON ? 0 : lv.top;
    case LVM_GETCOUNTPERPAGE: return ViewOf(lv) == LVS_ICON ? static_cast<LRESULT>(lv.items.size()) : RowsPerPage(lv);
    case LVM_GETORIGIN:
        if (!Ptr<POINT>(lParam) || ViewOf(lv) != LVS_ICON) return FALSE;
        *Ptr<POINT>(lParam) = POINT{0, lv.scrollY};
        return TRUE;
    case LVM_GETITEMPOSITION: return OnItemPosition(lv, index, Ptr<POINT>(lParam));
    case LVM_SETITEMPOSITION: return OnSetItemPosition(lv, index, lParam);
    case LVM_GETITEMSPACING: return MAKELONG(IconCell(lv).cx, IconCell(lv).cy);
    case LVM_SETICONSPACING: return OnSetIconSpacing(lv, lParam);
    case LVM_SETIMAGELIST: return OnSetImageList(lv, wParam, reinterpret_cast<HIMAGELIST>(lParam));
    case LVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(wParam == LVSIL_NORMAL ? lv.normalImages
                                         : wParam == LVSIL_SMALL ? lv.smallImages
                                         : wParam == LVSIL_STATE ? lv.stateImages
                                                                 : nullptr);
    case LVM_INSERTCOLUMNW: return Ptr<LVCOLUMNW>(lParam) ? InsertColumn(lv, index, *Ptr<LVCOLUMNW>(lParam)) : -1;
    case LVM_SETCOLUMNW: return Ptr<LVCOLUMNW>(lParam) && SetColumn(lv, index, *Ptr<LVCOLUMNW>(lParam));
    case LVM_GETCOLUMNW: return Ptr<LVCOLUMNW>(lParam) && GetColumn(lv, index, *Ptr<LVCOLUMNW>(lParam));
    case LVM_DELETECOLUMN: return DeleteColumn(lv, index);
    case LVM_GETCOLUMNWIDTH:
        return index >= 0 && static_cast<std::size_t>(index) < lv.columns.size() ? lv.columns[static_cast<std::size_t>(index)].width : 0;
    case LVM_SETCOLUMNWIDTH: return OnSetColumnWidth(lv, index, static_cast<SHORT>(LOWORD(lParam)));
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return OnSetExtendedStyle(lv, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return static_cast<LRESULT>(lv.exStyle);
    case LVM_GETBKCOLOR: return static_cast<LRESULT>(lv.background);
    case LVM_SETBKCOLOR: lv.background = static_cast<COLORREF>(lParam); InvalidateAll(lv); return TRUE;
    case LVM_GETTEXTCOLOR: return static_cast<LRESULT>(lv.textColour);
    case LVM_SETTEXTCOLOR: lv.textColour = static_cast<COLORREF>(lParam); InvalidateAll(lv); return TRUE;
    case LVM_GETTEXTBKCOLOR: return static_cast<LRESULT>(lv.textBackground);
    case LVM_SETTEXTBKCOLOR: lv.textBackground = static_cast<COLORREF>(lParam); InvalidateAll(lv); return TRUE;
    case LVM_GETSTRINGWIDTHW:
        return lParam ? TextWidth(lv.hwnd, lv.font, reinterpret_cast<LPCWSTR>(lParam)) : 0;
    case LVM_CREATEDRAGIMAGE: return reinterpret_cast<LRESULT>(ListDragImage(lv, index, Ptr<POINT>(lParam)));
    case WM_SETREDRAW: return OnSetRedraw(lv, wParam != 0);
    case WM_SIZE:
    case WM_STYLECHANGED: return OnLayoutChanged(lv);
    case WM_SETFONT: return OnSetFont(lv, reinterpret_cast<HFONT>(wParam), lParam != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lv.font);
    case WM_SETFOCUS: return OnFocus(lv, true);
    case WM_KILLFOCUS: return OnFocus(lv, false);
    case WM_GETDLGCODE: return kDlgWantArrows | kDlgWantChars;
    case WM_KEYDOWN: return ListKeyDown(lv, wParam, lParam);
    case WM_CHAR: return ListChar(lv, static_cast<WCHAR>(wParam));
    case WM_LBUTTONDOWN: return ListButtonDown(lv, PointFromLParam(lParam), false);
    case WM_LBUTTONDBLCLK: return ListButtonDown(lv, PointFromLParam(lParam), true);
    case WM_LBUTTONUP: return ListButtonUp(lv, PointFromLParam(lParam));
    case WM_CAPTURECHANGED: lv.pressed = lParam == reinterpret_cast<LPARAM>(lv.hwnd) ? lv.pressed : -1; return 0;
    case WM_VSCROLL: return ListVScroll(lv, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
    case WM_ERASEBKGND: return OnEraseBackground(lv, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return OnPaint(lv);
    case WM_PRINTCLIENT: return OnPrintClient(lv, reinterpret_cast<HDC>(wParam));
    default: return DefWindowProcW(lv.hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc<ListView, Dispatch>(hwnd, message, wParam, lParam);
}

}  // namespace platform::commctrl
