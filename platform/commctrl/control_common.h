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

// Every control class keeps one pointer to its state in the first window extra bytes.
constexpr int kStateBytes = sizeof(LONG_PTR);

template <class T>
T* StateOf(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

template <class T>
T* AttachState(HWND hwnd, std::unique_ptr<T> state) {
    T* raw = state.release();
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(raw));
    return raw;
}

// Takes the state back at WM_NCDESTROY; it is freed with the returned pointer.
template <class T>
std::unique_ptr<T> DetachState(HWND hwnd) {
    std::unique_ptr<T> state(StateOf<T>(hwnd));
    SetWindowLongPtrW(hwnd, 0, 0);
    return state;
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

// Copies text into a caller's buffer of `chars` characters (the terminator included); the count copied.
int CopyOut(const std::u16string& text, LPWSTR out, int chars);

}  // namespace platform::commctrl
