// The window words (GetWindowLongPtrW/SetWindowLongPtrW), window text and class names.
#include <algorithm>
#include <cstring>

#include "platform/system.h"
#include "platform/threads.h"
#include "user/remote_windows.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace platform {
namespace {

bool ExtraFits(const Window& w, int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) + size <= w.extra.size();
}

// Reads or writes a window word; `set` is empty for a read. Fails with ERROR_INVALID_INDEX.
bool AccessWord(HWND hwnd, int index, std::size_t size, const LONG_PTR* set, LONG_PTR* previous) {
    const std::lock_guard guard(WindowLock());
    Window* w = Peek(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    auto swap = [&](auto& field) {
        *previous = static_cast<LONG_PTR>(field);
        if (set) field = static_cast<std::remove_reference_t<decltype(field)>>(*set);
    };
    switch (index) {
    case GWL_WNDPROC: {
        *previous = reinterpret_cast<LONG_PTR>(w->proc);
        if (set) w->proc = reinterpret_cast<WNDPROC>(*set);
        return true;
    }
    case GWL_HINSTANCE: {
        *previous = reinterpret_cast<LONG_PTR>(w->instance);
        if (set) w->instance = reinterpret_cast<HINSTANCE>(*set);
        return true;
    }
    case GWL_HWNDPARENT: {
        *previous = reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
        // For a top-level window this word is its owner.
        if (set && !w->parent) w->owner = reinterpret_cast<HWND>(*set);
        return true;
    }
    case GWL_ID: swap(w->id); return true;
    case GWL_STYLE: swap(w->style); return true;
    case GWL_EXSTYLE: swap(w->exStyle); return true;
    case GWL_USERDATA: swap(w->userData); return true;
    default: break;
    }
    if (!ExtraFits(*w, index, size)) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    BYTE* at = w->extra.data() + index;
    if (size == sizeof(LONG_PTR)) {
        LONG_PTR value = 0;
        std::memcpy(&value, at, size);
        *previous = value;
        if (set) std::memcpy(at, set, size);
    } else {
        LONG value = 0;
        std::memcpy(&value, at, size);
        *previous = value;
        if (set) {
            const LONG narrow = static_cast<LONG>(*set);
            std::memcpy(at, &narrow, size);
        }
    }
    return true;
}

int CopyText(const std::u16string& text, LPWSTR out, int outChars) {
    if (!out || outChars <= 0) return 0;
    const int n = std::min(static_cast<int>(text.size()), outChars - 1);
    std::copy_n(text.data(), n, out);
    out[n] = 0;
    return n;
}

}  // namespace

// The text kept for a window, for DefWindowProcW's WM_SETTEXT and WM_GETTEXT.
void StoreWindowText(HWND hwnd, LPCWSTR text) {
    const std::lock_guard guard(WindowLock());
    if (Window* w = Peek(hwnd)) w->text = text ? text : u"";
}

std::u16string WindowText(HWND hwnd) {
    const std::lock_guard guard(WindowLock());
    const Window* w = Peek(hwnd);
    return w ? w->text : std::u16string();
}

}  // namespace platform

using namespace platform;

LONG_PTR GetWindowLongPtrW(HWND window, int index) {
    LONG_PTR value = 0;
    return AccessWord(window, index, sizeof(LONG_PTR), nullptr, &value) ? value : 0;
}

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    LONG_PTR previous = 0;
    return AccessWord(window, index, sizeof(LONG_PTR), &value, &previous) ? previous : 0;
}

LONG GetWindowLongW(HWND window, int index) {
    LONG_PTR value = 0;
    return AccessWord(window, index, sizeof(LONG), nullptr, &value) ? static_cast<LONG>(value) : 0;
}

LONG SetWindowLongW(HWND window, int index, LONG value) {
    LONG_PTR previous = 0;
    const LONG_PTR wide = value;
    return AccessWord(window, index, sizeof(LONG), &wide, &previous) ? static_cast<LONG>(previous) : 0;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    if (!WindowOrFail(window)) return FALSE;
    return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR out, int outChars) {
    const auto w = WindowOrFail(window);
    if (!w) return 0;
    // Another thread's window is read directly: sending would wait on a thread that may be waiting on us.
    if (w->threadId != GetCurrentThreadId()) return CopyText(WindowText(window), out, outChars);
    return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(std::max(outChars, 0)),
                                         reinterpret_cast<LPARAM>(out)));
}

int GetWindowTextLengthW(HWND window) {
    const auto w = WindowOrFail(window);
    if (!w) return 0;
    if (w->threadId != GetCurrentThreadId()) return static_cast<int>(WindowText(window).size());
    return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

int GetClassNameW(HWND window, LPWSTR out, int outChars) {
    std::u16string name;
    if (IsProxyWindow(window)) {
        name = ProxyClassName(window);
    } else {
        const auto w = WindowOrFail(window);
        if (!w) return 0;
        name = w->cls->name;
    }
    if (!out || outChars <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return CopyText(name, out, outChars);
}
