// The list box: items with texts and item data, kept sorted when asked; one selection, or several
// (LBS_MULTIPLESEL toggles, LBS_EXTENDEDSEL selects ranges); moved by the keys and the stylus,
// scrolled to keep the focused item in view; owner-drawn rows are measured and drawn by the owner.
// Indexes out of range give LB_ERR and change nothing.
#include "controls/list_box.h"

#include <algorithm>
#include <cstring>

#include "controls/scroll_bar.h"
#include "platform/dialogs.h"
#include "platform/text.h"

namespace platform {
namespace {

// The tallest item LB_SETITEMHEIGHT takes.
constexpr UINT kMostItemHeight = 255;

ControlStates<ListBoxState>& States() {
    static ControlStates<ListBoxState> states;
    return states;
}

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }
bool Valid(const ListBoxState& state, int index) { return index >= 0 && index < Count(state); }

HWND OwnerOf(HWND hwnd, const ListBoxState& state) { return state.owner ? state.owner : GetParent(hwnd); }

void Notify(HWND hwnd, const ListBoxState& state, int code) {
    if (!(StyleOf(hwnd) & LBS_NOTIFY)) return;
    if (const HWND owner = OwnerOf(hwnd, state))
        SendMessageW(owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

void Redraw(HWND hwnd, const ListBoxState& state) {
    if (state.redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

UINT HeightOf(HWND hwnd, const ListBoxState& state, int index) {
    if ((StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) && Valid(state, index) && state.items[static_cast<std::size_t>(index)].height)
        return state.items[static_cast<std::size_t>(index)].height;
    return state.itemHeight ? state.itemHeight : DefaultItemHeight(hwnd, state.font);
}

int ClientHeight(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r.bottom - r.top;
}

// How many items fit wholly from `top` on (at least one).
int FittingFrom(HWND hwnd, const ListBoxState& state, int top) {
    const int height = ClientHeight(hwnd);
    int used = 0;
    int n = 0;
    for (int i = top; i < Count(state); ++i) {
        used += static_cast<int>(HeightOf(hwnd, state, i));
        if (used > height) break;
        ++n;
    }
    return std::max(n, 1);
}

void UpdateScrollBar(HWND hwnd, const ListBoxState& state) {
    if (!(StyleOf(hwnd) & WS_VSCROLL)) return;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(Count(state) - 1, 0),
                    static_cast<UINT>(FittingFrom(hwnd, state, state.top)), state.top, 0};
    if (StyleOf(hwnd) & LBS_DISABLENOSCROLL) info.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(hwnd, SB_VERT, &info, state.redraw);
}

// The highest top that still fills the list.
int MostTop(HWND hwnd, const ListBoxState& state) {
    const int height = ClientHeight(hwnd);
    int used = 0;
    for (int i = Count(state) - 1; i >= 0; --i) {
        used += static_cast<int>(HeightOf(hwnd, state, i));
        if (used > height) return std::min(i + 1, Count(state) - 1);
    }
    return 0;
}

void SetTop(HWND hwnd, ListBoxState& state, int top) {
    top = std::clamp(top, 0, std::max(MostTop(hwnd, state), 0));
    if (top == state.top) return;
    state.top = top;
    UpdateScrollBar(hwnd, state);
    Redraw(hwnd, state);
}

void EnsureVisible(HWND hwnd, ListBoxState& state, int index) {
    if (!Valid(state, index)) return;
    if (index < state.top) {
        SetTop(hwnd, state, index);
        return;
    }
    int top = state.top;
    while (top < index && index >= top + FittingFrom(hwnd, state, top)) ++top;
    SetTop(hwnd, state, top);
}

// Without LBS_NOINTEGRALHEIGHT a list box is as high as a whole number of its rows, so no row is
// shown cut: as many rows as fit in the height it was given, and never less than one. The fitting
// starts from that height every time, so a row that grows or shrinks with a new font is fitted
// anew rather than from an earlier fitting. A combo box's list is sized by its combo box.
void FitWholeRows(HWND hwnd, ListBoxState& state) {
    if (state.owner || (StyleOf(hwnd) & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE))) return;
    const int row = static_cast<int>(HeightOf(hwnd, state, -1));
    if (row <= 0 || state.askedHeight <= 0) return;
    const int height = ClientHeight(hwnd);
    const int fitted = std::max(state.askedHeight / row, 1) * row;
    if (fitted == height) return;
    RECT window{};
    GetWindowRect(hwnd, &window);
    state.fitting = true;
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - height + fitted,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    state.fitting = false;
}

bool IsSelected(HWND hwnd, const ListBoxState& state, int index) {
    if (!Valid(state, index)) return false;
    return ListIsMulti(hwnd) ? state.items[static_cast<std::size_t>(index)].selected : state.selection == index;
}

void SendDeleteItem(HWND hwnd, const ListBoxState& state, int index) {
    if (!ListIsOwnerDraw(hwnd)) return;
    const HWND owner = OwnerOf(hwnd, state);
    if (!owner) return;
    DELETEITEMSTRUCT item{ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID(hwnd)), static_cast<UINT>(index), hwnd,
                          state.items[static_cast<std::size_t>(index)].data};
    SendMessageW(owner, WM_DELETEITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void Measure(HWND hwnd, ListBoxState& state, int index) {
    const DWORD style = StyleOf(hwnd);
    const HWND owner = OwnerOf(hwnd, state);
    if (!owner || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE))) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    MEASUREITEMSTRUCT m{ODT_LISTBOX, static_cast<UINT>(GetDlgCtrlID(hwnd)), static_cast<UINT>(std::max(index, 0)),
                        static_cast<UINT>(client.right), DefaultItemHeight(hwnd, state.font),
                        Valid(state, index) ? state.items[static_cast<std::size_t>(index)].data : 0};
    SendMessageW(owner, WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
    const UINT height = std::clamp<UINT>(m.itemHeight, 1, kMostItemHeight);
    if ((style & LBS_OWNERDRAWVARIABLE) && Valid(state, index)) state.items[static_cast<std::size_t>(index)].height = height;
    else state.itemHeight = height;
}

// Where a new text goes in a sorted list: after the items that compare equal or less.
int SortedPosition(const ListBoxState& state, std::u16string_view text) {
    const auto it = std::upper_bound(state.items.begin(), state.items.end(), text, [](std::u16string_view t, const ListItem& item) {
        return CompareNoCase(t, item.text) < 0;
    });
    return static_cast<int>(it - state.items.begin());
}

LRESULT Insert(HWND hwnd, ListBoxState& state, int index, LPARAM value, bool sorted) {
    ListItem item;
    if (ListHasStrings(hwnd)) {
        const auto* text = reinterpret_cast<LPCWSTR>(value);
        item.text = text ? text : u"";
    } else {
        item.data = static_cast<ULONG_PTR>(value);
    }
    if (sorted && ListHasStrings(hwnd)) index = SortedPosition(state, item.text);
    else if (index == -1) index = Count(state);
    if (index < 0 || index > Count(state)) return LB_ERR;
    state.items.insert(state.items.begin() + index, std::move(item));
    for (int* mark : {&state.selection, &state.caret, &state.anchor})
        if (*mark >= index) ++*mark;
    if (StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) Measure(hwnd, state, index);
    UpdateScrollBar(hwnd, state);
    Redraw(hwnd, state);
    return index;
}

LRESULT Delete(HWND hwnd, ListBoxState& state, int index) {
    if (!Valid(state, index)) return LB_ERR;
    SendDeleteItem(hwnd, state, index);
    state.items.erase(state.items.begin() + index);
    for (int* mark : {&state.selection, &state.caret, &state.anchor}) {
        if (*mark == index) *mark = -1;
        else if (*mark > index) --*mark;
    }
    state.top = std::clamp(state.top, 0, std::max(MostTop(hwnd, state), 0));
    UpdateScrollBar(hwnd, state);
    Redraw(hwnd, state);
    return Count(state);
}

void Reset(HWND hwnd, ListBoxState& state) {
    for (int i = 0; i < Count(state); ++i) SendDeleteItem(hwnd, state, i);
    state.items.clear();
    state.selection = state.caret = state.anchor = -1;
    state.top = 0;
    UpdateScrollBar(hwnd, state);
    Redraw(hwnd, state);
}

LRESULT SetCurSel(HWND hwnd, ListBoxState& state, int index) {
    if (ListIsMulti(hwnd)) return LB_ERR;
    if (index == -1) {
        state.selection = -1;
        Redraw(hwnd, state);
        return LB_ERR;
    }
    if (!Valid(state, index)) return LB_ERR;
    state.selection = state.caret = state.anchor = index;
    EnsureVisible(hwnd, state, index);
    Redraw(hwnd, state);
    return index;
}

void SelectRange(ListBoxState& state, int first, int last, bool select) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, Count(state) - 1);
    for (int i = first; i <= last; ++i) state.items[static_cast<std::size_t>(i)].selected = select;
}

LRESULT SetSel(HWND hwnd, ListBoxState& state, bool select, int index) {
    if (!ListIsMulti(hwnd)) return LB_ERR;
    if (index == -1) {
        SelectRange(state, 0, Count(state) - 1, select);
    } else {
        if (!Valid(state, index)) return LB_ERR;
        state.items[static_cast<std::size_t>(index)].selected = select;
        state.caret = index;
    }
    Redraw(hwnd, state);
    return 0;
}

LRESULT GetSelItems(HWND hwnd, const ListBoxState& state, int most, int* out) {
    if (!ListIsMulti(hwnd)) return LB_ERR;
    if (!out) return 0;
    int n = 0;
    for (int i = 0; i < Count(state) && n < most; ++i)
        if (state.items[static_cast<std::size_t>(i)].selected) out[n++] = i;
    return n;
}

LRESULT GetText(HWND hwnd, const ListBoxState& state, int index, LPARAM out) {
    if (!Valid(state, index)) return LB_ERR;
    const ListItem& item = state.items[static_cast<std::size_t>(index)];
    if (!ListHasStrings(hwnd)) {
        if (out) std::memcpy(reinterpret_cast<void*>(out), &item.data, sizeof(item.data));
        return static_cast<LRESULT>(sizeof(item.data));
    }
    // The caller sized the buffer with LB_GETTEXTLEN.
    if (auto* buffer = reinterpret_cast<LPWSTR>(out)) {
        std::copy(item.text.begin(), item.text.end(), buffer);
        buffer[item.text.size()] = 0;
    }
    return static_cast<LRESULT>(item.text.size());
}

// The first item after `start` (wrapping, -1 for the whole list) whose text begins with or equals `text`.
LRESULT Find(HWND hwnd, const ListBoxState& state, int start, LPCWSTR text, bool exact) {
    if (!text || state.items.empty()) return LB_ERR;
    const std::u16string_view wanted(text);
    const int n = Count(state);
    const int first = start < 0 || start >= n ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        const ListItem& item = state.items[static_cast<std::size_t>(i)];
        if (!ListHasStrings(hwnd)) {
            if (item.data == reinterpret_cast<ULONG_PTR>(text)) return i;
            continue;
        }
        const std::u16string_view candidate = exact ? std::u16string_view(item.text)
                                                    : std::u16string_view(item.text).substr(0, wanted.size());
        if (EqualNoCase(candidate, wanted)) return i;
    }
    return LB_ERR;
}

