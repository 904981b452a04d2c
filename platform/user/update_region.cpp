// InvalidateRect, ValidateRect, GetUpdateRect and UpdateWindow over the update rectangle of each window.
#include "user/update_region.h"

#include <algorithm>
#include <vector>

#include "platform/system.h"
#include "user/message_queue.h"
#include "user/window_proc.h"
#include "user/window_table.h"

namespace platform {
namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Union(const RECT& a, const RECT& b) {
    if (Empty(a)) return b;
    if (Empty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return Empty(r) ? RECT{} : r;
}

RECT ClientArea(const Window& w) {
    const RECT c = ClientRectScreen(w);
    return {0, 0, c.right - c.left, c.bottom - c.top};
}

// With WindowLock() held; collects the queues to wake.
void InvalidateLocked(Window& w, const RECT* rect, bool erase, std::vector<std::shared_ptr<ThreadQueue>>& wake) {
    const RECT area = rect ? Intersect(*rect, ClientArea(w)) : ClientArea(w);
    if (!Empty(area)) {
        w.update = Union(w.update, area);
        w.updateErase = w.updateErase || erase;
        if (w.queue) wake.push_back(w.queue);
    }
    if (w.style & WS_CLIPCHILDREN) return;
    const POINT origin = ClientOrigin(w);
    for (const HWND h : w.children) {
        Window* child = Peek(h);
        if (!child || !(child->style & WS_VISIBLE)) continue;
        if (!rect) {
            InvalidateLocked(*child, nullptr, erase, wake);
            continue;
        }
        // The rectangle in the child's client coordinates.
        const POINT childOrigin = ClientOrigin(*child);
        RECT r = *rect;
        const LONG dx = origin.x - childOrigin.x;
        const LONG dy = origin.y - childOrigin.y;
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
        InvalidateLocked(*child, &r, erase, wake);
    }
}

// With WindowLock() held: a screen rectangle in a window and every visible descendant, whether or not
// the window clips them, since whatever lay on top of it has gone from all of them.
void InvalidateExposed(Window& w, const RECT& screenRect, std::vector<std::shared_ptr<ThreadQueue>>& wake) {
    const POINT origin = ClientOrigin(w);
    const RECT area = Intersect({screenRect.left - origin.x, screenRect.top - origin.y, screenRect.right - origin.x,
                                 screenRect.bottom - origin.y},
                                ClientArea(w));
    if (!Empty(area)) {
        w.update = Union(w.update, area);
        w.updateErase = true;
        if (w.queue) wake.push_back(w.queue);
    }
    for (const HWND h : w.children) {
        Window* child = Peek(h);
        if (child && (child->style & WS_VISIBLE) && !Empty(Intersect(child->rect, screenRect)))
            InvalidateExposed(*child, screenRect, wake);
    }
}

void Wake(const std::vector<std::shared_ptr<ThreadQueue>>& queues) {
    for (const auto& q : queues) WakeQueue(*q);
}

// Takes `rect` (client coordinates) out of the update rectangle where that leaves a rectangle.
void Subtract(Window& w, const RECT& rect) {
    RECT& u = w.update;
    const RECT cut = Intersect(u, rect);
    if (Empty(cut)) return;
    const bool fullWidth = cut.left <= u.left && cut.right >= u.right;
    const bool fullHeight = cut.top <= u.top && cut.bottom >= u.bottom;
    if (fullWidth && fullHeight) {
        u = RECT{};
    } else if (fullWidth && cut.top <= u.top) {
        u.top = cut.bottom;
    } else if (fullWidth && cut.bottom >= u.bottom) {
        u.bottom = cut.top;
    } else if (fullHeight && cut.left <= u.left) {
        u.left = cut.right;
    } else if (fullHeight && cut.right >= u.right) {
        u.right = cut.left;
    }
    if (Empty(u)) u = RECT{};
    ++w.validations;
}

void CollectPaintable(const Window& w, std::vector<HWND>& out) {
    if (!(w.style & WS_VISIBLE)) return;
    if (!Empty(w.update)) out.push_back(w.handle);
    for (const HWND h : w.children)
        if (const Window* child = Peek(h)) CollectPaintable(*child, out);
}

}  // namespace

HWND WindowToPaint(DWORD threadId, HWND filter) {
    const std::lock_guard guard(WindowLock());
    const Window* root = filter ? Peek(filter) : nullptr;
    if (filter && (!root || !IsVisibleChain(*root))) return nullptr;
    std::vector<HWND> candidates;
    if (root) {
        CollectPaintable(*root, candidates);
    } else {
        for (const HWND top : TopLevelWindows())
            if (const Window* w = Peek(top)) CollectPaintable(*w, candidates);
    }
    for (const HWND h : candidates)
        if (Peek(h)->threadId == threadId) return h;
    return nullptr;
}

bool TakeUpdateRegion(HWND hwnd, RECT* area, bool* erase) {
    const std::lock_guard guard(WindowLock());
    Window* w = Peek(hwnd);
    if (!w) return false;
    if (area) *area = w->update;
    if (erase) *erase = w->updateErase;
    w->update = RECT{};
    w->updateErase = false;
    ++w->validations;
    return true;
}

bool InvalidateWindowArea(HWND hwnd, const RECT* rect, bool erase) {
    std::vector<std::shared_ptr<ThreadQueue>> wake;
    {
        const std::lock_guard guard(WindowLock());
        Window* w = Peek(hwnd);
        if (!w) return false;
        InvalidateLocked(*w, rect, erase, wake);
    }
    Wake(wake);
    return true;
}

void InvalidateWindowTree(HWND hwnd) {
    std::vector<HWND> tree;
    {
        const std::lock_guard guard(WindowLock());
        Window* w = Peek(hwnd);
        if (!w) return;
        std::vector<Window*> pending{w};
        while (!pending.empty()) {
            Window* next = pending.back();
            pending.pop_back();
            tree.push_back(next->handle);
            for (const HWND h : next->children)
                if (Window* child = Peek(h); child && (child->style & WS_VISIBLE)) pending.push_back(child);
        }
    }
    for (const HWND h : tree) InvalidateWindowArea(h, nullptr, true);
}

void InvalidateScreenArea(const RECT& screenRect, HWND parent) {
    std::vector<std::shared_ptr<ThreadQueue>> wake;
    {
        const std::lock_guard guard(WindowLock());
        std::vector<HWND> below;
        if (Peek(parent)) {
            below.push_back(parent);
        } else {
            below = TopLevelWindows();
        }
        for (const HWND h : below) {
            Window* w = Peek(h);
            if (w && IsVisibleChain(*w)) InvalidateExposed(*w, screenRect, wake);
        }
    }
    Wake(wake);
}

void InvalidateUncovered(const std::vector<HWND>& before) {
    std::vector<std::shared_ptr<ThreadQueue>> wake;
    {
        const std::lock_guard guard(WindowLock());
        const std::vector<HWND> after = TopLevelWindows();
        for (auto at = after.begin(); at != after.end(); ++at) {
            Window* w = Peek(*at);
            if (!w || !(w->style & WS_VISIBLE)) continue;
            const auto was = std::find(before.begin(), before.end(), *at);
            // Each window that lay above it and lies below it now leaves its place to be painted.
            for (auto above = before.begin(); above != was; ++above) {
                const Window* other = Peek(*above);
                if (!other || !(other->style & WS_VISIBLE) || std::find(after.begin(), at, *above) != at) continue;
                InvalidateExposed(*w, other->rect, wake);
            }
        }
    }
    Wake(wake);
}

}  // namespace platform

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    using namespace platform;
    if (!window) {
        // The whole screen: every top-level window.
        for (const HWND top : TopLevelWindows()) InvalidateWindowArea(top, nullptr, erase != FALSE);
        return TRUE;
    }
    if (!InvalidateWindowArea(window, rect, erase != FALSE)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
    using namespace platform;
    const std::lock_guard guard(WindowLock());
    Window* w = Peek(window);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (rect) {
        Subtract(*w, *rect);
    } else {
        w->update = RECT{};
        w->updateErase = false;
        ++w->validations;
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND window, LPRECT out, BOOL) {
    using namespace platform;
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (out) *out = w->update;
    return Empty(w->update) ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND window) {
    using namespace platform;
    const auto w = OwnWindowOrFail(window);
    if (!w) return FALSE;
    // The window first, then its children, each only when it has something to paint.
    std::vector<HWND> toPaint;
    {
        const std::lock_guard guard(WindowLock());
        if (IsVisibleChain(*w)) CollectPaintable(*w, toPaint);
    }
    for (const HWND h : toPaint) {
        RECT pending{};
        if (GetUpdateRect(h, &pending, FALSE)) DeliverPaint(h);
    }
    return TRUE;
}
