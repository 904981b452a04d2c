// The vertical scroll bar of a control with WS_VSCROLL, kept in step with what the control shows.
// The bars themselves belong to the standard controls.
#include "commctrl/control_common.h"

#include "platform/controls.h"

namespace platform::commctrl {

void SyncVerticalBar(HWND hwnd, int max, int page, int pos) {
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_VSCROLL)) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page > 0 ? page : 0);
    info.nPos = pos;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

}  // namespace platform::commctrl
