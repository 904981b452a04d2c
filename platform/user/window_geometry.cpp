// Where windows are: SetWindowPos and MoveWindow, window and client rectangles, coordinate mapping and
// hit testing. A move or resize sends WM_WINDOWPOSCHANGING (which may change it) and
// WM_WINDOWPOSCHANGED, from which DefWindowProcW sends WM_SIZE and WM_MOVE.
#include <algorithm>

#include "platform/device.h"
#include "platform/system.h"
#include "platform/threads.h"
#include "user/update_region.h"
#include "user/window_table.h"

namespace platform {
namespace {

RECT ScreenRect() { return {0, 0, Profile().screenWidth, Profile().screenHeight}; }

// With WindowLock() held.
void PlaceInZOrder(Window& w, HWND insertAfter) {
    std::vector<HWND>* siblings = nullptr;
    if (Window* parent = Peek(w.parent)) {
        siblings = &parent->children;
    } else {
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) RaiseInZOrder(w);
        return;  // the top-level order follows activation; only raising is asked of it here
    }
    siblings->erase(std::remove(siblings->begin(), siblings->end(), w.handle), siblings->end());
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
        siblings->insert(siblings->begin(), w.handle);
    } else if (insertAfter == HWND_BOTTOM || insertAfter == HWND_NOTOPMOST) {
        siblings->push_back(w.handle);
    } else {
        const auto it = std::find(siblings->begin(), siblings->end(), insertAfter);
        siblings->insert(it == siblings->end() ? siblings->end() : it + 1, w.handle);
    }
}

bool Visible(const Window& w) { return (w.style & WS_VISIBLE) != 0; }
bool Enabled(const Window& w) { return !(w.style & WS_DISABLED); }

// The deepest visible and enabled window under a screen point, starting at `w`.
HWND DeepestAt(const Window& w, POINT pt) {
    for (const HWND h : w.children) {
        const Window* c = Peek(h);
        if (c && Visible(*c) && PtInRect(&c->rect, pt)) return Enabled(*c) ? DeepestAt(*c, pt) : w.handle;
    }
    return w.handle;
}

// A rectangle of a window, or of the desktop (the screen).
BOOL ReadRect(HWND window, LPRECT out, RECT (*of)(const Window&)) {
    if (!out) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (window == DesktopHandle()) {
        *out = ScreenRect();
        return TRUE;
    }
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *out = of(*w);
    return TRUE;
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    const auto w = WindowOrFail(window);
    if (!w) return FALSE;
    WINDOWPOS pos{window, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
    RECT oldRect{};
    HWND parent = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        oldRect = w->rect;
        parent = w->parent;
        const POINT origin = parent ? ClientOrigin(*Peek(parent)) : POINT{0, 0};
        if (flags & SWP_NOMOVE) pos.x = oldRect.left - origin.x, pos.y = oldRect.top - origin.y;
        if (flags & SWP_NOSIZE) pos.cx = oldRect.right - oldRect.left, pos.cy = oldRect.bottom - oldRect.top;
    }
    if (!(flags & SWP_NOSENDCHANGING)) SendMessageW(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    bool wasVisible = false;
    bool nowVisible = false;
    RECT newRect{};
    std::vector<HWND> order;
    {
        const std::lock_guard guard(WindowLock());
        if (!Peek(window)) return FALSE;
        const POINT origin = w->parent ? ClientOrigin(*Peek(w->parent)) : POINT{0, 0};
        newRect = RECT{origin.x + pos.x, origin.y + pos.y, origin.x + pos.x + pos.cx, origin.y + pos.y + pos.cy};
        MoveTree(*w, newRect.left - oldRect.left, newRect.top - oldRect.top);
        w->rect.right = w->rect.left + pos.cx;
        w->rect.bottom = w->rect.top + pos.cy;
        if (!(pos.flags & SWP_NOZORDER)) {
            order = TopLevelWindows();
            PlaceInZOrder(*w, pos.hwndInsertAfter);
        }
        wasVisible = Visible(*w);
        if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
        if (pos.flags & SWP_HIDEWINDOW) w->style &= ~static_cast<DWORD>(WS_VISIBLE);
        nowVisible = Visible(*w);
    }
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    const bool sized = (newRect.right - newRect.left) != (oldRect.right - oldRect.left) ||
                       (newRect.bottom - newRect.top) != (oldRect.bottom - oldRect.top);
    if (!(flags & SWP_NOREDRAW) && (moved || sized || wasVisible != nowVisible)) {
        if (wasVisible) InvalidateScreenArea(oldRect, parent);
        if (nowVisible) InvalidateWindowTree(window);
    }
    if (!order.empty() && !(flags & SWP_NOREDRAW)) InvalidateUncovered(order);
    pos.flags |= (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
    if (moved || sized || wasVisible != nowVisible)
        SendMessageW(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(flags & SWP_NOACTIVATE) && !parent && nowVisible && w->threadId == GetCurrentThreadId())
        SetActiveWindow(window);
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(window, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : static_cast<UINT>(SWP_NOREDRAW)));
}

BOOL BringWindowToTop(HWND window) { return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL GetWindowRect(HWND window, LPRECT out) {
    return ReadRect(window, out, [](const Window& w) { return w.rect; });
}

BOOL GetClientRect(HWND window, LPRECT out) {
    return ReadRect(window, out, [](const Window& w) {
        const RECT c = ClientRectScreen(w);
        return RECT{0, 0, c.right - c.left, c.bottom - c.top};
    });
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT fromOrigin{0, 0};
    POINT toOrigin{0, 0};
    {
        const std::lock_guard guard(WindowLock());
        for (auto [handle, origin] : {std::pair{from, &fromOrigin}, std::pair{to, &toOrigin}}) {
            if (!handle || handle == DesktopHandle()) continue;
            const Window* w = Peek(handle);
            if (!w) {
                SetLastError(ERROR_INVALID_WINDOW_HANDLE);
                return 0;
            }
            *origin = ClientOrigin(*w);
        }
    }
    const LONG dx = fromOrigin.x - toOrigin.x;
    const LONG dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<SHORT>(dx), static_cast<SHORT>(dy));
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
    if (!point || !IsWindow(window)) {
        SetLastError(point ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    MapWindowPoints(window, nullptr, point, 1);
    return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
    if (!point || !IsWindow(window)) {
        SetLastError(point ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    MapWindowPoints(nullptr, window, point, 1);
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    const std::lock_guard guard(WindowLock());
    for (const HWND h : TopLevelWindows()) {
        const Window* w = Peek(h);
        if (w && Visible(*w) && PtInRect(&w->rect, point)) return Enabled(*w) ? DeepestAt(*w, point) : nullptr;
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    const std::lock_guard guard(WindowLock());
    const Window* p = Peek(parent);
    if (!p) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const POINT origin = ClientOrigin(*p);
    const POINT screen{point.x + origin.x, point.y + origin.y};
    if (!PtInRect(&p->rect, screen)) return nullptr;
    for (const HWND h : p->children)
        if (const Window* c = Peek(h); c && PtInRect(&c->rect, screen)) return h;
    return parent;
}
