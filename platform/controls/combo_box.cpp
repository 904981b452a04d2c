// The combo box as a drop-down list: a field showing the selected item and a list that drops below
// it. The items live in that list (a list box of class ComboLBox); CB_* messages are answered by it.
// Closed, Up and Down change the selection at once; dropped, the list takes the keys and the stylus,
// and Enter or a tap ends the choice (CBN_SELENDOK), Escape puts the old selection back.
#include "controls/combo_box.h"

#include <algorithm>

#include "controls/list_box.h"
#include "platform/dialogs.h"

namespace platform {
namespace {

// The fewest rows a dropped list has room for, however small the combo box was made.
constexpr int kLeastDroppedRows = 3;
// The dropped list lives among the dialog's controls; it takes an identifier no template uses, so
// that GetDlgItem never finds it in place of a control.
constexpr int kListId = 0;

ControlStates<ComboState>& States() {
    static ControlStates<ComboState> states;
    return states;
}

// Item messages that go to the list as they are (CB_* to LB_*).
struct MessageMap {
    UINT combo;
    UINT list;
};
constexpr MessageMap kForwarded[] = {
    {CB_ADDSTRING, LB_ADDSTRING},         {CB_INSERTSTRING, LB_INSERTSTRING},
    {CB_DELETESTRING, LB_DELETESTRING},   {CB_GETCOUNT, LB_GETCOUNT},
    {CB_GETLBTEXT, LB_GETTEXT},           {CB_GETLBTEXTLEN, LB_GETTEXTLEN},
    {CB_FINDSTRING, LB_FINDSTRING},       {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT},
    {CB_GETITEMDATA, LB_GETITEMDATA},     {CB_SETITEMDATA, LB_SETITEMDATA},
    {CB_GETCURSEL, LB_GETCURSEL},
};

int Selection(const ComboState& state) { return static_cast<int>(SendMessageW(state.list, LB_GETCURSEL, 0, 0)); }

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

DWORD ListStyleFor(DWORD comboStyle) {
    DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
    if (comboStyle & CBS_SORT) style |= LBS_SORT;
    if (comboStyle & CBS_HASSTRINGS) style |= LBS_HASSTRINGS;
    if (comboStyle & CBS_OWNERDRAWFIXED) style |= LBS_OWNERDRAWFIXED;
    if (comboStyle & CBS_OWNERDRAWVARIABLE) style |= LBS_OWNERDRAWVARIABLE;
    return style;
}

int FieldHeight(const ComboState& state) {
    return static_cast<int>(SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0)) + 2 * GetSystemMetrics(SM_CYBORDER) + 2;
}

// The field is one row high; the height the combo box was made with is kept for the dropped list.
void FitField(HWND hwnd, ComboState& state) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    state.droppedHeight = r.bottom - r.top;
    const int field = FieldHeight(state);
    if (field < state.droppedHeight)
        SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, field, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved later with a new height (a dialog laying itself out), it takes that height the same way;
// its own shrinking to the field changes nothing.
LRESULT OnSize(HWND hwnd, ComboState& state) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (state.list && !state.dropped && r.bottom - r.top > FieldHeight(state)) FitField(hwnd, state);
    return 0;
}

LRESULT OnCreate(HWND hwnd, ComboState& state) {
    const HWND parent = GetParent(hwnd);
    state.list = CreateWindowExW(0, WC_COMBOLBOXW, nullptr, ListStyleFor(StyleOf(hwnd)), 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), nullptr, hwnd);
    if (!state.list) return -1;
    FitField(hwnd, state);
    return 0;
}

void PlaceList(HWND hwnd, const ComboState& state) {
    RECT combo{};
    GetWindowRect(hwnd, &combo);
    const HWND parent = GetParent(hwnd);
    POINT below{combo.left, combo.bottom};
    if (parent) ScreenToClient(parent, &below);
    const int rowHeight = std::max(1, static_cast<int>(SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0)));
    // As many rows as the made height leaves room for (at least a few), and no more than there are.
    const int room = std::max(kLeastDroppedRows, (state.droppedHeight - (combo.bottom - combo.top)) / rowHeight);
    const int count = std::max(1, std::min(room, static_cast<int>(SendMessageW(state.list, LB_GETCOUNT, 0, 0))));
    const int border = 2 * GetSystemMetrics(SM_CYBORDER);
    const int height = count * rowHeight + border;
    // Without room below the field in its parent, the list opens above it.
    if (parent) {
        RECT area{};
        GetClientRect(parent, &area);
        POINT above{combo.left, combo.top};
        ScreenToClient(parent, &above);
        if (below.y + height > area.bottom && above.y - height >= area.top) below.y = above.y - height;
    }
    SetWindowPos(state.list, HWND_TOP, below.x, below.y, combo.right - combo.left, height, 0);
}

