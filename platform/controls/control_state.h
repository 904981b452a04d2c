// What every standard control shares: its state record kept by window handle, the notifications it
// sends its parent, and the style it has now (programs change styles after creation, so a control
// reads its style each time it needs it).
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/controls.h"

namespace platform {

// The state records of one kind of control. A record lives from WM_NCCREATE to WM_NCDESTROY; a
// handler holds a shared pointer, so a parent that destroys the control while a notification is
// out does not pull the record from under it.
template <typename State>
class ControlStates {
public:
    std::shared_ptr<State> Create(HWND hwnd) {
        auto state = std::make_shared<State>();
        const std::lock_guard guard(lock_);
        states_[hwnd] = state;
        return state;
    }
    std::shared_ptr<State> Find(HWND hwnd) {
        const std::lock_guard guard(lock_);
        const auto it = states_.find(hwnd);
        return it == states_.end() ? nullptr : it->second;
    }
    void Destroy(HWND hwnd) {
        std::shared_ptr<State> last;  // released outside the lock
        const std::lock_guard guard(lock_);
        const auto it = states_.find(hwnd);
        if (it == states_.end()) return;
        last = std::move(it->second);
        states_.erase(it);
    }

private:
    std::mutex lock_;
    std::unordered_map<HWND, std::shared_ptr<State>> states_;
};

// The body of a control's window procedure: the record is made with WM_NCCREATE and dropped with
// WM_NCDESTROY; everything between goes to `handle` with the record.
template <typename State>
LRESULT WithControlState(ControlStates<State>& states, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT (*handle)(HWND, State&, UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) states.Create(hwnd);
    const auto state = states.Find(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        states.Destroy(hwnd);
        return 0;
    }
    return handle(hwnd, *state, message, wParam, lParam);
}

inline DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

// WM_COMMAND to the parent with the control's identifier and a notification code.
inline void NotifyParent(HWND hwnd, int code) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return;
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

inline POINT PointOf(LPARAM lParam) {
    return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

inline bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
inline bool ControlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// Registers one control class unless it is there already.
void RegisterControlClass(LPCWSTR name, WNDPROC proc, UINT style = CS_DBLCLKS);

}  // namespace platform
