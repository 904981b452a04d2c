// The list view's keys and stylus: moving the focus and the selection, activating items, and the
// notifications that tell the parent (LVN_KEYDOWN, NM_RETURN, NM_CLICK, NM_DBLCLK, LVN_ITEMACTIVATE).
#include <algorithm>

#include "commctrl/list_view.h"

namespace platform::commctrl {
namespace {

bool MultiSelect(const ListView& lv) { return !(GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_SINGLESEL); }

void NotifyActivate(ListView& lv, UINT code, int index, POINT point) {
    NMITEMACTIVATE nm{};
    nm.iItem = index;
    nm.ptAction = point;
    if (ValidItem(lv, index)) nm.lParam = lv.items[static_cast<std::size_t>(index)].param;
    if (KeyDown(VK_SHIFT)) nm.uKeyFlags |= 0x0004;  // LVKF_SHIFT
    if (KeyDown(VK_CONTROL)) nm.uKeyFlags |= 0x0002;  // LVKF_CONTROL
    SendNotify(lv.hwnd, code, &nm.hdr);
}

// Selects from the mark to `to` (the mark stays), focusing `to`.
void SelectRange(ListView& lv, int to) {
    const int from = ValidItem(lv, lv.mark) ? lv.mark : to;
    const int lo = std::min(from, to), hi = std::max(from, to);
    for (int i = 0; i < static_cast<int>(lv.items.size()); ++i) SetState(lv, i, (i >= lo && i <= hi) ? LVIS_SELECTED : 0, LVIS_SELECTED);
    SetState(lv, to, LVIS_FOCUSED, LVIS_FOCUSED);
    if (!ValidItem(lv, lv.mark)) lv.mark = to;
}

// Moves the focus to `target` the way the keys do: alone selected, or extending with Shift, or only
// the focus with Control.
void MoveTo(ListView& lv, int target) {
    if (!ValidItem(lv, target)) return;
    if (MultiSelect(lv) && KeyDown(VK_SHIFT)) SelectRange(lv, target);
    else if (MultiSelect(lv) && KeyDown(VK_CONTROL)) SetState(lv, target, LVIS_FOCUSED, LVIS_FOCUSED);
    else SelectOnly(lv, target);
    EnsureVisible(lv, target, false);
}

int KeyTarget(ListView& lv, WPARAM key) {
    const int count = static_cast<int>(lv.items.size());
    if (count == 0) return -1;
    const int from = ValidItem(lv, lv.focus) ? lv.focus : -1;
    const bool icons = ViewOf(lv) == LVS_ICON;
    const int lineStep = icons ? IconColumns(lv) : 1;
    const int pageStep = std::max(1, icons ? lineStep : RowsPerPage(lv) - 1);
    if (from < 0) return key == VK_END ? count - 1 : 0;
    switch (key) {
    case VK_UP: return from - lineStep >= 0 ? from - lineStep : from;
    case VK_DOWN: return from + lineStep < count ? from + lineStep : from;
    case VK_LEFT: return icons ? std::max(0, from - 1) : -1;
    case VK_RIGHT: return icons ? std::min(count - 1, from + 1) : -1;
    case VK_HOME: return 0;
    case VK_END: return count - 1;
    case VK_PRIOR: return std::max(0, from - pageStep);
    case VK_NEXT: return std::min(count - 1, from + pageStep);
    default: return -1;
    }
}

}  // namespace

LRESULT ListKeyDown(ListView& lv, WPARAM key, LPARAM) {
    NMLVKEYDOWN nm{};
    nm.wVKey = static_cast<WORD>(key);
    SendNotify(lv.hwnd, LVN_KEYDOWN, &nm.hdr);
    if (lv.destroyed) return 0;
    switch (key) {
    case VK_RETURN:
        SendSimpleNotify(lv.hwnd, NM_RETURN);
        if (!lv.destroyed && ValidItem(lv, lv.focus)) NotifyActivate(lv, LVN_ITEMACTIVATE, lv.focus, POINT{});
        return 0;
    case VK_SPACE:
        if (!ValidItem(lv, lv.focus)) return 0;
        if (MultiSelect(lv) && KeyDown(VK_CONTROL))
            SetState(lv, lv.focus, lv.items[static_cast<std::size_t>(lv.focus)].state & LVIS_SELECTED ? 0 : LVIS_SELECTED,
                     LVIS_SELECTED);
        else
            SelectOnly(lv, lv.focus);
        return 0;
    default: break;
    }
    const int target = KeyTarget(lv, key);
    if (target >= 0) MoveTo(lv, target);
    else if (key == VK_LEFT || key == VK_RIGHT) ScrollBy(lv, key == VK_LEFT ? -RowHeight(lv) : RowHeight(lv), 0);
    return 0;
}

LRESULT ListChar(ListView& lv, WCHAR c) {
    if (!lv.typed.Add(c) || lv.items.empty()) return 0;
    // A new prefix looks from the item after the focus; a longer one may stay on the focused item.
    const int count = static_cast<int>(lv.items.size());
    const int from = ValidItem(lv, lv.focus) ? lv.focus : -1;
    const int start = (lv.typed.Prefix().size() == 1 || lv.typed.Repeating()) ? from + 1 : std::max(from, 0);
    for (int n = 0; n < count; ++n) {
        const int i = (start + n) % count;
        if (lv.typed.Matches(lv.items[static_cast<std::size_t>(i)].text)) {
            MoveTo(lv, i);
            return 0;
        }
    }
    return 0;
}

LRESULT ListButtonDown(ListView& lv, POINT point, bool doubleClick) {
    if (GetFocus() != lv.hwnd) SetFocus(lv.hwnd);
    if (lv.destroyed) return 0;
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int index = HitTest(lv, hit);
    if (index >= 0) {
        if (MultiSelect(lv) && KeyDown(VK_CONTROL)) {
            const bool selected = lv.items[static_cast<std::size_t>(index)].state & LVIS_SELECTED;
            SetState(lv, index, (selected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            lv.mark = index;
        } else if (MultiSelect(lv) && KeyDown(VK_SHIFT)) {
            SelectRange(lv, index);
        } else {
            SelectOnly(lv, index);
        }
    } else {
        SetState(lv, -1, 0, LVIS_SELECTED);
    }
    lv.pressed = index >= 0 ? index : -2;
    // The stylus belongs to the list until it comes up, wherever it goes meanwhile.
    if (!lv.destroyed) SetCapture(lv.hwnd);
    if (doubleClick) {
        NotifyActivate(lv, NM_DBLCLK, index, point);
        if (index >= 0 && !lv.destroyed) NotifyActivate(lv, LVN_ITEMACTIVATE, index, point);
    }
    return 0;
}

LRESULT ListButtonUp(ListView& lv, POINT point) {
    const int down = lv.pressed;
    lv.pressed = -1;
    if (GetCapture() == lv.hwnd) ReleaseCapture();
    if (down == -1 || lv.destroyed) return 0;
    NotifyActivate(lv, NM_CLICK, ValidItem(lv, down) ? down : -1, point);
    return 0;
}

LRESULT ListVScroll(ListView& lv, WORD request, int position) {
    const bool rows = ViewOf(lv) != LVS_ICON;
    const int line = rows ? RowHeight(lv) : static_cast<int>(IconCell(lv).cy);
    RECT area = ClientArea(lv);
    const int page = rows ? std::max(1, RowsPerPage(lv)) * line : static_cast<int>(area.bottom - area.top);
    switch (request) {
    case kLineUp: ScrollBy(lv, 0, -line); break;
    case kLineDown: ScrollBy(lv, 0, line); break;
    case kPageUp: ScrollBy(lv, 0, -page); break;
    case kPageDown: ScrollBy(lv, 0, page); break;
    case kThumbPosition:
    case kThumbTrack:
        if (rows) ScrollBy(lv, 0, (position - lv.top) * line);
        else ScrollBy(lv, 0, position - lv.scrollY);
        break;
    case kTop: ScrollBy(lv, 0, rows ? -lv.top * line : -lv.scrollY); break;
    case kBottom: ScrollBy(lv, 0, rows ? (MaxTop(lv) - lv.top) * line : 1 << 20); break;
    default: break;
    }
    return 0;
}

}  // namespace platform::commctrl
