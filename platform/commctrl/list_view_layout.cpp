// Where the list view's items are: rows under an optional header in the report and list views, a
// grid of icons in the icon view; hit tests, scrolling and the repainting of items.
#include <algorithm>

#include "commctrl/list_view.h"
#include "commctrl/paint_support.h"
#include "user/system_metrics.h"

namespace platform::commctrl {
namespace {

constexpr int kHeaderHeight96 = 18;
constexpr int kRowPadding = 2;
constexpr int kIconGap = 4;

int ClientWidth(const ListView& lv) {
    RECT rc{};
    GetClientRect(lv.hwnd, &rc);
    return rc.right;
}

bool IsRowView(const ListView& lv) { return ViewOf(lv) == LVS_REPORT || ViewOf(lv) == LVS_LIST; }

bool WholeRowIsItem(const ListView& lv) {
    return (lv.exStyle & LVS_EX_FULLROWSELECT) || (GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED);
}

SIZE ImageSize(HIMAGELIST list) {
    int cx = 0, cy = 0;
    if (list) ImageList_GetIconSize(list, &cx, &cy);
    return SIZE{cx, cy};
}

int RowIndexAt(ListView& lv, int y) {
    const int h = RowHeight(lv);
    const int dy = y - HeaderHeight(lv);
    if (dy < 0) return -1;
    return lv.top + dy / h;
}

}  // namespace

UINT ViewOf(const ListView& lv) { return static_cast<UINT>(GetWindowLongW(lv.hwnd, GWL_STYLE)) & LVS_TYPEMASK; }

int HeaderHeight(const ListView& lv) {
    if (ViewOf(lv) != LVS_REPORT || (GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_NOCOLUMNHEADER)) return 0;
    return ScaleToScreen(kHeaderHeight96);
}

int LineHeight(ListView& lv) {
    if (lv.lineHeight <= 0) lv.lineHeight = std::max(1, TextHeight(lv.hwnd, lv.font));
    return lv.lineHeight;
}

int RowHeight(ListView& lv) {
    if (lv.rowHeight > 0) return lv.rowHeight;
    const int fallback = std::max(LineHeight(lv) + kRowPadding, static_cast<int>(ImageSize(lv.smallImages).cy) + 1);
    int height = fallback;
    if ((GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_OWNERDRAWFIXED) && ViewOf(lv) == LVS_REPORT) {
        // The parent may leave the height as it is given.
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_LISTVIEW;
        mis.CtlID = static_cast<UINT>(GetDlgCtrlID(lv.hwnd));
        mis.itemHeight = static_cast<UINT>(fallback);
        if (const HWND parent = GetParent(lv.hwnd))
            SendMessageW(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        height = mis.itemHeight > 0 ? static_cast<int>(mis.itemHeight) : fallback;
    }
    lv.rowHeight = height;
    return height;
}

RECT ClientArea(const ListView& lv) {
    RECT rc{};
    GetClientRect(lv.hwnd, &rc);
    rc.top = std::min(rc.bottom, static_cast<LONG>(HeaderHeight(lv)));
    return rc;
}

int RowsPerPage(ListView& lv) {
    const RECT area = ClientArea(lv);
    return std::max(0, static_cast<int>(area.bottom - area.top) / RowHeight(lv));
}

int TotalColumnWidth(const ListView& lv) {
    if (ViewOf(lv) != LVS_REPORT || lv.columns.empty()) return ClientWidth(lv);
    int sum = 0;
    for (const ListColumn& c : lv.columns) sum += c.width;
    return sum;
}

SIZE IconCell(ListView& lv) {
    const SIZE image = ImageSize(lv.normalImages);
    const int textLines = 2 * LineHeight(lv);
    SIZE cell{std::max<LONG>(GetSystemMetrics(SM_CXICONSPACING), image.cx + 2 * kIconGap),
              std::max<LONG>(GetSystemMetrics(SM_CYICONSPACING), image.cy + textLines + 2 * kIconGap)};
    if (lv.iconSpacing.cx > 0) cell.cx = lv.iconSpacing.cx;
    if (lv.iconSpacing.cy > 0) cell.cy = lv.iconSpacing.cy;
    return cell;
}

int IconColumns(ListView& lv) { return std::max(1, ClientWidth(lv) / std::max<int>(1, IconCell(lv).cx)); }

void ArrangeIcons(ListView& lv) {
    const int columns = IconColumns(lv);
    const SIZE cell = IconCell(lv);
    for (std::size_t i = 0; i < lv.items.size(); ++i) {
        const int n = static_cast<int>(i);
        lv.items[i].position = POINT{(n % columns) * cell.cx, (n / columns) * cell.cy};
    }
}

bool ItemRect(ListView& lv, int index, int code, RECT& out) {
    if (!ValidItem(lv, index)) return false;
    const ListItem& it = lv.items[static_cast<std::size_t>(index)];
    if (!IsRowView(lv)) {
        const SIZE cell = IconCell(lv);
        const SIZE image = ImageSize(lv.normalImages);
        const LONG x = it.position.x, y = it.position.y - lv.scrollY;
        const RECT bounds{x, y, x + cell.cx, y + cell.cy};
        const LONG iconLeft = x + (cell.cx - image.cx) / 2;
        const RECT icon{iconLeft, y + kIconGap, iconLeft + image.cx, y + kIconGap + image.cy};
        const RECT label{x, icon.bottom + kIconGap / 2, x + cell.cx, bounds.bottom};
        switch (code) {
        case LVIR_ICON: out = icon; return true;
        case LVIR_LABEL: out = label; return true;
        case LVIR_BOUNDS:
        case LVIR_SELECTBOUNDS: out = bounds; return true;
        default: return false;
        }
    }
    const int h = RowHeight(lv);
    const LONG top = HeaderHeight(lv) + (index - lv.top) * h;
    const LONG left = -lv.scrollX;
    const RECT bounds{left, top, left + TotalColumnWidth(lv), top + h};
    const LONG firstRight = (ViewOf(lv) == LVS_REPORT && !lv.columns.empty()) ? left + lv.columns[0].width : bounds.right;
    const LONG stateWidth = lv.stateImages ? ImageSize(lv.stateImages).cx : 0;
    const LONG iconLeft = left + stateWidth + it.indent * ImageSize(lv.smallImages).cx;
    const RECT icon{iconLeft, top, iconLeft + ImageSize(lv.smallImages).cx, top + h};
    const RECT label{icon.right, top, std::max(icon.right, firstRight), top + h};
    switch (code) {
    case LVIR_BOUNDS: out = bounds; return true;
    case LVIR_ICON: out = icon; return true;
    case LVIR_LABEL: out = label; return true;
    case LVIR_SELECTBOUNDS:
        out = WholeRowIsItem(lv) ? bounds : RECT{icon.left, top, label.right, top + h};
        return true;
    default: return false;
    }
}

bool SubItemRect(ListView& lv, int index, int subItem, int code, RECT& out) {
    // Sub-item 0 stands for the whole item, as LVM_GETITEMRECT gives it.
    if (subItem == 0) return ItemRect(lv, index, code, out);
    if (ViewOf(lv) != LVS_REPORT) return false;
    if (subItem < 0 || static_cast<std::size_t>(subItem) >= lv.columns.size()) return false;
    RECT row{};
    if (!ItemRect(lv, index, LVIR_BOUNDS, row)) return false;
    LONG x = row.left;
    for (int c = 0; c < subItem; ++c) x += lv.columns[static_cast<std::size_t>(c)].width;
    out = RECT{x, row.top, x + lv.columns[static_cast<std::size_t>(subItem)].width, row.bottom};
    return true;
}

int HitTest(ListView& lv, LVHITTESTINFO& info) {
    info.iItem = -1;
    info.iSubItem = 0;
    RECT client{};
    GetClientRect(lv.hwnd, &client);
    const POINT pt = info.pt;
    if (pt.y < client.top) info.flags = LVHT_ABOVE;
    else if (pt.y >= client.bottom) info.flags = LVHT_BELOW;
    else if (pt.x < client.left) info.flags = LVHT_TOLEFT;
    else if (pt.x >= client.right) info.flags = LVHT_TORIGHT;
    else info.flags = LVHT_NOWHERE;
    if (info.flags != LVHT_NOWHERE) return -1;
    int candidate = -1;
    if (IsRowView(lv)) {
        const int row = RowIndexAt(lv, pt.y);
        if (row < 0) return -1;  // on the header
        candidate = row;
    } else {
        for (int i = static_cast<int>(lv.items.size()) - 1; i >= 0 && candidate < 0; --i) {
            RECT bounds{};
            ItemRect(lv, i, LVIR_BOUNDS, bounds);
            if (PtInRect(&bounds, pt)) candidate = i;
        }
    }
    if (!ValidItem(lv, candidate)) return -1;
    RECT icon{}, label{}, bounds{};
    ItemRect(lv, candidate, LVIR_ICON, icon);
    ItemRect(lv, candidate, LVIR_LABEL, label);
    ItemRect(lv, candidate, LVIR_BOUNDS, bounds);
    if (PtInRect(&icon, pt)) info.flags = LVHT_ONITEMICON;
    else if (PtInRect(&label, pt)) info.flags = LVHT_ONITEMLABEL;
    else if (pt.x < icon.left && pt.x >= bounds.left && IsRowView(lv)) info.flags = LVHT_ONITEMSTATEICON;
    else if (PtInRect(&bounds, pt) && (WholeRowIsItem(lv) || !IsRowView(lv))) info.flags = LVHT_ONITEMLABEL;
    else return -1;
    info.iItem = candidate;
    return candidate;
}

int SubItemHitTest(ListView& lv, LVHITTESTINFO& info) {
    if (ViewOf(lv) != LVS_REPORT) return HitTest(lv, info);
    info.iItem = -1;
    info.iSubItem = 0;
    info.flags = LVHT_NOWHERE;
    RECT client{};
    GetClientRect(lv.hwnd, &client);
    if (!PtInRect(&client, info.pt)) return -1;
    const int row = RowIndexAt(lv, info.pt.y);
    if (!ValidItem(lv, row)) return -1;
    LONG x = -lv.scrollX;
    for (std::size_t c = 0; c < lv.columns.size(); ++c) {
        const LONG right = x + lv.columns[c].width;
        if (info.pt.x >= x && info.pt.x < right) {
            info.iItem = row;
            info.iSubItem = static_cast<int>(c);
            info.flags = LVHT_ONITEMLABEL;
            return row;
        }
        x = right;
    }
    return -1;
}

int MaxTop(ListView& lv) { return std::max(0, static_cast<int>(lv.items.size()) - std::max(1, RowsPerPage(lv))); }

void ClampScroll(ListView& lv) {
    if (IsRowView(lv)) {
        lv.top = std::clamp(lv.top, 0, MaxTop(lv));
        lv.scrollX = std::clamp(lv.scrollX, 0, std::max(0, TotalColumnWidth(lv) - ClientWidth(lv)));
        if (lv.redraw) SyncVerticalBar(lv.hwnd, static_cast<int>(lv.items.size()) - 1, RowsPerPage(lv), lv.top);
        return;
    }
    RECT rc{};
    GetClientRect(lv.hwnd, &rc);
    const int rows = (static_cast<int>(lv.items.size()) + IconColumns(lv) - 1) / IconColumns(lv);
    const int content = rows * static_cast<int>(IconCell(lv).cy);
    lv.scrollY = std::clamp(lv.scrollY, 0, std::max(0, content - static_cast<int>(rc.bottom)));
    if (lv.redraw) SyncVerticalBar(lv.hwnd, content - 1, rc.bottom, lv.scrollY);
}

bool ScrollBy(ListView& lv, int dx, int dy) {
    const int oldTop = lv.top, oldX = lv.scrollX, oldY = lv.scrollY;
    if (IsRowView(lv)) {
        const int h = RowHeight(lv);
        const int rows = dy >= 0 ? (dy + h / 2) / h : -((-dy + h / 2) / h);  // to the nearest whole row
        lv.top += rows;
        lv.scrollX += dx;
    } else {
        lv.scrollY += dy;
    }
    ClampScroll(lv);
    const bool moved = oldTop != lv.top || oldX != lv.scrollX || oldY != lv.scrollY;
    if (moved) InvalidateAll(lv);
    return moved;
}

bool EnsureVisible(ListView& lv, int index, bool partialOk) {
    if (!ValidItem(lv, index)) return false;
    if (IsRowView(lv)) {
        const int perPage = std::max(1, RowsPerPage(lv));
        const RECT area = ClientArea(lv);
        RECT row{};
        ItemRect(lv, index, LVIR_BOUNDS, row);
        const bool partlyShown = row.bottom > area.top && row.top < area.bottom;
        if (partialOk && partlyShown) return true;
        int top = lv.top;
        if (index < top) top = index;
        else if (index >= top + perPage) top = index - perPage + 1;
        if (top != lv.top) {
            lv.top = top;
            ClampScroll(lv);
            InvalidateAll(lv);
        }
        return true;
    }
    RECT rc{}, bounds{};
    GetClientRect(lv.hwnd, &rc);
    ItemRect(lv, index, LVIR_BOUNDS, bounds);
    if (partialOk && bounds.bottom > 0 && bounds.top < rc.bottom) return true;
    if (bounds.top < 0) ScrollBy(lv, 0, bounds.top);
    else if (bounds.bottom > rc.bottom) ScrollBy(lv, 0, std::min(bounds.bottom - rc.bottom, bounds.top));
    return true;
}

void InvalidateItem(ListView& lv, int index) {
    if (!lv.redraw || !ValidItem(lv, index)) return;
    RECT rc{};
    if (ItemRect(lv, index, LVIR_BOUNDS, rc)) {
        if (IsRowView(lv)) {
            rc.left = 0;
            rc.right = std::max<LONG>(rc.right, ClientWidth(lv));
        }
        InvalidateRect(lv.hwnd, &rc, TRUE);
    }
}

void InvalidateAll(ListView& lv) {
    if (lv.redraw) InvalidateRect(lv.hwnd, nullptr, TRUE);
}

}  // namespace platform::commctrl