LRESULT GetItemRect(HWND hwnd, const ListBoxState& state, int index, RECT* out) {
    if (!Valid(state, index) || !out) return LB_ERR;
    *out = ListItemRect(hwnd, state, index);
    return 0;
}

LRESULT ItemFromPoint(HWND hwnd, const ListBoxState& state, POINT pt) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool outside = !PtInRect(&client, pt);
    int y = 0;
    const int targetY = std::max<int>(pt.y, 0);
    for (int i = state.top; i < Count(state); ++i) {
        y += static_cast<int>(HeightOf(hwnd, state, i));
        if (targetY < y) return MAKELRESULT(i, outside ? 1 : 0);
    }
    return MAKELRESULT(std::max(Count(state) - 1, 0), 1);
}

// A move of the focus by the user: selects (single, extended) or only moves the caret (multiple).
void UserMove(HWND hwnd, ListBoxState& state, int index) {
    if (state.items.empty()) return;
    index = std::clamp(index, 0, Count(state) - 1);
    const DWORD style = StyleOf(hwnd);
    if (style & LBS_NOSEL) {
        state.caret = index;
    } else if (style & LBS_EXTENDEDSEL) {
        const int anchor = ShiftDown() && state.anchor >= 0 ? state.anchor : index;
        SelectRange(state, 0, Count(state) - 1, false);
        SelectRange(state, anchor, index, true);
        state.anchor = anchor;
        state.caret = index;
    } else if (style & LBS_MULTIPLESEL) {
        state.caret = index;
    } else {
        const bool changed = state.selection != index;
        state.selection = state.caret = state.anchor = index;
        EnsureVisible(hwnd, state, index);
        Redraw(hwnd, state);
        if (changed) Notify(hwnd, state, LBN_SELCHANGE);
        return;
    }
    EnsureVisible(hwnd, state, index);
    Redraw(hwnd, state);
    if (!(style & (LBS_MULTIPLESEL | LBS_NOSEL))) Notify(hwnd, state, LBN_SELCHANGE);
}

