// The button control: push buttons (default or not), check boxes (two and three states), radio
// buttons, group boxes and owner-drawn buttons. It takes the stylus (pressed while the pen is on it,
// clicked when lifted over it) and the space bar, checks itself for the automatic kinds, and tells its
// parent BN_CLICKED.
#include "controls/button.h"

#include "platform/dialogs.h"

namespace platform {
namespace {

ControlStates<ButtonState>& States() {
    static ControlStates<ButtonState> states;
    return states;
}

bool IsCheckKind(DWORD type) {
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
    }
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// An automatic radio button that becomes checked unchecks the others of its group.
void UncheckGroupPeers(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return;
    HWND peer = GetNextDlgGroupItem(parent, hwnd, FALSE);
    for (int guard = 0; peer && peer != hwnd && guard < 1000; ++guard) {
        if ((StyleOf(peer) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) SendMessageW(peer, BM_SETCHECK, BST_UNCHECKED, 0);
        peer = GetNextDlgGroupItem(parent, peer, FALSE);
    }
}

void Click(HWND hwnd, ButtonState& state) {
    switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX: SendMessageW(hwnd, BM_SETCHECK, state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0); break;
    case BS_AUTO3STATE: SendMessageW(hwnd, BM_SETCHECK, (state.check + 1) % 3, 0); break;
    case BS_AUTORADIOBUTTON:
        if (state.check != BST_CHECKED) {
            SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
            UncheckGroupPeers(hwnd);
        }
        break;
    default: break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

void SetPushed(HWND hwnd, ButtonState& state, bool pushed) {
    if (state.pushed == pushed) return;
    state.pushed = pushed;
    Redraw(hwnd);
}

LRESULT OnSetCheck(HWND hwnd, ButtonState& state, WPARAM check) {
    if (!IsCheckKind(ButtonType(hwnd))) return 0;
    const DWORD type = ButtonType(hwnd);
    // Only the three-state kinds take the third state.
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) check = BST_CHECKED;
    const int next = check > BST_INDETERMINATE ? BST_CHECKED : static_cast<int>(check);
    if (next != state.check) {
        state.check = next;
        Redraw(hwnd);
    }
    return 0;
}

LRESULT OnGetDlgCode(HWND hwnd) {
    switch (ButtonType(hwnd)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

LRESULT OnPenDown(HWND hwnd, ButtonState& state) {
    if (ButtonType(hwnd) == BS_GROUPBOX) return 0;
    SetFocus(hwnd);
    SetCapture(hwnd);
    state.tracking = true;
    SetPushed(hwnd, state, true);
    return 0;
}

LRESULT OnPenMove(HWND hwnd, ButtonState& state, LPARAM lParam) {
    if (!state.tracking) return 0;
    RECT client{};
    GetClientRect(hwnd, &client);
    SetPushed(hwnd, state, PtInRect(&client, PointOf(lParam)) != FALSE);
    return 0;
}

LRESULT OnPenUp(HWND hwnd, ButtonState& state, LPARAM lParam) {
    if (!state.tracking) return 0;
    state.tracking = false;
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool inside = PtInRect(&client, PointOf(lParam)) != FALSE;
    SetPushed(hwnd, state, false);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (inside) Click(hwnd, state);
    return 0;
}

LRESULT OnKey(HWND hwnd, ButtonState& state, UINT message, WPARAM key) {
    if (key != VK_SPACE || ButtonType(hwnd) == BS_GROUPBOX) return 0;
    if (message == WM_KEYDOWN) {
        SetPushed(hwnd, state, true);
    } else if (state.pushed) {
        SetPushed(hwnd, state, false);
        Click(hwnd, state);
    }
    return 0;
}

LRESULT OnFocus(HWND hwnd, ButtonState& state, bool focused) {
    state.focused = focused;
    if (!focused && state.pushed && !state.tracking) state.pushed = false;
    Redraw(hwnd);
    if (StyleOf(hwnd) & BS_NOTIFY) NotifyParent(hwnd, focused ? BN_SETFOCUS : BN_KILLFOCUS);
    return 0;
}

LRESULT OnSetImage(HWND hwnd, ButtonState& state, WPARAM type, LPARAM image) {
    if (type != IMAGE_BITMAP && type != IMAGE_ICON) return 0;
    const HANDLE previous = state.image;
    state.image = reinterpret_cast<HANDLE>(image);
    state.imageType = static_cast<UINT>(type);
    Redraw(hwnd);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnSetStyle(HWND hwnd, WPARAM style, LPARAM redraw) {
    const DWORD kept = StyleOf(hwnd) & ~static_cast<DWORD>(BS_TYPEMASK);
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(kept | (static_cast<DWORD>(style) & BS_TYPEMASK)));
    if (redraw) Redraw(hwnd);
    return 0;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) States().Create(hwnd);
    const auto state = States().Find(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: States().Destroy(hwnd); return 0;
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd);
    case BM_GETCHECK: return IsCheckKind(ButtonType(hwnd)) ? state->check : BST_UNCHECKED;
    case BM_SETCHECK: return OnSetCheck(hwnd, *state, wParam);
    case BM_GETSTATE: return state->check | (state->pushed ? BST_PUSHED : 0) | (state->focused ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(hwnd, *state, wParam != 0); return 0;
    case BM_SETSTYLE: return OnSetStyle(hwnd, wParam, lParam);
    case BM_CLICK: Click(hwnd, *state); return 0;
    case BM_GETIMAGE: return wParam == state->imageType ? reinterpret_cast<LRESULT>(state->image) : 0;
    case BM_SETIMAGE: return OnSetImage(hwnd, *state, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnPenDown(hwnd, *state);
    case WM_MOUSEMOVE: return OnPenMove(hwnd, *state, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, *state, lParam);
    case WM_CAPTURECHANGED: state->tracking = false; SetPushed(hwnd, *state, false); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(hwnd, *state, message, wParam);
    case WM_SETFOCUS: return OnFocus(hwnd, *state, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, *state, false);
    case WM_ENABLE: Redraw(hwnd); return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        Redraw(hwnd);
        return result;
    }
    case WM_SETFONT: state->font = reinterpret_cast<HFONT>(wParam); if (lParam) Redraw(hwnd); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintButton(hwnd, *state); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

DWORD ButtonType(HWND hwnd) { return StyleOf(hwnd) & BS_TYPEMASK; }

void RegisterButtonClass() { RegisterControlClass(WC_BUTTONW, ButtonProc); }

}  // namespace platform
