// The table of window records, the tree of parents, children and owners, and window geometry helpers.
#include "user/window_table.h"

#include <algorithm>
#include <unordered_map>

#include "platform/system.h"
#include "platform/threads.h"
#include "user/message_queue.h"

namespace platform {
namespace {

// Window handles are multiples of 4 from here, so that the low bits stay free (SetForegroundWindow's
// "owned windows too" bit); the desktop has the value below the first.
constexpr ULONG_PTR kDesktopHandle = 0x00010000;
constexpr ULONG_PTR kFirstWindowHandle = 0x00020000;
constexpr ULONG_PTR kHandleStep = 4;

struct Table {
    std::unordered_map<ULONG_PTR, std::shared_ptr<Window>> records;
    std::vector<HWND> topLevel;
    ULONG_PTR next = kFirstWindowHandle;
};

Table& Windows() {
    static Table table;
    return table;
}

ULONG_PTR Key(HWND handle) { return reinterpret_cast<ULONG_PTR>(handle); }

void Erase(std::vector<HWND>& list, HWND handle) { list.erase(std::remove(list.begin(), list.end(), handle), list.end()); }

std::vector<HWND>& SiblingsOf(Window& window) {
    if (Window* parent = Peek(window.parent)) return parent->children;
    return Windows().topLevel;
}

void CollectTree(HWND handle, DWORD threadId, std::vector<HWND>& out) {
    Window* w = Peek(handle);
    if (!w) return;
    if (w->threadId == threadId) out.push_back(handle);
    for (const HWND child : w->children) CollectTree(child, threadId, out);
}

}  // namespace

std::recursive_mutex& WindowLock() {
    static std::recursive_mutex lock;
    return lock;
}

HWND NewWindowHandle() {
    const std::lock_guard guard(WindowLock());
    const ULONG_PTR value = Windows().next;
    Windows().next += kHandleStep;
    return reinterpret_cast<HWND>(value);
}

Window* Peek(HWND handle) {
    Table& t = Windows();
    const auto it = t.records.find(Key(handle));
    if (it == t.records.end() || it->second->life == WindowLife::Destroyed) return nullptr;
    return it->second.get();
}

std::shared_ptr<Window> FindWindowRecord(HWND handle) {
    if (!handle) return nullptr;
    const std::lock_guard guard(WindowLock());
    Table& t = Windows();
    const auto it = t.records.find(Key(handle));
    if (it == t.records.end() || it->second->life == WindowLife::Destroyed) return nullptr;
    return it->second;
}

std::shared_ptr<Window> WindowOrFail(HWND handle) {
    auto window = FindWindowRecord(handle);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

std::shared_ptr<Window> OwnWindowOrFail(HWND handle) {
    auto window = WindowOrFail(handle);
    if (window && window->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_WINDOW_OF_OTHER_THREAD);
        return nullptr;
    }
    return window;
}

HWND AddWindow(const std::shared_ptr<Window>& window, bool onTop) {
    const std::lock_guard guard(WindowLock());
    Table& t = Windows();
    if (!window->handle) {
        window->handle = reinterpret_cast<HWND>(t.next);
        t.next += kHandleStep;
    }
    t.records[Key(window->handle)] = window;
    std::vector<HWND>& siblings = SiblingsOf(*window);
    if (onTop)
        siblings.insert(siblings.begin(), window->handle);
    else
        siblings.push_back(window->handle);
    return window->handle;
}

void RemoveWindow(Window& window) {
    const std::lock_guard guard(WindowLock());
    Erase(SiblingsOf(window), window.handle);
    window.life = WindowLife::Destroyed;
    Windows().records.erase(Key(window.handle));
}

std::vector<HWND> TopLevelWindows() {
    const std::lock_guard guard(WindowLock());
    return Windows().topLevel;
}

std::vector<HWND> WindowsOfThread(DWORD threadId) {
    const std::lock_guard guard(WindowLock());
    std::vector<HWND> out;
    for (const HWND top : Windows().topLevel) CollectTree(top, threadId, out);
    return out;
}

bool AnyWindowOfClass(const WindowClass* cls) {
    const std::lock_guard guard(WindowLock());
    for (const auto& [key, w] : Windows().records)
        if (w->cls.get() == cls && w->life != WindowLife::Destroyed) return true;
    return false;
}

void RaiseInZOrder(Window& window) {
    const std::lock_guard guard(WindowLock());
    std::vector<HWND>& siblings = SiblingsOf(window);
    Erase(siblings, window.handle);
    siblings.insert(siblings.begin(), window.handle);
    if (!IsTopLevel(window)) return;
    // Owned windows stay above their owner, in their present order.
    std::vector<HWND> owned;
    for (const HWND h : siblings)
        if (const Window* w = Peek(h); w && w->owner == window.handle) owned.push_back(h);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        Erase(siblings, *it);
        siblings.insert(siblings.begin(), *it);
    }
}

bool IsTopLevel(const Window& window) { return !window.parent; }

bool IsVisibleChain(const Window& window) {
    const Window* w = &window;
    while (w) {
        if (!(w->style & WS_VISIBLE)) return false;
        w = w->parent ? Peek(w->parent) : nullptr;
    }
    return true;
}

Window* TopLevelOf(Window& window) {
    Window* w = &window;
    while (w->parent) {
        Window* parent = Peek(w->parent);
        if (!parent) break;
        w = parent;
    }
    return w;
}

bool IsDescendant(const Window& ancestor, const Window& window) {
    const Window* w = &window;
    while (w && w->parent) {
        if (w->parent == ancestor.handle) return true;
        w = Peek(w->parent);
    }
    return false;
}

void MoveTree(Window& window, LONG dx, LONG dy) {
    std::vector<Window*> pending{&window};
    while (!pending.empty()) {
        Window* next = pending.back();
        pending.pop_back();
        next->rect.left += dx;
        next->rect.right += dx;
        next->rect.top += dy;
        next->rect.bottom += dy;
        for (const HWND h : next->children)
            if (Window* c = Peek(h)) pending.push_back(c);
    }
}

RECT ClientRectScreen(const Window& window) {
    RECT r = window.rect;
    int edge = 0;
    if (window.style & WS_BORDER) edge += GetSystemMetrics(SM_CXBORDER);
    if (window.style & WS_DLGFRAME) edge += GetSystemMetrics(SM_CXDLGFRAME);
    if (window.exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
    r.left += edge;
    r.top += edge;
    r.right -= edge;
    r.bottom -= edge;
    if ((window.style & WS_CAPTION) == WS_CAPTION) r.top += GetSystemMetrics(SM_CYCAPTION);
    if (window.vscrollShown) r.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (window.hscrollShown) r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

POINT ClientOrigin(const Window& window) {
    const RECT r = ClientRectScreen(window);
    return {r.left, r.top};
}

HWND DesktopHandle() { return reinterpret_cast<HWND>(kDesktopHandle); }

}  // namespace platform