// The item the keys move from: the selection of a single-selection list, else the focus rectangle.
int Current(HWND hwnd, const ListBoxState& state) { return ListIsMulti(hwnd) ? state.caret : state.selection; }

LRESULT OnKeyDown(HWND hwnd, ListBoxState& state, WPARAM key) {
    const int current = Current(hwnd, state);
    const int page = FittingFrom(hwnd, state, state.top);
    switch (key) {
    case VK_UP:
    case VK_LEFT: UserMove(hwnd, state, current < 0 ? 0 : current - 1); break;
    case VK_DOWN:
    case VK_RIGHT: UserMove(hwnd, state, current < 0 ? 0 : current + 1); break;
    case VK_PRIOR: UserMove(hwnd, state, current - page + 1); break;
    case VK_NEXT: UserMove(hwnd, state, current + page - 1); break;
    case VK_HOME: UserMove(hwnd, state, 0); break;
    case VK_END: UserMove(hwnd, state, Count(state) - 1); break;
    case VK_SPACE:
        if ((StyleOf(hwnd) & LBS_MULTIPLESEL) && Valid(state, state.caret)) {
            ListItem& item = state.items[static_cast<std::size_t>(state.caret)];
            item.selected = !item.selected;
            Redraw(hwnd, state);
            Notify(hwnd, state, LBN_SELCHANGE);
        }
        break;
    default: break;
    }
    return 0;
}

