// The shell's help for dialogs: full-screen sizing with SHInitDialog, the Done button, full-screen
// windows, the input panel hook, and the Back key handed on to the focused window.
#include "platform/shell.h"
#include "platform/system.h"
#include "shell/key_messages.h"
#include "shell/menu_bar.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

constexpr WCHAR kEditClass[] = u"Edit";
constexpr int kClassNameChars = 32;

bool IsEdit(HWND hwnd) {
    WCHAR name[kClassNameChars] = {};
    GetClassNameW(hwnd, name, kClassNameChars);
    std::u16string_view n(name);
    if (n.size() != 4) return false;
    for (std::size_t i = 0; i < n.size(); ++i)
        if ((n[i] | 0x20) != (kEditClass[i] | 0x20)) return false;
    return true;
}

HWND DialogOf(HWND hwnd) {
    while (hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL SHInitDialog(PSHINITDLGINFO info) {
    if (!info || !IsWindow(info->hDlg)) {
        SetLastError(info ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(info->dwMask & SHIDIM_FLAGS)) return TRUE;
    const DWORD flags = info->dwFlags;
    if (flags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG | SHIDIF_FULLSCREENNOMENUBAR)) {
        RECT area = WorkArea();
        // Without a menu bar the dialog reaches the bottom of the screen.
        if (flags & SHIDIF_FULLSCREENNOMENUBAR) area.bottom = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(info->hDlg, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (flags & SHIDIF_EMPTYMENU) {
        SHMENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        bar.hwndParent = info->hDlg;
        bar.dwFlags = SHCMBF_EMPTYBAR;
        SHCreateMenuBar(&bar);
    }
    // The Done button has no place of its own on this screen: the dialog's soft keys end it.
    return TRUE;
}

BOOL SHDoneButton(HWND window, DWORD) { return IsWindow(window); }

BOOL SHInitExtraControls() { return TRUE; }

BOOL SHFullScreen(HWND window, DWORD) { return IsWindow(window); }

BOOL SHInputDialog(HWND, UINT, WPARAM) { return FALSE; }

void SHSendBackToFocusWindow(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_HOTKEY || HIWORD(lParam) != VK_ESCAPE || (LOWORD(lParam) & MOD_KEYUP)) return;
    const HWND focus = GetFocus();
    if (focus && IsEdit(focus)) {
        // In an edit control the Back key deletes the character before the caret: the key goes as
        // a key press, and the message loop's TranslateMessage makes its one '\b'.
        PostMessageW(focus, WM_KEYDOWN, VK_BACK, kKeyDownBits);
        PostMessageW(focus, WM_KEYUP, VK_BACK, kKeyUpBits);
        return;
    }
    // Elsewhere in a dialog (a window that keeps a dialog procedure) it cancels the dialog.
    const HWND dialog = DialogOf(focus ? focus : GetActiveWindow());
    if (dialog && GetWindowLongPtrW(dialog, DWLP_DLGPROC)) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}
