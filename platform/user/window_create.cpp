// CreateWindowExW and DestroyWindow with their message order.
// Creation: WM_NCCREATE (FALSE fails), WM_CREATE (-1 fails and destroys); a window made visible is
// then shown (WM_SHOWWINDOW, activation of a top-level window); last WM_SIZE and WM_MOVE.
// Destruction: owned windows first; the window loses activation, focus and capture; WM_DESTROY to the
// window and then to its descendants, parents first; WM_NCDESTROY to the descendants, children first,
// and last to the window. Its timers go; messages already posted to it stay and fail when dispatched.
#include <algorithm>

#include "platform/system.h"
#include "platform/threads.h"
#include "user/message_queue.h"
#include "user/remote_windows.h"
#include "user/system_metrics.h"
#include "user/update_region.h"
#include "user/window_class.h"
#include "user/window_life.h"
#include "user/window_state.h"
#include "user/window_table.h"

namespace platform {
namespace {

RECT PlaceWindow(const Window* parent, int x, int y, int width, int height) {
    if (parent) {
        const POINT origin = ClientOrigin(*parent);
        if (x == CW_USEDEFAULT) x = 0, y = 0;
        if (width == CW_USEDEFAULT) width = 0, height = 0;
        return {origin.x + x, origin.y + y, origin.x + x + std::max(width, 0), origin.y + y + std::max(height, 0)};
    }
    const RECT work = DefaultWindowArea();
    if (x == CW_USEDEFAULT) x = work.left, y = work.top;
    if (width == CW_USEDEFAULT) {
        width = work.right - x;
        height = work.bottom - y;
    }
    return {x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

void SendSizeAndMove(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    HWND parent = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        if (const Window* w = Peek(hwnd)) parent = w->parent;
    }
    if (parent) ScreenToClient(parent, &origin);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

void CollectTree(HWND hwnd, std::vector<HWND>& out) {
    const Window* w = Peek(hwnd);
    if (!w) return;
    out.push_back(hwnd);
    for (const HWND child : w->children) CollectTree(child, out);
}

void DropTimersOf(ThreadQueue& queue, const std::vector<HWND>& windows) {
    const std::lock_guard guard(queue.lock);
    std::erase_if(queue.timers, [&](const Timer& t) {
        return t.hwnd && std::find(windows.begin(), windows.end(), t.hwnd) != windows.end();
    });
}

// Sends the two destruction messages over the tree of `hwnd` and takes it out of the table.
void DestroyTree(const std::shared_ptr<Window>& window) {
    std::vector<HWND> tree;
    {
        const std::lock_guard guard(WindowLock());
        CollectTree(window->handle, tree);
        for (const HWND h : tree) Peek(h)->life = WindowLife::Destroying;
    }
    for (const HWND h : tree) SendMessageW(h, WM_DESTROY, 0, 0);
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        const auto w = FindWindowRecord(*it);
        if (!w) continue;
        SendMessageW(*it, WM_NCDESTROY, 0, 0);
        if (w->queue) DropTimersOf(*w->queue, {*it});
        RemoveWindow(*w);
    }
}

}  // namespace

void ForgetWindowsOfThread(DWORD threadId) {
    const std::vector<HWND> windows = WindowsOfThread(threadId);
    bool anyTopLevel = false;
    {
        const std::lock_guard guard(WindowLock());
        for (const HWND h : windows)
            if (Window* w = Peek(h)) {
                anyTopLevel = anyTopLevel || IsTopLevel(*w);
                RemoveWindow(*w);
            }
    }
    if (anyTopLevel) PublishTopLevelWindows();
}

}  // namespace platform

using namespace platform;

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param) {
    const auto cls = FindWindowClass(className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parentHandle) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    const auto parent = parentHandle ? WindowOrFail(parentHandle) : nullptr;
    if (parentHandle && !parent) return nullptr;

    auto window = std::make_shared<Window>();
    window->cls = cls;
    window->queue = CurrentQueue();
    window->threadId = GetCurrentThreadId();
    window->exStyle = exStyle;
    window->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    window->proc = cls->info.lpfnWndProc;
    window->instance = instance;
    window->extra.assign(static_cast<std::size_t>(cls->info.cbWndExtra), 0);
    {
        const std::lock_guard guard(WindowLock());
        if (parent && (style & WS_CHILD)) {
            window->parent = parentHandle;
            window->id = reinterpret_cast<LONG_PTR>(menu);
        } else {
            // A parent given to a top-level window is its owner: the top-level window above it.
            window->owner = parent ? TopLevelOf(*parent)->handle : nullptr;
            window->id = reinterpret_cast<LONG_PTR>(menu);
        }
        window->rect = PlaceWindow(window->parent ? parent.get() : nullptr, x, y, width, height);
    }
    const HWND hwnd = AddWindow(window, !window->parent);

    CREATESTRUCTW cs{param,
                     instance,
                     menu,
                     parentHandle,
                     height,
                     width,
                     y,
                     x,
                     static_cast<LONG>(style),
                     windowName,
                     IS_INTRESOURCE(className) ? cls->name.c_str() : className,
                     exStyle};
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
        RemoveWindow(*window);
        return nullptr;
    }
    {
        const std::lock_guard guard(WindowLock());
        window->life = WindowLife::Alive;
    }
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;  // destroyed while being created
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    if (!IsWindow(hwnd)) return nullptr;
    SendSizeAndMove(hwnd);
    if (!window->parent) PublishTopLevelWindows();
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    const auto window = OwnWindowOrFail(hwnd);
    if (!window) return FALSE;
    bool topLevel = false;
    bool visible = false;
    RECT screenRect{};
    HWND parent = nullptr;
    std::vector<HWND> owned;
    {
        const std::lock_guard guard(WindowLock());
        if (window->life == WindowLife::Destroying) return TRUE;  // already on its way
        topLevel = IsTopLevel(*window);
        visible = IsVisibleChain(*window);
        screenRect = window->rect;
        parent = window->parent;
        if (topLevel)
            for (const HWND h : TopLevelWindows())
                if (const Window* w = Peek(h); w && w->owner == hwnd) owned.push_back(h);
    }
    for (const HWND h : owned) DestroyWindow(h);
    if (!IsWindow(hwnd)) return TRUE;

    {
        const std::lock_guard guard(WindowLock());
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    if (visible) InvalidateScreenArea(screenRect, parent);
    if (topLevel) ActivateNextWindow(hwnd);
    ReleaseInputFrom(hwnd);
    DestroyTree(window);
    if (topLevel) PublishTopLevelWindows();
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    if (!hwnd) return FALSE;
    if (hwnd == DesktopHandle()) return TRUE;
    if (IsProxyWindow(hwnd)) return RemoteIsWindow(hwnd) ? TRUE : FALSE;
    return FindWindowRecord(hwnd) ? TRUE : FALSE;
}
