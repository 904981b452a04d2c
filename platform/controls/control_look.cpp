// The helpers of the standard controls' painters.
#include "controls/control_look.h"

#include "controls/scroll_bar.h"
#include "user/system_metrics.h"
#include "user/window_table.h"

namespace platform {
void ExcludeWindowsAbove(HDC dc, HWND hwnd) {
    const std::lock_guard guard(WindowLock());
    Window* w = Peek(hwnd);
    if (!w) return;
    const HWND top = TopLevelOf(*w)->handle;
    for (const HWND h : TopLevelWindows()) {
        if (h == top) break;
        const Window* above = Peek(h);
        if (above && (above->style & WS_VISIBLE))
            ExcludeClipRect(dc, above->rect.left, above->rect.top, above->rect.right, above->rect.bottom);
    }
}

HFONT LookFont(HFONT font) { return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HBRUSH ParentBrush(HWND hwnd, HDC dc, UINT ctlColorMessage) {
    SetTextColor(dc, IsWindowEnabled(hwnd) ? kLookText : kLookGrayText);
    SetBkColor(dc, kLookWindow);
    SetBkMode(dc, OPAQUE);
    const HWND parent = GetParent(hwnd);
    const auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                                                       reinterpret_cast<LPARAM>(hwnd)))
                              : nullptr;
    return brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void FillLook(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FrameLook(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FillLook(dc, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillLook(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillLook(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillLook(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void DrawControlBorder(HWND hwnd) {
    PaintWindowBars(hwnd);
    const DWORD style = StyleOf(hwnd);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    if (!(style & WS_BORDER) && !(exStyle & WS_EX_CLIENTEDGE)) return;
    if (!IsWindowVisible(hwnd)) return;
    // The frame lies outside the client area, where the window's own DC does not reach.
    RECT window{};
    GetWindowRect(hwnd, &window);
    const HDC screen = GetDC(nullptr);
    if (!screen) return;
    if (const HWND parent = GetParent(hwnd)) {
        RECT clip{};
        GetClientRect(parent, &clip);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&clip), 2);
        IntersectClipRect(screen, clip.left, clip.top, clip.right, clip.bottom);
    }
    ExcludeWindowsAbove(screen, hwnd);
    FrameLook(screen, window, IsWindowEnabled(hwnd) ? kLookFrame : kLookShadow);
    ReleaseDC(nullptr, screen);
}

int LookPixels(int size96) { return ScaleToScreen(size96); }

int LineHeight(HFONT font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    int height = 0;
    {
        const Selected selected(dc, LookFont(font));
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc, &metrics)) height = metrics.tmHeight;
    }
    DeleteDC(dc);
    return height > 0 ? height : LookPixels(13);
}

}  // namespace platform