void Drop(HWND hwnd, ComboState& state, bool drop) {
    if (state.dropped == drop || !state.list) return;
    if (drop) {
        NotifyParent(hwnd, CBN_DROPDOWN);
        state.selectionAtDrop = Selection(state);
        PlaceList(hwnd, state);
        ShowWindow(state.list, SW_SHOWNA);
        BringWindowToTop(state.list);
        // The list holds the pen, so that a tap anywhere else closes it.
        SetCapture(state.list);
        SendMessageW(state.list, LB_SETCARETINDEX, std::max(state.selectionAtDrop, 0), 0);
    } else {
        ShowWindow(state.list, SW_HIDE);
    }
    state.dropped = drop;
    Redraw(hwnd);
    if (!drop) NotifyParent(hwnd, CBN_CLOSEUP);
}

// Ends a drop: kept (CBN_SELENDOK) or put back as it was (CBN_SELENDCANCEL).
void EndDrop(HWND hwnd, ComboState& state, bool keep) {
    if (!state.dropped) return;
    if (!keep && Selection(state) != state.selectionAtDrop) {
        SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(state.selectionAtDrop), 0);
        NotifyParent(hwnd, CBN_SELCHANGE);
    }
    NotifyParent(hwnd, keep ? CBN_SELENDOK : CBN_SELENDCANCEL);
    Drop(hwnd, state, false);
}

void Step(HWND hwnd, ComboState& state, int to) {
    const int count = static_cast<int>(SendMessageW(state.list, LB_GETCOUNT, 0, 0));
    if (count == 0) return;
    to = std::clamp(to, 0, count - 1);
    if (to == Selection(state)) return;
    SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(to), 0);
    Redraw(hwnd);
    NotifyParent(hwnd, CBN_SELCHANGE);
}

LRESULT OnKeyDown(HWND hwnd, ComboState& state, WPARAM key) {
    const int current = Selection(state);
    const int count = static_cast<int>(SendMessageW(state.list, LB_GETCOUNT, 0, 0));
    switch (key) {
    case VK_F4: state.dropped ? EndDrop(hwnd, state, true) : Drop(hwnd, state, true); break;
    case VK_RETURN: EndDrop(hwnd, state, true); break;
    case VK_ESCAPE: EndDrop(hwnd, state, false); break;
    case VK_UP:
    case VK_LEFT: Step(hwnd, state, current < 0 ? 0 : current - 1); break;
    case VK_DOWN:
    case VK_RIGHT: Step(hwnd, state, current < 0 ? 0 : current + 1); break;
    case VK_HOME: Step(hwnd, state, 0); break;
    case VK_END: Step(hwnd, state, count - 1); break;
    default: break;
    }
    return 0;
}

