// DefWindowProcW: what a window does with the messages its procedure leaves to the system.
#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/gdi.h"
#include "user/update_region.h"
#include "user/window_class.h"
#include "user/window_proc.h"
#include "user/window_table.h"

namespace platform {
namespace {

struct Handlers {
    std::mutex lock;
    std::vector<DefWindowHandler> list;
};

Handlers& Extensions() {
    static Handlers handlers;
    return handlers;
}

LRESULT GetText(HWND hwnd, WPARAM outChars, LPARAM out) {
    auto* buffer = reinterpret_cast<LPWSTR>(out);
    if (!buffer || outChars == 0) return 0;
    const std::u16string text = WindowText(hwnd);
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(outChars) - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<LRESULT>(n);
}

// WM_SIZE and WM_MOVE follow a change of place, from the record WM_WINDOWPOSCHANGED carries.
LRESULT PositionChanged(HWND hwnd, const WINDOWPOS* pos) {
    if (!pos) return 0;
    if (!(pos->flags & SWP_NOSIZE)) {
        RECT client{};
        GetClientRect(hwnd, &client);
        SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    if (!(pos->flags & SWP_NOMOVE)) {
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        if (const HWND parent = GetParent(hwnd); parent && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
            ScreenToClient(parent, &origin);
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
    return 0;
}

// The class's background brush fills what is about to be painted; a class without one leaves the
// background to its window (the answer 0 tells BeginPaint that nothing was erased).
LRESULT EraseBackground(HWND hwnd, HDC dc) {
    const std::shared_ptr<Window> window = FindWindowRecord(hwnd);
    const HBRUSH brush = window && window->cls ? window->cls->info.hbrBackground : nullptr;
    if (!brush || !dc) return 0;
    RECT box{};
    if (GetClipBox(dc, &box) == ERROR) GetClientRect(hwnd, &box);
    return FillRect(dc, &box, brush) ? 1 : 0;
}

}  // namespace

void AddDefWindowHandler(DefWindowHandler handler) {
    Handlers& h = Extensions();
    const std::lock_guard guard(h.lock);
    if (std::find(h.list.begin(), h.list.end(), handler) == h.list.end()) h.list.push_back(handler);
}

}  // namespace platform

using namespace platform;

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::vector<DefWindowHandler> handlers;
    {
        Handlers& h = Extensions();
        const std::lock_guard guard(h.lock);
        handlers = h.list;
    }
    for (const DefWindowHandler handler : handlers)
        if (const auto result = handler(hwnd, message, wParam, lParam)) return *result;

    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) StoreWindowText(hwnd, cs->lpszName);
        return TRUE;
    }
    case WM_SETTEXT: StoreWindowText(hwnd, reinterpret_cast<LPCWSTR>(lParam)); return TRUE;
    case WM_GETTEXT: return GetText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(WindowText(hwnd).size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_PAINT: {
        // Painting nothing still erases with the class background, as BeginPaint does.
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
        else TakeUpdateRegion(hwnd, nullptr, nullptr);
        return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != hwnd && !IsChild(hwnd, focus)) SetFocus(hwnd);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: return PositionChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    default: return 0;
    }
}