// A typed character moves to the next item that begins with it.
LRESULT OnChar(HWND hwnd, ListBoxState& state, WCHAR c) {
    if (c <= u' ' || !ListHasStrings(hwnd)) return 0;
    const WCHAR text[2] = {c, 0};
    const LRESULT found = Find(hwnd, state, Current(hwnd, state), text, false);
    if (found != LB_ERR) UserMove(hwnd, state, static_cast<int>(found));
    return 0;
}

LRESULT OnPenDown(HWND hwnd, ListBoxState& state, LPARAM lParam, bool doubleTap) {
    if (TapWindowBar(hwnd, lParam)) return 0;
    if (GetFocus() != hwnd && !state.owner) SetFocus(hwnd);
    const LRESULT hit = ItemFromPoint(hwnd, state, PointOf(lParam));
    if (state.owner) {
        RECT client{};
        GetClientRect(hwnd, &client);
        if (!PtInRect(&client, PointOf(lParam))) {
            SendMessageW(state.owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), kListPenOutside), reinterpret_cast<LPARAM>(hwnd));
            return 0;
        }
    }
    if (HIWORD(hit) || state.items.empty()) return 0;
    const int index = LOWORD(hit);
    const DWORD style = StyleOf(hwnd);
    if ((style & LBS_MULTIPLESEL) && !(style & LBS_EXTENDEDSEL)) {
        ListItem& item = state.items[static_cast<std::size_t>(index)];
        if (!doubleTap) item.selected = !item.selected;
        state.caret = index;
        Redraw(hwnd, state);
        Notify(hwnd, state, LBN_SELCHANGE);
    } else {
        UserMove(hwnd, state, index);
    }
    if (doubleTap) {
        Notify(hwnd, state, LBN_DBLCLK);
        return 0;
    }
    state.tracking = true;
    SetCapture(hwnd);
    return 0;
}

