// Keyboard navigation in dialogs (IsDialogMessageW): Tab and Shift+Tab move between tab stops, the
// arrows within a group, Enter presses the default push button and Escape Cancel. Each control is
// asked first (WM_GETDLGCODE) which keys it wants for itself; everything else is dispatched as usual.
#include <algorithm>
#include <vector>

#include "dialogs/dialog_state.h"

namespace platform {
namespace {

std::vector<HWND> Controls(HWND dialog) {
    std::vector<HWND> out;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) out.push_back(child);
    return out;
}

DWORD Style(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }

// A control's own visibility counts, so that a dialog not yet shown has tab stops.
bool Usable(HWND control) { return (Style(control) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }

// The dialog's child that holds `window` (the window itself for a control).
HWND ControlOf(HWND dialog, HWND window) {
    while (window && GetParent(window) != dialog) window = GetParent(window);
    return window;
}

void PressButton(HWND dialog, int id) {
    const HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Enter (the Action key): a focused push button presses itself and a focused check box or radio
// button is clicked, as the device's Action key does; else the default button, else IDOK.
void PressDefault(HWND dialog, HWND control, LRESULT code) {
    if (control && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        PressButton(dialog, GetDlgCtrlID(control));
        return;
    }
    if (control && (code & DLGC_BUTTON) && IsWindowEnabled(control)) {
        SendMessageW(control, BM_CLICK, 0, 0);
        return;
    }
    const LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    PressButton(dialog, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
}

void MoveInGroup(HWND dialog, HWND control, bool previous);

// Up and Down of the navigation pad: within a group of radio buttons they move in the group, else
// to the previous or next tab stop (a device without a Tab key moves between fields this way).
void MoveVertically(HWND dialog, HWND control, LRESULT code, bool previous) {
    if (code & DLGC_RADIOBUTTON) {
        const HWND peer = GetNextDlgGroupItem(dialog, control, previous);
        if (peer && peer != control) {
            MoveInGroup(dialog, control, previous);
            return;
        }
    }
    if (const HWND next = GetNextDlgTabItem(dialog, control, previous); next && next != control) FocusControl(next, true);
}

// The arrows move to the next control of the group that is not a static.
void MoveInGroup(HWND dialog, HWND control, bool previous) {
    HWND next = control;
    for (std::size_t guard = Controls(dialog).size(); guard > 0; --guard) {
        next = GetNextDlgGroupItem(dialog, next, previous);
        if (!next || next == control) return;
        if (!(SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)) break;
    }
    if (!next || next == control) return;
    SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) SendMessageW(next, BM_CLICK, 0, 0);
}

// True when the dialog handled the key itself.
bool NavigationKey(HWND dialog, const MSG& msg) {
    const HWND control = ControlOf(dialog, msg.hwnd);
    const LRESULT code = msg.hwnd != dialog
                             ? SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg))
                             : 0;
    if (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return false;
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return false;
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (const HWND next = GetNextDlgTabItem(dialog, control, back)) FocusControl(next, true);
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
        if (code & DLGC_WANTARROWS) return false;
        if (control) MoveInGroup(dialog, control, msg.wParam == VK_LEFT);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        if (control) MoveVertically(dialog, control, code, msg.wParam == VK_UP);
        return true;
    case VK_RETURN: PressDefault(dialog, control, code); return true;
    case VK_ESCAPE: PressButton(dialog, IDCANCEL); return true;
    default: return false;
    }
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL IsDialogMessageW(HWND dialog, LPMSG msg) {
    if (!msg || !dialog || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN && NavigationKey(dialog, *msg)) return TRUE;
    // The characters of keys the dialog takes are not typed into the controls.
    if (msg->message == WM_CHAR && (msg->wParam == u'\t' || msg->wParam == u'\r' || msg->wParam == 0x1B)) {
        const LRESULT code = msg->hwnd != dialog
                                 ? SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg))
                                 : 0;
        const bool wanted = (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) || (msg->wParam == u'\t' && (code & DLGC_WANTTAB));
        if (!wanted) return TRUE;
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<HWND> all = Controls(dialog);
    const auto stop = [](HWND h) { return Usable(h) && (Style(h) & WS_TABSTOP); };
    if (all.empty()) return nullptr;
    const auto it = control ? std::find(all.begin(), all.end(), control) : all.end();
    const std::size_t n = all.size();
    // Without a control to start from, the first (or with `previous` the last) tab stop.
    std::size_t start = it == all.end() ? (previous ? 0 : n - 1) : static_cast<std::size_t>(it - all.begin());
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t i = previous ? (start + n - k) % n : (start + k) % n;
        if (stop(all[i])) return all[i];
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<HWND> all = Controls(dialog);
    if (all.empty()) return nullptr;
    const auto it = control ? std::find(all.begin(), all.end(), control) : all.begin();
    if (it == all.end()) return nullptr;
    const std::size_t at = static_cast<std::size_t>(it - all.begin());
    // The group runs from the nearest WS_GROUP control at or before this one to the next WS_GROUP.
    std::size_t first = at;
    while (first > 0 && !(Style(all[first]) & WS_GROUP)) --first;
    std::size_t end = first + 1;
    while (end < all.size() && !(Style(all[end]) & WS_GROUP)) ++end;
    const std::size_t n = end - first;
    for (std::size_t k = 1; k < n; ++k) {
        const std::size_t i = first + (previous ? (at - first + n - k) % n : (at - first + k) % n);
        if (Usable(all[i])) return all[i];
    }
    return control;
}