LRESULT OnGetDlgCode(const ComboState& state, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While dropped, Enter and Escape end the drop instead of the dialog.
    if (const auto* msg = reinterpret_cast<const MSG*>(lParam); state.dropped && msg && msg->message == WM_KEYDOWN &&
                                                               (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

// What the dropped list tells the combo box.
LRESULT OnListCommand(HWND hwnd, ComboState& state, WORD code) {
    if (code == LBN_SELCHANGE) {
        Redraw(hwnd);
        NotifyParent(hwnd, CBN_SELCHANGE);
    } else if (code == kListPenLifted || code == LBN_DBLCLK) {
        EndDrop(hwnd, state, true);
        SetFocus(hwnd);
    } else if (code == kListPenOutside) {
        EndDrop(hwnd, state, true);
    }
    return 0;
}

// Owner-draw requests of the list go to the combo box's parent as the combo box's own.
LRESULT ForwardOwnerDraw(HWND hwnd, UINT message, LPARAM lParam) {
    const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
    switch (message) {
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->CtlType = ODT_COMBOBOX;
        m->CtlID = id;
        break;
    }
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        d->CtlType = ODT_COMBOBOX;
        d->CtlID = id;
        break;
    }
    case WM_DELETEITEM: {
        auto* d = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
        d->CtlType = ODT_COMBOBOX;
        d->CtlID = id;
        d->hwndItem = hwnd;
        break;
    }
    default: break;
    }
    const HWND parent = GetParent(hwnd);
    return parent ? SendMessageW(parent, message, id, lParam) : 0;
}

LRESULT OnGetText(const ComboState& state, WPARAM outChars, LPARAM out) {
    auto* buffer = reinterpret_cast<LPWSTR>(out);
    if (!buffer || outChars == 0) return 0;
    const std::u16string text = ComboSelectionText(state);
    const std::size_t n = std::min<std::size_t>(text.size(), outChars - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<LRESULT>(n);
}

LRESULT ComboMessage(HWND hwnd, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageMap& m : kForwarded)
        if (m.combo == message) {
            const LRESULT result = SendMessageW(state.list, m.list, wParam, lParam);
            if (message == CB_DELETESTRING) Redraw(hwnd);
            return result;
        }
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd, state);
    case WM_DESTROY:
        if (state.list) DestroyWindow(state.list);
        state.list = nullptr;
        return 0;
    case WM_GETDLGCODE: return OnGetDlgCode(state, lParam);
    case CB_SETCURSEL: {
        const LRESULT result = SendMessageW(state.list, LB_SETCURSEL, wParam, 0);
        Redraw(hwnd);
        return result;
    }
    case CB_SELECTSTRING: {
        const LRESULT result = SendMessageW(state.list, LB_SELECTSTRING, wParam, lParam);
        Redraw(hwnd);
        return result;
    }
    case CB_RESETCONTENT: SendMessageW(state.list, LB_RESETCONTENT, 0, 0); Redraw(hwnd); return CB_OKAY;
    case CB_SHOWDROPDOWN: Drop(hwnd, state, wParam != 0); return TRUE;
    case CB_GETDROPPEDSTATE: return state.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        if (auto* r = reinterpret_cast<RECT*>(lParam)) {
            PlaceList(hwnd, state);
            GetWindowRect(state.list, r);
        }
        return TRUE;
    case CB_SETITEMHEIGHT: return SendMessageW(state.list, LB_SETITEMHEIGHT, static_cast<int>(wParam) < 0 ? 0 : wParam, lParam);
    case CB_GETITEMHEIGHT: return SendMessageW(state.list, LB_GETITEMHEIGHT, static_cast<int>(wParam) < 0 ? 0 : wParam, 0);
    case WM_GETTEXT: return OnGetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(ComboSelectionText(state).size());
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == state.list) return OnListCommand(hwnd, state, HIWORD(wParam));
        return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_DELETEITEM: return ForwardOwnerDraw(hwnd, message, lParam);
    case WM_KEYDOWN: return OnKeyDown(hwnd, state, wParam);
    case WM_CHAR:
        // A typed character moves to the next item that begins with it.
        SendMessageW(state.list, WM_CHAR, wParam, lParam);
        Redraw(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        state.dropped ? EndDrop(hwnd, state, true) : Drop(hwnd, state, true);
        return 0;
    case WM_SETFOCUS:
        state.focused = true;
        Redraw(hwnd);
        NotifyParent(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state.focused = false;
        // Focus going to the dropped list itself keeps the drop.
        if (reinterpret_cast<HWND>(wParam) != state.list) EndDrop(hwnd, state, true);
        Redraw(hwnd);
        NotifyParent(hwnd, CBN_KILLFOCUS);
        return 0;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        SendMessageW(state.list, WM_SETFONT, wParam, lParam);
        if (lParam) Redraw(hwnd);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE: Redraw(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintComboBox(hwnd, state); return 0;
    case WM_SIZE: return OnSize(hwnd, state);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithControlState(States(), hwnd, message, wParam, lParam, ComboMessage);
}

}  // namespace

std::u16string ComboSelectionText(const ComboState& state) {
    const auto list = FindListBoxState(state.list);
    if (!list || list->selection < 0 || list->selection >= static_cast<int>(list->items.size())) return {};
    return list->items[static_cast<std::size_t>(list->selection)].text;
}

void RegisterComboBoxClass() { RegisterControlClass(WC_COMBOBOXW, ComboBoxProc); }

}  // namespace platform
