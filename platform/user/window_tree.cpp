// Walking the window tree: parents, owners, siblings and children, FindWindowW (this process first,
// then the device's other programs) and dialog item lookups.
#include <algorithm>

#include "platform/system.h"
#include "platform/text.h"
#include "platform/process.h"
#include "user/remote_windows.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace platform {
namespace {

std::vector<HWND> SiblingList(const Window& w) {
    if (const Window* parent = Peek(w.parent)) return parent->children;
    return TopLevelWindows();
}

bool Matches(const Window& w, LPCWSTR className, LPCWSTR windowName) {
    if (className) {
        if (IS_INTRESOURCE(className)) {
            if (w.cls->atom != static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className))) return false;
        } else if (!EqualNoCase(w.cls->name, className)) {
            return false;
        }
    }
    return !windowName || EqualNoCase(w.text, windowName);
}

}  // namespace
}  // namespace platform

using namespace platform;

HWND GetParent(HWND window) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    if (!w) {
        if (!IsProxyWindow(window)) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    // A top-level window answers with its owner.
    return w->parent ? w->parent : w->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    const auto w = WindowOrFail(child);
    if (!w) return nullptr;
    const auto parent = newParent ? WindowOrFail(newParent) : nullptr;
    if (newParent && !parent) return nullptr;
    HWND previous = nullptr;
    {
        const std::lock_guard guard(WindowLock());
        if (parent && (parent->handle == child || IsDescendant(*w, *parent))) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        previous = w->parent ? w->parent : DesktopHandle();
        // Keep the position relative to the client area of the parent.
        const POINT oldOrigin = w->parent ? ClientOrigin(*Peek(w->parent)) : POINT{0, 0};
        const POINT newOrigin = parent ? ClientOrigin(*parent) : POINT{0, 0};
        const std::shared_ptr<Window> keep = w;
        RemoveWindow(*w);
        w->life = WindowLife::Alive;
        w->parent = parent ? newParent : nullptr;
        MoveTree(*w, newOrigin.x - oldOrigin.x, newOrigin.y - oldOrigin.y);
        AddWindow(keep, !parent);
    }
    return previous;
}

HWND GetWindow(HWND window, UINT relation) {
    const std::lock_guard guard(WindowLock());
    if (window == DesktopHandle()) {
        const std::vector<HWND> top = TopLevelWindows();
        return relation == GW_CHILD && !top.empty() ? top.front() : nullptr;
    }
    const Window* w = Peek(window);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (relation == GW_OWNER) return w->owner;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    const std::vector<HWND> siblings = SiblingList(*w);
    const auto it = std::find(siblings.begin(), siblings.end(), window);
    switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 < siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV: return it != siblings.begin() ? *(it - 1) : nullptr;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND window) {
    const std::lock_guard guard(WindowLock());
    const Window* p = Peek(parent);
    const Window* w = Peek(window);
    return p && w && IsDescendant(*p, *w) ? TRUE : FALSE;
}

HWND GetDesktopWindow() { return DesktopHandle(); }

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
    {
        const std::lock_guard guard(WindowLock());
        for (const HWND h : TopLevelWindows())
            if (const Window* w = Peek(h); w && w->life == WindowLife::Alive && Matches(*w, className, windowName))
                return h;
    }
    // Windows of the device's other programs are found by name only.
    if (!className || !IS_INTRESOURCE(className))
        if (const HWND remote = FindRemoteWindow(className, windowName)) return remote;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (const HWND h : TopLevelWindows())
        if (IsWindow(h) && !proc(h, lParam)) return FALSE;
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    const std::lock_guard guard(WindowLock());
    const Window* d = Peek(dialog);
    if (!d) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (const HWND h : d->children)
        if (const Window* c = Peek(h); c && static_cast<int>(c->id) == id) return h;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(window);
    if (!w || !w->parent) {
        SetLastError(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return static_cast<int>(w->id);
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) {
    if (IsProxyWindow(window)) {
        if (processId) *processId = ProxyProcessId(window);
        return 0;
    }
    const auto w = WindowOrFail(window);
    if (!w) return 0;
    if (processId) *processId = GetCurrentProcessId();
    return w->threadId;
}
