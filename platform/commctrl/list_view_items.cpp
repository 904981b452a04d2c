// The list view's items and columns: inserting, changing, reading, deleting, finding and sorting,
// with the notifications that tell the parent about each change.
#include <algorithm>
#include <numeric>

#include "commctrl/list_view.h"
#include "platform/text.h"

namespace platform::commctrl {
namespace {

const std::u16string kNoText;

LRESULT NotifyItem(ListView& lv, UINT code, int index, UINT changed, UINT oldState, UINT newState) {
    NMLISTVIEW nm{};
    nm.iItem = index;
    nm.uChanged = changed;
    nm.uOldState = oldState;
    nm.uNewState = newState;
    nm.lParam = ValidItem(lv, index) ? lv.items[static_cast<std::size_t>(index)].param : 0;
    return SendNotify(lv.hwnd, code, &nm.hdr);
}

bool SingleSelect(const ListView& lv) { return GetWindowLongW(lv.hwnd, GWL_STYLE) & LVS_SINGLESEL; }

bool SortedStyle(const ListView& lv, bool* descending) {
    const LONG style = GetWindowLongW(lv.hwnd, GWL_STYLE);
    *descending = (style & LVS_SORTDESCENDING) != 0;
    return (style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) != 0;
}

bool ExistingSubItem(const ListView& lv, int subItem) {
    if (subItem == 0) return true;
    return std::any_of(lv.columns.begin(), lv.columns.end(), [&](const ListColumn& c) { return c.subItem == subItem; });
}

std::u16string TextOf(LPCWSTR text) {
    if (!text || text == LPSTR_TEXTCALLBACKW) return {};
    return std::u16string(text);
}

// Keeps an index pointing at the same item after one was inserted (+1) or removed (-1) at `at`.
void FollowInsert(int& index, int at) {
    if (index >= at) ++index;
}

void FollowRemove(int& index, int at) {
    if (index == at) index = -1;
    else if (index > at) --index;
}

}  // namespace

bool ValidItem(const ListView& lv, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < lv.items.size();
}

const std::u16string* ItemText(const ListView& lv, int index, int subItem) {
    if (!ValidItem(lv, index) || subItem < 0) return nullptr;
    const ListItem& it = lv.items[static_cast<std::size_t>(index)];
    if (subItem == 0) return &it.text;
    const auto at = static_cast<std::size_t>(subItem - 1);
    return at < it.subTexts.size() ? &it.subTexts[at] : &kNoText;
}

int InsertItem(ListView& lv, const LVITEMW& item) {
    if (item.iSubItem != 0 || item.iItem < 0) return -1;
    ListItem fresh;
    if (item.mask & LVIF_TEXT) fresh.text = TextOf(item.pszText);
    if (item.mask & LVIF_IMAGE) fresh.image = item.iImage;
    if (item.mask & LVIF_PARAM) fresh.param = item.lParam;
    if (item.mask & LVIF_INDENT) fresh.indent = item.iIndent;
    int at = std::min(item.iItem, static_cast<int>(lv.items.size()));
    if (bool descending = false; SortedStyle(lv, &descending)) {
        const auto before = [&](const ListItem& a) {
            const int c = CompareNoCase(fresh.text, a.text);
            return descending ? c > 0 : c < 0;
        };
        at = static_cast<int>(std::find_if(lv.items.begin(), lv.items.end(), before) - lv.items.begin());
    }
    if (ViewOf(lv) == LVS_ICON) {
        const int columns = IconColumns(lv);
        const SIZE cell = IconCell(lv);
        const int n = static_cast<int>(lv.items.size());
        fresh.position = POINT{(n % columns) * cell.cx, (n / columns) * cell.cy};
    }
    lv.items.insert(lv.items.begin() + at, std::move(fresh));
    FollowInsert(lv.mark, at);
    FollowInsert(lv.focus, at);
    FollowInsert(lv.lastSelected, at);
    if (ViewOf(lv) == LVS_ICON) ArrangeIcons(lv);
    ClampScroll(lv);
    NotifyItem(lv, LVN_INSERTITEM, at, 0, 0, 0);
    if ((item.mask & LVIF_STATE) && (item.state & item.stateMask)) SetState(lv, at, item.state, item.stateMask);
    InvalidateAll(lv);
    return at;
}

bool SetItem(ListView& lv, const LVITEMW& item) {
    if (!ValidItem(lv, item.iItem) || item.iSubItem < 0) return false;
    if (item.iSubItem > 0) {
        if (!ExistingSubItem(lv, item.iSubItem)) return false;
        if (item.mask & LVIF_TEXT) {
            auto& subs = lv.items[static_cast<std::size_t>(item.iItem)].subTexts;
            const auto at = static_cast<std::size_t>(item.iSubItem - 1);
            if (subs.size() <= at) subs.resize(at + 1);
            subs[at] = TextOf(item.pszText);
        }
        InvalidateItem(lv, item.iItem);
        return true;
    }
    const UINT changed = item.mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT);
    if (changed) {
        if (NotifyItem(lv, LVN_ITEMCHANGING, item.iItem, changed, 0, 0)) return false;
        ListItem& it = lv.items[static_cast<std::size_t>(item.iItem)];
        if (item.mask & LVIF_TEXT) it.text = TextOf(item.pszText);
        if (item.mask & LVIF_IMAGE) it.image = item.iImage;
        if (item.mask & LVIF_PARAM) it.param = item.lParam;
        if (item.mask & LVIF_INDENT) it.indent = item.iIndent;
        NotifyItem(lv, LVN_ITEMCHANGED, item.iItem, changed, 0, 0);
    }
    if (item.mask & LVIF_STATE) SetState(lv, item.iItem, item.state, item.stateMask);
    InvalidateItem(lv, item.iItem);
    return true;
}

