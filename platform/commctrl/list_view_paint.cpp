// Painting the list view: the background, the header, each row or icon (or the parent's own drawing
// through WM_DRAWITEM for owner-drawn rows), the focus and the selection.
#include <algorithm>

#include "commctrl/list_view.h"
#include "commctrl/paint_support.h"

namespace platform::commctrl {
namespace {

constexpr UINT kRowText = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
constexpr UINT kIconText = DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS;

bool ShowsSelection(const ListView& lv) {
    return lv.hasFocus || (GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_SHOWSELALWAYS);
}

COLORREF SelectionFill(const ListView& lv) { return lv.hasFocus ? kHighlightColour : kInactiveHighlightColour; }

UINT AlignOf(int fmt) {
    switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

void PaintHeader(ListView& lv, HDC dc) {
    const int h = HeaderHeight(lv);
    if (h == 0) return;
    RECT client{};
    GetClientRect(lv.hwnd, &client);
    FillSolid(dc, {0, 0, client.right, h}, kFaceColour);
    LONG x = -lv.scrollX;
    for (const ListColumn& c : lv.columns) {
        const RECT cell{x, 0, x + c.width, h};
        DrawEdge3d(dc, cell, false);
        DrawTextIn(dc, c.text, {cell.left + kTextMargin * 2, 0, cell.right - kTextMargin * 2, h}, kRowText | AlignOf(c.fmt),
                   kTextColour);
        x += c.width;
    }
}

void AskOwnerToDraw(ListView& lv, HDC dc, int index, const RECT& bounds) {
    const ListItem& it = lv.items[static_cast<std::size_t>(index)];
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTVIEW;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(lv.hwnd));
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = ODA_DRAWENTIRE;
    if (it.state & LVIS_SELECTED) dis.itemState |= ODS_SELECTED;
    if ((it.state & LVIS_FOCUSED) && lv.hasFocus) dis.itemState |= ODS_FOCUS;
    dis.hwndItem = lv.hwnd;
    dis.hDC = dc;
    dis.rcItem = bounds;
    dis.itemData = static_cast<ULONG_PTR>(it.param);
    if (const HWND parent = GetParent(lv.hwnd)) SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void PaintRow(ListView& lv, HDC dc, int index) {
    RECT bounds{}, icon{}, label{}, select{};
    ItemRect(lv, index, LVIR_BOUNDS, bounds);
    if (ViewOf(lv) == LVS_REPORT && (GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED)) {
        AskOwnerToDraw(lv, dc, index, bounds);
        return;
    }
    ItemRect(lv, index, LVIR_ICON, icon);
    ItemRect(lv, index, LVIR_LABEL, label);
    ItemRect(lv, index, LVIR_SELECTBOUNDS, select);
    const ListItem& it = lv.items[static_cast<std::size_t>(index)];
    const bool selected = (it.state & LVIS_SELECTED) && ShowsSelection(lv);
    const COLORREF text = selected && lv.hasFocus ? kHighlightTextColour : OrDefault(lv.textColour, kTextColour);
    // The highlight goes first: a full-row one spans the icon, which stays visible on it.
    if (selected) {
        const RECT fill = (lv.exStyle & LVS_EX_FULLROWSELECT) ? select : label;
        FillSolid(dc, fill, SelectionFill(lv));
    }
    if (lv.smallImages) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(lv.smallImages, &cx, &cy);
        ImageList_Draw(lv.smallImages, it.image, dc, icon.left, icon.top + (icon.bottom - icon.top - cy) / 2,
                       selected && lv.hasFocus ? ILD_SELECTED : ILD_NORMAL);
    }
    DrawTextIn(dc, it.text, {label.left + kTextMargin, label.top, label.right - kTextMargin, label.bottom}, kRowText, text);
    if (ViewOf(lv) == LVS_REPORT) {
        LONG x = bounds.left;
        for (std::size_t c = 0; c < lv.columns.size(); ++c) {
            const ListColumn& col = lv.columns[c];
            if (c > 0 && col.subItem > 0) {
                const bool inSelection = selected && (lv.exStyle & LVS_EX_FULLROWSELECT);
                DrawTextIn(dc, *ItemText(lv, index, col.subItem),
                           {x + kTextMargin * 3, bounds.top, x + col.width - kTextMargin * 3, bounds.bottom},
                           kRowText | AlignOf(col.fmt), inSelection && lv.hasFocus ? kHighlightTextColour : OrDefault(lv.textColour, kTextColour));
            }
            x += col.width;
        }
    }
    if ((it.state & LVIS_FOCUSED) && lv.hasFocus) DrawFocusRect(dc, selected ? &select : &label);
}

void PaintIcon(ListView& lv, HDC dc, int index) {
    RECT icon{}, label{};
    ItemRect(lv, index, LVIR_ICON, icon);
    ItemRect(lv, index, LVIR_LABEL, label);
    const ListItem& it = lv.items[static_cast<std::size_t>(index)];
    const bool selected = (it.state & LVIS_SELECTED) && ShowsSelection(lv);
    if (lv.normalImages)
        ImageList_Draw(lv.normalImages, it.image, dc, icon.left, icon.top, selected && lv.hasFocus ? ILD_SELECTED : ILD_NORMAL);
    if (selected) FillSolid(dc, label, SelectionFill(lv));
    DrawTextIn(dc, it.text, {label.left + kTextMargin, label.top, label.right - kTextMargin, label.bottom}, kIconText,
               selected && lv.hasFocus ? kHighlightTextColour : OrDefault(lv.textColour, kTextColour));
    if ((it.state & LVIS_FOCUSED) && lv.hasFocus) DrawFocusRect(dc, &label);
}

}  // namespace

void PaintList(ListView& lv, HDC dc, const RECT& area) {
    RECT client{};
    GetClientRect(lv.hwnd, &client);
    const FontScope font(dc, lv.font);
    const int count = static_cast<int>(lv.items.size());
    if (ViewOf(lv) == LVS_ICON) {
        for (int i = 0; i < count; ++i) {
            RECT bounds{}, overlap{};
            ItemRect(lv, i, LVIR_BOUNDS, bounds);
            if (IntersectRect(&overlap, &bounds, &area)) PaintIcon(lv, dc, i);
        }
        return;
    }
    const int h = RowHeight(lv);
    const int header = HeaderHeight(lv);
    const int first = lv.top + std::max(0, static_cast<int>(area.top) - header) / h;
    const int last = std::min(count - 1, lv.top + std::max(0, static_cast<int>(area.bottom) - 1 - header) / h);
    for (int i = first; i <= last; ++i) PaintRow(lv, dc, i);
    PaintHeader(lv, dc);
}

HIMAGELIST ListDragImage(ListView& lv, int index, POINT* origin) {
    RECT bounds{};
    if (!ItemRect(lv, index, LVIR_SELECTBOUNDS, bounds)) return nullptr;
    const std::u16string& text = lv.items[static_cast<std::size_t>(index)].text;
    const HIMAGELIST list = TextDragImage(lv.font, text, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (list && origin) *origin = POINT{bounds.left, bounds.top};
    return list;
}

}  // namespace platform::commctrl
