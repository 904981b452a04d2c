// The up-down control: two arrows that step a position within a range and report it to the parent
// (WM_VSCROLL, or WM_HSCROLL with UDS_HORZ), optionally writing it into a buddy window's text. With a
// list box as its buddy it steps the list's selection instead (the spin lists of the dialogs) and
// the list's parent hears LBN_SELCHANGE as if the list had been moved.
#include "controls/up_down.h"

#include <algorithm>
#include <string>

#include "controls/list_box.h"
#include "platform/dialogs.h"
#include "platform/text.h"

namespace platform {
namespace {

ControlStates<UpDownState>& States() {
    static ControlStates<UpDownState> states;
    return states;
}

bool IsListBox(HWND hwnd) {
    WCHAR name[16] = {};
    return hwnd && GetClassNameW(hwnd, name, 16) > 0 && EqualNoCase(name, WC_LISTBOXW);
}

std::u16string Format(int value, int base, bool thousands) {
    if (base == 16) {
        WCHAR text[16] = {};
        wsprintfW(text, u"0x%04X", static_cast<unsigned>(value) & 0xFFFF);
        return text;
    }
    std::u16string digits;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int n = 0;
    do {
        if (thousands && n > 0 && n % 3 == 0) digits.insert(digits.begin(), u',');
        digits.insert(digits.begin(), static_cast<WCHAR>(u'0' + magnitude % 10));
        magnitude /= 10;
        ++n;
    } while (magnitude);
    if (value < 0) digits.insert(digits.begin(), u'-');
    return digits;
}

void WriteBuddy(HWND hwnd, const UpDownState& state) {
    if (!(StyleOf(hwnd) & UDS_SETBUDDYINT) || !state.buddy || IsListBox(state.buddy)) return;
    SetWindowTextW(state.buddy, Format(state.pos, state.base, !(StyleOf(hwnd) & UDS_NOTHOUSANDS)).c_str());
}

// The buddy's text as a number; false when it is not one.
bool ReadBuddy(const UpDownState& state, int* value) {
    WCHAR text[64] = {};
    GetWindowTextW(state.buddy, text, 64);
    std::u16string digits;
    for (const WCHAR* c = text; *c; ++c)
        if (*c != u',') digits.push_back(*c);
    if (digits.empty()) return false;
    std::size_t i = digits[0] == u'-' ? 1 : 0;
    if (i >= digits.size()) return false;
    long result = 0;
    for (; i < digits.size(); ++i) {
        if (digits[i] < u'0' || digits[i] > u'9') return false;
        result = std::min(result * 10 + (digits[i] - u'0'), 0x7FFFFFFFL);
    }
    *value = static_cast<int>(digits[0] == u'-' ? -result : result);
    return true;
}

int Clamp(const UpDownState& state, int pos) { return std::clamp(pos, std::min(state.lower, state.upper), std::max(state.lower, state.upper)); }

void StepList(HWND hwnd, const UpDownState& state, int delta) {
    const int count = static_cast<int>(SendMessageW(state.buddy, LB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    const int current = static_cast<int>(SendMessageW(state.buddy, LB_GETCURSEL, 0, 0));
    // The up arrow goes back through the list, as scrolling up does; across, the right arrow goes on
    // to the next entry, as reading does.
    const int step = (StyleOf(hwnd) & UDS_HORZ) ? delta : -delta;
    int next = current < 0 ? 0 : current + step;
    if (next < 0 || next >= count) {
        if (!(StyleOf(hwnd) & UDS_WRAP)) return;
        next = (next + count) % count;
    }
    if (next == current) return;
    SendMessageW(state.buddy, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    if (const HWND parent = GetParent(state.buddy))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(state.buddy), LBN_SELCHANGE), reinterpret_cast<LPARAM>(state.buddy));
}

// One press of an arrow: +1 towards `upper`, -1 towards `lower`.
void Step(HWND hwnd, UpDownState& state, int delta) {
    if (IsListBox(state.buddy)) {
        StepList(hwnd, state, delta);
        return;
    }
    if ((StyleOf(hwnd) & UDS_SETBUDDYINT) && state.buddy) {
        int value = 0;
        if (ReadBuddy(state, &value)) state.pos = Clamp(state, value);
    }
    const int direction = state.upper >= state.lower ? delta : -delta;
    int next = state.pos + direction;
    const int low = std::min(state.lower, state.upper);
    const int high = std::max(state.lower, state.upper);
    if (next < low || next > high) {
        if (!(StyleOf(hwnd) & UDS_WRAP)) return;
        next = next < low ? high : low;
    }
    state.pos = next;
    WriteBuddy(hwnd, state);
    if (const HWND parent = GetParent(hwnd)) {
        const UINT message = (StyleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
        SendMessageW(parent, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(state.pos)), reinterpret_cast<LPARAM>(hwnd));
        SendMessageW(parent, message, MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(state.pos)), reinterpret_cast<LPARAM>(hwnd));
    }
}

// Moves beside the buddy (UDS_ALIGNRIGHT, UDS_ALIGNLEFT) and narrows the buddy by its own width.
void Align(HWND hwnd, const UpDownState& state) {
    const DWORD style = StyleOf(hwnd);
    if (!state.buddy || !(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) return;
    const HWND parent = GetParent(hwnd);
    RECT buddy{};
    GetWindowRect(state.buddy, &buddy);
    RECT own{};
    GetWindowRect(hwnd, &own);
    const int width = own.right - own.left;
    POINT topLeft{buddy.left, buddy.top};
    if (parent) ScreenToClient(parent, &topLeft);
    const int buddyWidth = std::max(0, static_cast<int>(buddy.right - buddy.left) - width);
    const int height = buddy.bottom - buddy.top;
    if (style & UDS_ALIGNRIGHT) {
        SetWindowPos(state.buddy, nullptr, topLeft.x, topLeft.y, buddyWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(hwnd, nullptr, topLeft.x + buddyWidth, topLeft.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(hwnd, nullptr, topLeft.x, topLeft.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(state.buddy, nullptr, topLeft.x + width, topLeft.y, buddyWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT SetBuddy(HWND hwnd, UpDownState& state, HWND buddy) {
    const HWND previous = state.buddy;
    state.buddy = buddy && IsWindow(buddy) ? buddy : nullptr;
    if (previous && IsListBox(previous))
        if (const auto list = FindListBoxState(previous)) list->spinner = false;
    if (state.buddy && IsListBox(state.buddy))
        if (const auto list = FindListBoxState(state.buddy)) list->spinner = true;
    Align(hwnd, state);
    WriteBuddy(hwnd, state);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnCreate(HWND hwnd, UpDownState& state) {
    // UDS_AUTOBUDDY takes the control made just before this one (not the list a combo box keeps).
    if (!(StyleOf(hwnd) & UDS_AUTOBUDDY)) return 0;
    HWND previous = GetWindow(hwnd, GW_HWNDPREV);
    WCHAR name[16] = {};
    if (previous && GetClassNameW(previous, name, 16) > 0 && EqualNoCase(name, WC_COMBOLBOXW))
        previous = GetWindow(previous, GW_HWNDPREV);
    SetBuddy(hwnd, state, previous);
    return 0;
}

// Which arrow a point lies on: +1 the upper (or right) half, -1 the other.
int ArrowAt(HWND hwnd, POINT pt) {
    RECT r{};
    GetClientRect(hwnd, &r);
    if (StyleOf(hwnd) & UDS_HORZ) return pt.x >= r.right / 2 ? 1 : -1;
    return pt.y < r.bottom / 2 ? 1 : -1;
}

LRESULT OnPenDown(HWND hwnd, UpDownState& state, LPARAM lParam) {
    state.pressed = ArrowAt(hwnd, PointOf(lParam));
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    Step(hwnd, state, state.pressed);
    return 0;
}

LRESULT OnPenUp(HWND hwnd, UpDownState& state) {
    if (GetCapture() == hwnd) ReleaseCapture();
    state.pressed = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnGetPos(HWND hwnd, UpDownState& state) {
    if ((StyleOf(hwnd) & UDS_SETBUDDYINT) && state.buddy && !IsListBox(state.buddy)) {
        int value = 0;
        if (!ReadBuddy(state, &value)) return MAKELRESULT(static_cast<WORD>(state.pos), 1);
        state.pos = Clamp(state, value);
    }
    return MAKELRESULT(static_cast<WORD>(state.pos), 0);
}

LRESULT OnSetPos(HWND hwnd, UpDownState& state, int pos) {
    const int previous = state.pos;
    state.pos = Clamp(state, pos);
    WriteBuddy(hwnd, state);
    return previous;
}

LRESULT UpDownMessage(HWND hwnd, UpDownState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(hwnd, state);
    case UDM_SETRANGE:
        state.upper = static_cast<SHORT>(LOWORD(lParam));
        state.lower = static_cast<SHORT>(HIWORD(lParam));
        state.pos = Clamp(state, state.pos);
        return 0;
    case UDM_GETRANGE: return MAKELRESULT(static_cast<WORD>(state.upper), static_cast<WORD>(state.lower));
    case UDM_SETRANGE32:
        state.lower = static_cast<int>(wParam);
        state.upper = static_cast<int>(lParam);
        state.pos = Clamp(state, state.pos);
        return 0;
    case UDM_GETRANGE32:
        if (auto* low = reinterpret_cast<int*>(wParam)) *low = state.lower;
        if (auto* high = reinterpret_cast<int*>(lParam)) *high = state.upper;
        return 0;
    case UDM_SETPOS: return OnSetPos(hwnd, state, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_GETPOS: return OnGetPos(hwnd, state);
    case UDM_SETPOS32: return OnSetPos(hwnd, state, static_cast<int>(lParam));
    case UDM_GETPOS32: {
        const LRESULT result = OnGetPos(hwnd, state);
        if (auto* error = reinterpret_cast<BOOL*>(lParam)) *error = HIWORD(result) ? TRUE : FALSE;
        return state.pos;
    }
    case UDM_SETBUDDY: return SetBuddy(hwnd, state, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(state.buddy);
    case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16) return 0;
        const int previous = state.base;
        state.base = static_cast<int>(wParam);
        WriteBuddy(hwnd, state);
        return previous;
    }
    case UDM_GETBASE: return state.base;
    case UDM_SETACCEL: {
        const auto* accel = reinterpret_cast<const UDACCEL*>(lParam);
        if (!accel && wParam) return FALSE;
        state.accel.assign(accel, accel + wParam);
        return TRUE;
    }
    case UDM_GETACCEL: {
        auto* out = reinterpret_cast<UDACCEL*>(lParam);
        const std::size_t n = std::min<std::size_t>(wParam, state.accel.size());
        if (out) std::copy_n(state.accel.begin(), n, out);
        return static_cast<LRESULT>(state.accel.size());
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnPenDown(hwnd, state, lParam);
    case WM_LBUTTONUP: return OnPenUp(hwnd, state);
    case WM_CAPTURECHANGED: state.pressed = 0; InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_KEYDOWN:
        if (!(StyleOf(hwnd) & UDS_ARROWKEYS)) return 0;
        if (wParam == VK_UP || wParam == VK_RIGHT) Step(hwnd, state, 1);
        if (wParam == VK_DOWN || wParam == VK_LEFT) Step(hwnd, state, -1);
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintUpDown(hwnd, state); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WithControlState(States(), hwnd, message, wParam, lParam, UpDownMessage);
}

}  // namespace

void RegisterUpDownClass() { RegisterControlClass(UPDOWN_CLASSW, UpDownProc); }

}  // namespace platform
