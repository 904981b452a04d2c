// The caret of each thread: which window has it, where it stands and whether it is shown. The edit
// control draws its own bar; the caret tells the program where the typing goes (GetCaretPos).
#include "platform/controls.h"

namespace {

struct Caret {
    HWND owner = nullptr;
    POINT pos{};
    SIZE size{};
    int hidden = 1;  // a new caret is hidden until ShowCaret
};

thread_local Caret caret;

bool OwnedBy(HWND window) { return caret.owner && (!window || window == caret.owner); }

}  // namespace

BOOL CreateCaret(HWND window, HBITMAP, int width, int height) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    caret = Caret{window, {0, 0}, {width, height}, 1};
    return TRUE;
}

BOOL DestroyCaret() {
    if (!caret.owner) return FALSE;
    caret = Caret{};
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    if (!caret.owner) return FALSE;
    caret.pos = {x, y};
    return TRUE;
}

BOOL GetCaretPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = caret.pos;
    return caret.owner ? TRUE : FALSE;
}

BOOL ShowCaret(HWND window) {
    if (!OwnedBy(window) || caret.hidden == 0) return FALSE;
    --caret.hidden;
    return TRUE;
}

BOOL HideCaret(HWND window) {
    if (!OwnedBy(window)) return FALSE;
    ++caret.hidden;
    return TRUE;
}
