// Focus, activation, capture, the foreground window, enabling and showing windows.
#include "user/window_state.h"

#include "platform/system.h"
#include "platform/threads.h"
#include "user/message_queue.h"
#include "user/remote_windows.h"
#include "user/system_metrics.h"
#include "user/update_region.h"
#include "user/window_table.h"

namespace platform {
namespace {

HWND foreground = nullptr;  // under WindowLock()

bool InSubtree(HWND root, HWND hwnd) {
    if (!hwnd) return false;
    if (hwnd == root) return true;
    const Window* r = Peek(root);
    const Window* w = Peek(hwnd);
    return r && w && IsDescendant(*r, *w);
}

bool Activates(int command) {
    return command != SW_HIDE && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
           command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE && command != SW_SHOWMINIMIZED;
}

bool Shows(int command) { return command != SW_HIDE && command != SW_MINIMIZE && command != SW_SHOWMINIMIZED; }

}  // namespace

void SetForegroundHandle(HWND hwnd) {
    const std::lock_guard guard(WindowLock());
    foreground = hwnd;
}

void ReleaseInputFrom(HWND hwnd) {
    const auto queue = CurrentQueue();
    HWND lostFocus = nullptr;
    HWND lostCapture = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        if (InSubtree(hwnd, queue->focus)) std::swap(lostFocus, queue->focus);
        if (InSubtree(hwnd, queue->capture)) std::swap(lostCapture, queue->capture);
    }
    if (lostFocus) SendMessageW(lostFocus, WM_KILLFOCUS, 0, 0);
    if (lostCapture) SendMessageW(lostCapture, WM_CAPTURECHANGED, 0, 0);
}

void ActivateNextWindow(HWND leaving) {
    const auto queue = CurrentQueue();
    HWND next = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        if (queue->active != leaving) return;
        const Window* w = Peek(leaving);
        const Window* owner = w ? Peek(w->owner) : nullptr;
        auto eligible = [&](const Window* c) {
            return c && c->handle != leaving && c->threadId == queue->threadId && (c->style & WS_VISIBLE) &&
                   !(c->style & WS_DISABLED) && c->life == WindowLife::Alive;
        };
        if (eligible(owner)) {
            next = owner->handle;
        } else {
            for (const HWND h : TopLevelWindows())
                if (eligible(Peek(h))) {
                    next = h;
                    break;
                }
        }
    }
    SetActiveWindow(next);
}

}  // namespace platform

using namespace platform;

HWND SetFocus(HWND window) {
    const auto queue = CurrentQueue();
    if (window) {
        const auto w = OwnWindowOrFail(window);
        if (!w) return nullptr;
        HWND top = nullptr;
        {
            const std::lock_guard guard(WindowLock());
            top = TopLevelOf(*w)->handle;
            if (queue->focus == window) return window;
        }
        if (GetActiveWindow() != top) SetActiveWindow(top);
    }
    HWND previous = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        previous = queue->focus;
        if (previous == window) return previous;
        queue->focus = window;
    }
    if (previous && IsWindow(previous)) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window) SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() {
    const auto queue = CurrentQueue();
    const std::lock_guard guard(WindowLock());
    return Peek(queue->focus) ? queue->focus : nullptr;
}

HWND SetActiveWindow(HWND window) {
    const auto queue = CurrentQueue();
    std::shared_ptr<Window> w;
    if (window) {
        w = OwnWindowOrFail(window);
        if (!w) return nullptr;
        const std::lock_guard guard(WindowLock());
        window = TopLevelOf(*w)->handle;
    }
    HWND previous = nullptr;
    std::vector<HWND> order;
    {
        const std::lock_guard guard(WindowLock());
        previous = Peek(queue->active) ? queue->active : nullptr;
        if (previous == window) return previous;
        queue->active = window;
        if (window) {
            foreground = window;
            order = TopLevelWindows();
            RaiseInZOrder(*Peek(window));
        }
    }
    if (window) InvalidateUncovered(order);
    if (previous) {
        SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(window));
        ReleaseInputFrom(previous);
    }
    if (window) SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
    return previous;
}