LRESULT OnPenMove(HWND hwnd, ListBoxState& state, LPARAM lParam) {
    if (DragWindowBar(hwnd, lParam)) return 0;
    if (!state.tracking || ListIsMulti(hwnd)) return 0;
    const POINT pt = PointOf(lParam);
    const int current = Current(hwnd, state);
    // Dragging above or below the list moves the selection on by one item.
    if (pt.y < 0) UserMove(hwnd, state, current - 1);
    else if (pt.y >= ClientHeight(hwnd)) UserMove(hwnd, state, current + 1);
    else if (const LRESULT hit = ItemFromPoint(hwnd, state, pt); !HIWORD(hit)) UserMove(hwnd, state, LOWORD(hit));
    return 0;
}

LRESULT OnPenUp(HWND hwnd, ListBoxState& state) {
    if (EndWindowBarDrag(hwnd)) return 0;
    if (!state.tracking) return 0;
    state.tracking = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    // The combo box closes its list when the pen lifts.
    if (state.owner) SendMessageW(state.owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), kListPenLifted), reinterpret_cast<LPARAM>(hwnd));
    return 0;
}

LRESULT OnVScroll(HWND hwnd, ListBoxState& state, WPARAM action) {
    const int page = FittingFrom(hwnd, state, state.top);
    switch (LOWORD(action)) {
    case SB_LINEUP: SetTop(hwnd, state, state.top - 1); break;
    case SB_LINEDOWN: SetTop(hwnd, state, state.top + 1); break;
    case SB_PAGEUP: SetTop(hwnd, state, state.top - page); break;
    case SB_PAGEDOWN: SetTop(hwnd, state, state.top + page); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetTop(hwnd, state, HIWORD(action)); break;
    case SB_TOP: SetTop(hwnd, state, 0); break;
    case SB_BOTTOM: SetTop(hwnd, state, Count(state)); break;
    default: break;
    }
    return 0;
}

