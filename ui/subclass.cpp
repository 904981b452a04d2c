// The subclass installers: each stores the control's procedure in GWL_USERDATA and puts its own in
// its place; a non-zero GWL_USERDATA means the control is already taken.
#include "ui/subclass.h"

#include "platform/system.h"
#include "platform/user.h"
#include "ui/auto_caps.h"

namespace {

HRESULT LastErrorResult() { return HRESULT_FROM_WIN32(GetLastError()); }

}  // namespace

HRESULT InstallSubclass(HWND window, WNDPROC proc) {
    if (GetWindowLongPtrW(window, GWL_USERDATA) != 0) return E_FAIL;
    SetLastError(0);
    SetWindowLongPtrW(window, GWL_USERDATA, GetWindowLongPtrW(window, GWL_WNDPROC));
    if (GetLastError() != 0) return LastErrorResult();
    SetWindowLongPtrW(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    if (GetLastError() != 0) return LastErrorResult();
    return S_OK;
}

LRESULT CallPrevWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto prev = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWL_USERDATA));
    if (!prev) return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(prev, window, message, wParam, lParam);
}

HRESULT SubclassControl(HWND window, KeypadField keypad, DateMenu dateMenu) {
    if (keypad == KeypadField::kNo) return InstallSubclass(window, KeypadFieldProc);
    return InstallSubclass(window, dateMenu == DateMenu::kYes ? DateFieldMenuProc : DateFieldPickProc);
}

HRESULT SubclassAutoCapsEdit(HWND window) { return InstallSubclass(window, AutoCapsEditProc); }

HRESULT SubclassAutoCapsEdit2(HWND window) { return InstallSubclass(window, AutoCapsEditProc2); }
