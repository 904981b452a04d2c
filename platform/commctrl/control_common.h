// What every common control shares: its state record kept in the window's extra bytes, the
// notifications it sends its parent, and the dialog codes and scroll requests it answers.
#pragma once

#include <memory>

#include "platform/commctrl.h"

namespace platform::commctrl {

// The dialog manager's key codes a control answers WM_GETDLGCODE with.
constexpr LRESULT kDlgWantArrows = 0x0001;
constexpr LRESULT kDlgWantAllKeys = 0x0004;
constexpr LRESULT kDlgWantChars = 0x0080;

// Scroll requests of WM_VSCROLL and WM_HSCROLL.
enum ScrollRequest : WORD {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
};

// Every control's state starts with this: the window, and how deep the procedure is in calls to it.
// A parent may destroy the control from inside a notification; the state then stays until the
// outermost call returns, marked destroyed, so that no step after a notification reads freed memory.
struct ControlLife {
    HWND hwnd = nullptr;
    int depth = 0;
    bool destroyed = false;
};

// Every control class keeps one pointer to its state in the first window extra bytes.
constexpr int kStateBytes = sizeof(LONG_PTR);

template <class T>
T* StateOf(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

// The window procedure of a control: makes its state at WM_NCCREATE (then `init`), frees it after
// WM_NCDESTROY once no call is running, and hands every other message to `dispatch`.
template <class T, LRESULT (*Dispatch)(T&, UINT, WPARAM, LPARAM), void (*Init)(T&) = nullptr>
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto state = std::make_unique<T>();
        state->hwnd = hwnd;
        T* raw = state.release();
        SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(raw));
        if constexpr (Init != nullptr) Init(*raw);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    T* state = StateOf<T>(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, 0, 0);
        if (state->depth > 0) state->destroyed = true;
        else std::unique_ptr<T>{state};
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    ++state->depth;
    const LRESULT result = Dispatch(*state, message, wParam, lParam);
    if (--state->depth == 0 && state->destroyed) std::unique_ptr<T>{state};
    return result;
}

// Fills the header (sender, identifier, code) and sends WM_NOTIFY to the control's parent; the
// parent's answer, 0 when there is none.
LRESULT SendNotify(HWND control, UINT code, NMHDR* header);
LRESULT SendSimpleNotify(HWND control, UINT code);

// Sends WM_COMMAND with a notification code to the parent.
void SendCommandNotify(HWND control, WORD code);

// The point of a mouse message's lParam.
POINT PointFromLParam(LPARAM lParam);

// Whether a key is held down now.
bool KeyDown(int virtualKey);

// Shows the vertical bar of a control with WS_VSCROLL: positions 0..max, `page` of them shown, the
// first at `pos`.
void SyncVerticalBar(HWND hwnd, int max, int page, int pos);

// Copies text into a caller's buffer of `chars` characters (the terminator included); the count copied.
int CopyOut(const std::u16string& text, LPWSTR out, int chars);

}  // namespace platform::commctrl