LRESULT OnFocus(HWND hwnd, ListBoxState& state, bool focused) {
    state.focused = focused;
    if (focused && state.caret < 0 && !state.items.empty()) state.caret = std::max(state.selection, 0);
    Redraw(hwnd, state);
    Notify(hwnd, state, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
    return 0;
}

LRESULT ListMessage(HWND hwnd, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case WM_CREATE:
        if (StyleOf(hwnd) & LBS_OWNERDRAWFIXED) Measure(hwnd, state, -1);
        state.askedHeight = ClientHeight(hwnd);
        FitWholeRows(hwnd, state);
        return 0;
    case WM_GETDLGCODE: {
        // A spin list leaves Up and Down to the dialog, so the keys move on to the next field.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (state.spinner && pending && pending->message == WM_KEYDOWN && (pending->wParam == VK_UP || pending->wParam == VK_DOWN))
            return DLGC_WANTCHARS;
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    case LB_ADDSTRING: return Insert(hwnd, state, -1, lParam, (StyleOf(hwnd) & LBS_SORT) != 0);
    case LB_INSERTSTRING: return Insert(hwnd, state, index, lParam, false);
    case LB_DELETESTRING: return Delete(hwnd, state, index);
    case LB_RESETCONTENT: Reset(hwnd, state); return 0;
    case LB_GETCOUNT: return Count(state);
    case LB_SETCURSEL: return SetCurSel(hwnd, state, index);
    case LB_GETCURSEL: {
        // A several-selection list answers with its focus rectangle.
        const int current = Current(hwnd, state);
        return current >= 0 ? current : LB_ERR;
    }
    case LB_SETSEL: return SetSel(hwnd, state, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL: return Valid(state, index) ? (IsSelected(hwnd, state, index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
        if (!ListIsMulti(hwnd)) return LB_ERR;
        return std::count_if(state.items.begin(), state.items.end(), [](const ListItem& i) { return i.selected; });
    case LB_GETSELITEMS: return GetSelItems(hwnd, state, index, reinterpret_cast<int*>(lParam));
    case LB_SELITEMRANGE:
        if (!ListIsMulti(hwnd)) return LB_ERR;
        SelectRange(state, LOWORD(lParam), HIWORD(lParam), wParam != 0);
        Redraw(hwnd, state);
        return 0;
    case LB_SELITEMRANGEEX: {
        if (!ListIsMulti(hwnd)) return LB_ERR;
        const int last = static_cast<int>(lParam);
        SelectRange(state, index, last, index <= last);
        Redraw(hwnd, state);
        return 0;
    }
    case LB_GETTEXT: return GetText(hwnd, state, index, lParam);
    case LB_GETTEXTLEN:
        if (!Valid(state, index)) return LB_ERR;
        return ListHasStrings(hwnd) ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].text.size())
                                    : static_cast<LRESULT>(sizeof(ULONG_PTR));
    case LB_GETITEMDATA: return Valid(state, index) ? static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(state, index)) return LB_ERR;
        state.items[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
        return TRUE;
    case LB_FINDSTRING: return Find(hwnd, state, index, reinterpret_cast<LPCWSTR>(lParam), false);
    case LB_FINDSTRINGEXACT: return Find(hwnd, state, index, reinterpret_cast<LPCWSTR>(lParam), true);
    case LB_SELECTSTRING: {
        const LRESULT found = Find(hwnd, state, index, reinterpret_cast<LPCWSTR>(lParam), false);
        if (found == LB_ERR) return LB_ERR;
        if (ListIsMulti(hwnd)) return SetSel(hwnd, state, true, static_cast<int>(found)) == LB_ERR ? LB_ERR : found;
        return SetCurSel(hwnd, state, static_cast<int>(found));
    }
    case LB_GETTOPINDEX: return state.top;
    case LB_SETTOPINDEX:
        if (!Valid(state, index)) return LB_ERR;
        SetTop(hwnd, state, index);
        return 0;
    case LB_GETITEMHEIGHT: return HeightOf(hwnd, state, index);
    case LB_SETITEMHEIGHT: {
        const UINT height = LOWORD(lParam);
        if (height == 0 || height > kMostItemHeight) return LB_ERR;
        if ((StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) && Valid(state, index)) state.items[static_cast<std::size_t>(index)].height = height;
        else state.itemHeight = height;
        FitWholeRows(hwnd, state);
        UpdateScrollBar(hwnd, state);
        Redraw(hwnd, state);
        return 0;
    }
    case LB_GETITEMRECT: return GetItemRect(hwnd, state, index, reinterpret_cast<RECT*>(lParam));
    case LB_ITEMFROMPOINT: return ItemFromPoint(hwnd, state, PointOf(lParam));
    case LB_SETCARETINDEX:
        if (!Valid(state, index)) return LB_ERR;
        state.caret = index;
        if (!lParam) EnsureVisible(hwnd, state, index);
        Redraw(hwnd, state);
        return 0;
    case LB_GETCARETINDEX: return state.caret >= 0 ? state.caret : (ListIsMulti(hwnd) ? 0 : state.selection);
    case LB_SETANCHORINDEX:
        if (!Valid(state, index)) return LB_ERR;
        state.anchor = index;
        return 0;
    case LB_GETANCHORINDEX: return state.anchor;
    case WM_KEYDOWN: return OnKeyDown(hwnd, state, wParam);
    case WM_CHAR: return OnChar(hwnd, state, static_cast<WCHAR>(wParam));
    case WM_LBUTTONDOWN: return OnPenDown(hwnd, state, lParam, false);
    case WM_LBUTTONDBLCLK: return OnPenDown(hwnd, state, lParam, true);
    case WM_MOUSEMOVE: return OnPenMove(hwnd, state, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, state);
    case WM_CAPTURECHANGED:
        state.tracking = false;
        CancelWindowBarDrag(hwnd);
        return 0;
    case WM_VSCROLL: return OnVScroll(hwnd, state, wParam);
    case WM_SETFOCUS: return OnFocus(hwnd, state, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, state, false);
    case WM_SIZE:
        if (!state.fitting) state.askedHeight = ClientHeight(hwnd);
        FitWholeRows(hwnd, state);
        state.top = std::clamp(state.top, 0, std::max(MostTop(hwnd, state), 0));
        UpdateScrollBar(hwnd, state);
        return 0;
    case WM_SETREDRAW:
        state.redraw = wParam != 0;
        if (state.redraw) {
            UpdateScrollBar(hwnd, state);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        if (!ListIsOwnerDraw(hwnd)) state.itemHeight = 0;
        FitWholeRows(hwnd, state);
        if (lParam) Redraw(hwnd, state);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE: Redraw(hwnd, state); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintListBox(hwnd, state); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto state = States().Create(hwnd);
        WCHAR className[16] = {};
        GetClassNameW(hwnd, className, 16);
        // The list of a combo box names the combo box in its creation parameter.
        if (const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam); cs && EqualNoCase(className, WC_COMBOLBOXW))
            state->owner = static_cast<HWND>(cs->lpCreateParams);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const auto state = States().Find(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Reset(hwnd, *state);
        States().Destroy(hwnd);
        return 0;
    }
    return ListMessage(hwnd, *state, message, wParam, lParam);
}

}  // namespace

bool ListIsMulti(HWND hwnd) { return (StyleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

bool ListIsOwnerDraw(HWND hwnd) { return (StyleOf(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }

bool ListHasStrings(HWND hwnd) {
    const DWORD style = StyleOf(hwnd);
    return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
}

RECT ListItemRect(HWND hwnd, const ListBoxState& state, int index) {
    RECT client{};
    GetClientRect(hwnd, &client);
    int y = 0;
    if (index >= state.top)
        for (int i = state.top; i < index; ++i) y += static_cast<int>(HeightOf(hwnd, state, i));
    else
        for (int i = index; i < state.top; ++i) y -= static_cast<int>(HeightOf(hwnd, state, i));
    return {0, y, client.right, y + static_cast<LONG>(HeightOf(hwnd, state, index))};
}

std::shared_ptr<ListBoxState> FindListBoxState(HWND hwnd) { return States().Find(hwnd); }

void RegisterListBoxClasses() {
    RegisterControlClass(WC_LISTBOXW, ListBoxProc);
    RegisterControlClass(WC_COMBOLBOXW, ListBoxProc);
}

}  // namespace platform
