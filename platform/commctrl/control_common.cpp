// Notifications to the parent and small helpers the controls share.
#include "commctrl/control_common.h"

#include <algorithm>
#include <string>

namespace platform::commctrl {

LRESULT SendNotify(HWND control, UINT code, NMHDR* header) {
    header->hwndFrom = control;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header->code = code;
    const HWND parent = GetParent(control);
    if (!parent) return 0;
    return SendMessageW(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT SendSimpleNotify(HWND control, UINT code) {
    NMHDR header{};
    return SendNotify(control, code, &header);
}

void SendCommandNotify(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    if (!parent) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(control));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

bool KeyDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

int CopyOut(const std::u16string& text, LPWSTR out, int chars) {
    if (!out || chars <= 0) return 0;
    const int n = std::min(static_cast<int>(text.size()), chars - 1);
    std::copy_n(text.data(), n, out);
    out[n] = 0;
    return n;
}

}  // namespace platform::commctrl