HWND GetActiveWindow() {
    const auto queue = CurrentQueue();
    const std::lock_guard guard(WindowLock());
    return Peek(queue->active) ? queue->active : nullptr;
}

BOOL SetForegroundWindow(HWND window) {
    // The low bit asks for the owned windows too; they always come with their owner here.
    window = reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(window) & ~static_cast<ULONG_PTR>(1));
    if (IsProxyWindow(window)) {
        if (!RemoteSetForeground(window)) return FALSE;
        SetForegroundHandle(nullptr);
        return TRUE;
    }
    const auto w = WindowOrFail(window);
    if (!w) return FALSE;
    std::shared_ptr<ThreadQueue> queue;
    HWND top = nullptr;
    std::vector<HWND> order;
    {
        const std::lock_guard guard(WindowLock());
        Window* t = TopLevelOf(*w);
        top = t->handle;
        foreground = top;
        order = TopLevelWindows();
        RaiseInZOrder(*t);
        queue = t->queue;
    }
    InvalidateUncovered(order);
    if (w->threadId == GetCurrentThreadId()) {
        SetActiveWindow(top);
    } else if (queue) {
        {
            const std::lock_guard guard(queue->lock);
            queue->activateRequest = top;
            queue->woken = true;
        }
        queue->wake.notify_all();
    }
    return TRUE;
}

HWND GetForegroundWindow() {
    const std::lock_guard guard(WindowLock());
    return Peek(foreground) ? foreground : nullptr;
}

HWND SetCapture(HWND window) {
    const auto w = OwnWindowOrFail(window);
    if (!w) return nullptr;
    const auto queue = CurrentQueue();
    HWND previous = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        previous = Peek(queue->capture) ? queue->capture : nullptr;
        queue->capture = window;
    }
    if (previous && previous != window)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return previous;
}

BOOL ReleaseCapture() {
    const auto queue = CurrentQueue();
    HWND previous = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        std::swap(previous, queue->capture);
    }
    if (previous && IsWindow(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    const auto queue = CurrentQueue();
    const std::lock_guard guard(WindowLock());
    return Peek(queue->capture) ? queue->capture : nullptr;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    const auto w = WindowOrFail(window);
    if (!w) return FALSE;
    bool wasDisabled = false;
    {
        const std::lock_guard guard(WindowLock());
        wasDisabled = (w->style & WS_DISABLED) != 0;
        if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
        if (enable)
            w->style &= ~static_cast<DWORD>(WS_DISABLED);
        else
            w->style |= WS_DISABLED;
    }
    if (!enable && w->threadId == GetCurrentThreadId()) ReleaseInputFrom(window);
    SendMessageW(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return (w->style & WS_DISABLED) ? FALSE : TRUE;
}

BOOL IsWindowVisible(HWND window) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    return w && IsVisibleChain(*w) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    const auto w = WindowOrFail(window);
    if (!w) return FALSE;
    const bool show = Shows(command);
    bool wasVisible = false;
    bool topLevel = false;
    RECT screenRect{};
    HWND parent = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        wasVisible = (w->style & WS_VISIBLE) != 0;
        topLevel = IsTopLevel(*w);
        screenRect = w->rect;
        parent = w->parent;
    }
    const bool own = w->threadId == GetCurrentThreadId();
    if (show != wasVisible) {
        SendMessageW(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        {
            const std::lock_guard guard(WindowLock());
            if (show)
                w->style |= WS_VISIBLE;
            else
                w->style &= ~static_cast<DWORD>(WS_VISIBLE);
        }
        if (show) {
            InvalidateWindowTree(window);
        } else {
            InvalidateScreenArea(screenRect, parent);
            if (own) {
                ReleaseInputFrom(window);
                if (topLevel) ActivateNextWindow(window);
            }
        }
    }
    if (show && topLevel && (command == SW_SHOWMAXIMIZED)) {
        const RECT work = WorkArea();
        SetWindowPos(window, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (show && topLevel && Activates(command) && !(w->exStyle & WS_EX_NOACTIVATE)) {
        if (own)
            SetActiveWindow(window);
        else
            SetForegroundWindow(window);
    }
    return wasVisible ? TRUE : FALSE;
}
