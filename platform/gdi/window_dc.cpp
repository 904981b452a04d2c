// The device contexts of windows: a window draws on the device screen where its client area lies,
// limited to its client area, the client areas of its parents, (for a parent that clips them) outside
// its visible children, and outside the top-level windows above its own. BeginPaint and EndPaint take
// the window's update area.
#include <mutex>
#include <utility>
#include <vector>

#include "gdi/dc.h"
#include "gdi/screen.h"
#include "platform/system.h"
#include "platform/user.h"
#include "user/update_region.h"
#include "user/window_table.h"

namespace platform::gdi {
namespace {

RECT ClientOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x, origin.y, origin.x + r.right, origin.y + r.bottom};
}

// Top-level windows above the window's own keep their pixels, whatever the windows below paint.
Region OutsideWindowsAbove(HWND window, Region area) {
    const std::lock_guard guard(platform::WindowLock());
    platform::Window* w = platform::Peek(window);
    if (!w) return {};
    const HWND top = platform::TopLevelOf(*w)->handle;
    for (const HWND h : platform::TopLevelWindows()) {
        if (h == top) break;
        const platform::Window* above = platform::Peek(h);
        if (above && (above->style & WS_VISIBLE)) area = Combine(area, Region::FromRect(above->rect), RGN_DIFF);
    }
    return area;
}

// What a window may paint, in screen coordinates; nothing while it or a parent is hidden.
Region VisibleArea(HWND window) {
    if (!IsWindowVisible(window)) return {};
    Region area = Region::FromRect(ClientOnScreen(window));
    for (HWND parent = window; (GetWindowLongW(parent, GWL_STYLE) & WS_CHILD) && (parent = GetParent(parent));)
        area = Combine(area, Region::FromRect(ClientOnScreen(parent)), RGN_AND);
    if (GetWindowLongW(window, GWL_STYLE) & WS_CLIPCHILDREN)
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT r{};
            GetWindowRect(child, &r);
            area = Combine(area, Region::FromRect(r), RGN_DIFF);
        }
    return OutsideWindowsAbove(window, std::move(area));
}

}  // namespace

HDC WindowDc(HWND window) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const RECT client = ClientOnScreen(window);
    return CreateSurfaceDc([] { return &ScreenSurface(); }, {client.left, client.top}, VisibleArea(window));
}

}  // namespace platform::gdi

using namespace platform::gdi;

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    if (!paint) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    *paint = {};
    RECT area{};
    bool erase = false;
    if (!platform::TakeUpdateRegion(window, &area, &erase)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HDC dc = WindowDc(window);
    if (!dc) return nullptr;
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paint->hdc = dc;
    paint->rcPaint = area;
    // The window erases its background itself; fErase tells the painter when it did not.
    paint->fErase = erase && SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    ReleaseDC(window, paint->hdc);
    return TRUE;
}
