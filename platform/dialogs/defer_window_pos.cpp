// Moving several windows as one step: BeginDeferWindowPos collects moves, EndDeferWindowPos makes
// them in order. A move of a window that is not there fails on its own and leaves the others to go.
#include <map>
#include <mutex>
#include <vector>

#include "platform/dialogs.h"

namespace {

struct Deferred {
    std::mutex lock;
    std::map<HDWP, std::vector<WINDOWPOS>> pending;
    ULONG_PTR next = 0x4450000;
};

Deferred& Pending() {
    static Deferred deferred;
    return deferred;
}

}  // namespace

HDWP BeginDeferWindowPos(int count) {
    if (count < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Deferred& d = Pending();
    const std::lock_guard guard(d.lock);
    const auto handle = reinterpret_cast<HDWP>(d.next += 4);
    d.pending[handle].reserve(static_cast<std::size_t>(count));
    return handle;
}

HDWP DeferWindowPos(HDWP positions, HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Deferred& d = Pending();
    const std::lock_guard guard(d.lock);
    const auto it = d.pending.find(positions);
    if (it == d.pending.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    it->second.push_back({window, insertAfter, x, y, cx, cy, flags});
    return positions;
}

BOOL EndDeferWindowPos(HDWP positions) {
    std::vector<WINDOWPOS> moves;
    {
        Deferred& d = Pending();
        const std::lock_guard guard(d.lock);
        const auto it = d.pending.find(positions);
        if (it == d.pending.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        moves = std::move(it->second);
        d.pending.erase(it);
    }
    BOOL all = TRUE;
    for (const WINDOWPOS& m : moves)
        if (!SetWindowPos(m.hwnd, m.hwndInsertAfter, m.x, m.y, m.cx, m.cy, m.flags)) all = FALSE;
    return all;
}