bool GetItem(ListView& lv, LVITEMW& item) {
    if (!ValidItem(lv, item.iItem) || item.iSubItem < 0) return false;
    if (item.iSubItem > 0 && !ExistingSubItem(lv, item.iSubItem)) return false;
    const ListItem& it = lv.items[static_cast<std::size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) CopyOut(*ItemText(lv, item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.iImage = it.image;
    if (item.mask & LVIF_PARAM) item.lParam = it.param;
    if (item.mask & LVIF_STATE) item.state = it.state & item.stateMask;
    if (item.mask & LVIF_INDENT) item.iIndent = it.indent;
    return true;
}

bool DeleteItem(ListView& lv, int index) {
    if (!ValidItem(lv, index)) return false;
    NotifyItem(lv, LVN_DELETEITEM, index, 0, 0, 0);
    if (!ValidItem(lv, index)) return false;  // the parent emptied the list meanwhile
    lv.items.erase(lv.items.begin() + index);
    FollowRemove(lv.mark, index);
    FollowRemove(lv.focus, index);
    FollowRemove(lv.lastSelected, index);
    if (ViewOf(lv) == LVS_ICON) ArrangeIcons(lv);
    ClampScroll(lv);
    InvalidateAll(lv);
    return true;
}

bool DeleteAllItems(ListView& lv) {
    // A parent that answers TRUE does not want one LVN_DELETEITEM per item.
    if (!NotifyItem(lv, LVN_DELETEALLITEMS, -1, 0, 0, 0))
        for (int i = 0; i < static_cast<int>(lv.items.size()); ++i) NotifyItem(lv, LVN_DELETEITEM, i, 0, 0, 0);
    lv.items.clear();
    lv.mark = lv.focus = lv.lastSelected = -1;
    lv.top = lv.scrollX = lv.scrollY = 0;
    ClampScroll(lv);
    InvalidateAll(lv);
    return true;
}

bool SetState(ListView& lv, int index, UINT state, UINT mask) {
    if (index == -1) {
        bool all = true;
        for (int i = 0; i < static_cast<int>(lv.items.size()); ++i) all = SetState(lv, i, state, mask) && all;
        return all;
    }
    if (!ValidItem(lv, index)) return false;
    const UINT old = lv.items[static_cast<std::size_t>(index)].state;
    const UINT now = (old & ~mask) | (state & mask);
    if (now == old) return true;
    if (NotifyItem(lv, LVN_ITEMCHANGING, index, LVIF_STATE, old, now)) return false;
    const bool gainsSelection = (now & LVIS_SELECTED) && !(old & LVIS_SELECTED);
    const bool gainsFocus = (now & LVIS_FOCUSED) && !(old & LVIS_FOCUSED);
    if (gainsSelection && SingleSelect(lv) && lv.lastSelected != index && ValidItem(lv, lv.lastSelected))
        SetState(lv, lv.lastSelected, 0, LVIS_SELECTED);
    if (gainsFocus && lv.focus != index && ValidItem(lv, lv.focus)) SetState(lv, lv.focus, 0, LVIS_FOCUSED);
    if (!ValidItem(lv, index)) return false;
    lv.items[static_cast<std::size_t>(index)].state = now;
    if (now & LVIS_SELECTED) lv.lastSelected = index;
    else if (lv.lastSelected == index) lv.lastSelected = -1;
    if (now & LVIS_FOCUSED) lv.focus = index;
    else if (lv.focus == index) lv.focus = -1;
    NotifyItem(lv, LVN_ITEMCHANGED, index, LVIF_STATE, old, now);
    InvalidateItem(lv, index);
    return true;
}

void SelectOnly(ListView& lv, int index) {
    if (!ValidItem(lv, index)) return;
    if (SingleSelect(lv)) {
        SetState(lv, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        lv.mark = index;
        return;
    }
    for (int i = 0; i < static_cast<int>(lv.items.size()); ++i)
        if (i != index && (lv.items[static_cast<std::size_t>(i)].state & LVIS_SELECTED)) SetState(lv, i, 0, LVIS_SELECTED);
    SetState(lv, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    lv.mark = index;
}

int NextItem(ListView& lv, int start, UINT flags) {
    const int count = static_cast<int>(lv.items.size());
    const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    const auto matches = [&](int i) { return (lv.items[static_cast<std::size_t>(i)].state & wanted) == wanted; };
    const UINT direction = flags & (LVNI_ABOVE | LVNI_BELOW | LVNI_TOLEFT | LVNI_TORIGHT);
    if (direction) {
        if (!ValidItem(lv, start)) return -1;
        const int step = ViewOf(lv) == LVS_ICON ? IconColumns(lv) : 1;
        const int delta = direction == LVNI_ABOVE ? -step : direction == LVNI_BELOW ? step
                        : direction == LVNI_TOLEFT ? (ViewOf(lv) == LVS_ICON ? -1 : 0)
                                                   : (ViewOf(lv) == LVS_ICON ? 1 : 0);
        if (delta == 0) return -1;
        for (int i = start + delta; i >= 0 && i < count; i += delta)
            if (matches(i)) return i;
        return -1;
    }
    for (int i = std::max(start + 1, 0); i < count; ++i)
        if (matches(i)) return i;
    return -1;
}

int FindItem(const ListView& lv, int start, const LVFINDINFOW& find) {
    const int count = static_cast<int>(lv.items.size());
    if (count == 0) return -1;
    const auto matches = [&](const ListItem& it) {
        if (find.flags & LVFI_PARAM) return it.param == find.lParam;
        if (!find.psz) return false;
        const std::u16string_view wanted(find.psz);
        if (find.flags & LVFI_PARTIAL)
            return it.text.size() >= wanted.size() && EqualNoCase(std::u16string_view(it.text).substr(0, wanted.size()), wanted);
        return EqualNoCase(it.text, wanted);
    };
    const int first = std::max(start + 1, 0);
    const int span = (find.flags & LVFI_WRAP) ? count : count - first;
    for (int n = 0; n < span; ++n) {
        const int i = (first + n) % count;
        if (matches(lv.items[static_cast<std::size_t>(i)])) return i;
    }
    return -1;
}

bool SortItems(ListView& lv, PFNLVCOMPARE compare, LPARAM data) {
    if (!compare) return false;
    std::vector<int> order(lv.items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compare(lv.items[static_cast<std::size_t>(a)].param, lv.items[static_cast<std::size_t>(b)].param, data) < 0;
    });
    std::vector<ListItem> sorted;
    sorted.reserve(lv.items.size());
    int mark = -1, focus = -1, last = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == lv.mark) mark = static_cast<int>(i);
        if (order[i] == lv.focus) focus = static_cast<int>(i);
        if (order[i] == lv.lastSelected) last = static_cast<int>(i);
        sorted.push_back(std::move(lv.items[static_cast<std::size_t>(order[i])]));
    }
    lv.items = std::move(sorted);
    lv.mark = mark;
    lv.focus = focus;
    lv.lastSelected = last;
    if (ViewOf(lv) == LVS_ICON) ArrangeIcons(lv);
    InvalidateAll(lv);
    return true;
}

int InsertColumn(ListView& lv, int index, const LVCOLUMNW& column) {
    if (index < 0) return -1;
    ListColumn c;
    const int at = std::min(index, static_cast<int>(lv.columns.size()));
    if (column.mask & LVCF_FMT) c.fmt = column.fmt;
    if (column.mask & LVCF_WIDTH) c.width = std::max(column.cx, 0);
    if (column.mask & LVCF_TEXT) c.text = TextOf(column.pszText);
    if (column.mask & LVCF_IMAGE) c.image = column.iImage;
    c.subItem = (column.mask & LVCF_SUBITEM) ? column.iSubItem : at;
    if (at == 0) c.fmt &= ~LVCFMT_JUSTIFYMASK;  // the first column is always left aligned
    lv.columns.insert(lv.columns.begin() + at, std::move(c));
    InvalidateAll(lv);
    return at;
}

bool SetColumn(ListView& lv, int index, const LVCOLUMNW& column) {
    if (index < 0 || static_cast<std::size_t>(index) >= lv.columns.size()) return false;
    ListColumn& c = lv.columns[static_cast<std::size_t>(index)];
    if (column.mask & LVCF_FMT) c.fmt = index == 0 ? (column.fmt & ~LVCFMT_JUSTIFYMASK) : column.fmt;
    if (column.mask & LVCF_WIDTH) c.width = std::max(column.cx, 0);
    if (column.mask & LVCF_TEXT) c.text = TextOf(column.pszText);
    if (column.mask & LVCF_IMAGE) c.image = column.iImage;
    if (column.mask & LVCF_SUBITEM) c.subItem = column.iSubItem;
    InvalidateAll(lv);
    return true;
}

bool GetColumn(const ListView& lv, int index, LVCOLUMNW& column) {
    if (index < 0 || static_cast<std::size_t>(index) >= lv.columns.size()) return false;
    const ListColumn& c = lv.columns[static_cast<std::size_t>(index)];
    if (column.mask & LVCF_FMT) column.fmt = c.fmt;
    if (column.mask & LVCF_WIDTH) column.cx = c.width;
    if (column.mask & LVCF_TEXT) CopyOut(c.text, column.pszText, column.cchTextMax);
    if (column.mask & LVCF_IMAGE) column.iImage = c.image;
    if (column.mask & LVCF_SUBITEM) column.iSubItem = c.subItem;
    if (column.mask & LVCF_ORDER) column.iOrder = index;
    return true;
}

bool DeleteColumn(ListView& lv, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= lv.columns.size()) return false;
    lv.columns.erase(lv.columns.begin() + index);
    ClampScroll(lv);
    InvalidateAll(lv);
    return true;
}

}  // namespace platform::commctrl
