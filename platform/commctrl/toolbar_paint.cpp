// Painting the tool bar: a flat face, each button's picture, pressed and checked buttons sunk, and
// disabled buttons drawn blended.
#include "commctrl/paint_support.h"
#include "commctrl/toolbar.h"

namespace platform::commctrl {

void PaintToolbar(Toolbar& tb, HDC dc, const RECT& area) {
    FillSolid(dc, area, kFaceColour);
    int cx = 0, cy = 0;
    if (tb.images) ImageList_GetIconSize(tb.images, &cx, &cy);
    for (std::size_t i = 0; i < tb.buttons.size(); ++i) {
        const ToolbarButton& b = tb.buttons[i];
        if ((b.state & TBSTATE_HIDDEN)) continue;
        const RECT rc = ButtonRect(tb, static_cast<int>(i));
        if (b.style & TBSTYLE_SEP) {
            const LONG mid = (rc.left + rc.right) / 2;
            FillSolid(dc, {mid, rc.top + 1, mid + 1, rc.bottom - 1}, kShadowColour);
            continue;
        }
        const bool sunk = b.state & (TBSTATE_PRESSED | TBSTATE_CHECKED);
        if (sunk) DrawEdge3d(dc, rc, true);
        else if (!(GetWindowLongW(tb.hwnd, GWL_STYLE) & TBSTYLE_FLAT)) DrawEdge3d(dc, rc, false);
        if (tb.images) {
            const LONG x = rc.left + (rc.right - rc.left - cx) / 2 + (sunk ? 1 : 0);
            const LONG y = rc.top + (rc.bottom - rc.top - cy) / 2 + (sunk ? 1 : 0);
            ImageList_Draw(tb.images, b.image, dc, x, y, (b.state & TBSTATE_ENABLED) ? ILD_NORMAL : ILD_BLEND50);
        }
    }
}

}  // namespace platform::commctrl
