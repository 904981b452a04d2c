#include "ui/edit_caret.h"

#include "platform/controls.h"
#include "platform/user.h"

NoteEditorCaret g_NoteCaret;

LONG EditCharAtCaret(HWND edit) {
    POINT caret{};
    if (GetFocus() == edit && GetCaretPos(&caret)) {
        const LRESULT at = SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y));
        return static_cast<LONG>(LOWORD(at));
    }
    // Without the focus there is no caret: its place is the active end of the selection.
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<LONG>(end);
}

void EditCaretToEnd(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, length, length);
}

void EditCaretToStart(HWND edit) { SendMessageW(edit, EM_SETSEL, 0, 0); }
