// SHRecognizeGesture: tap and hold. The press being handled is looked up by where it came down;
// a hold given by a script or a test is known at once, a stylus still down is watched in real time
// until it lifts, wanders off, or stays long enough.
#include <chrono>
#include <thread>

#include "display/device_input.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace platform {
namespace {

constexpr auto kHoldTime = std::chrono::milliseconds(500);
constexpr auto kLongHoldTime = std::chrono::milliseconds(1000);
constexpr auto kWatchStep = std::chrono::milliseconds(10);

bool WasHeld(POINT screen, bool longDelay) {
    const auto deadline = std::chrono::steady_clock::now() + (longDelay ? kLongHoldTime : kHoldTime);
    while (PressStateAt(screen) == PressState::Down && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kWatchStep);
    const PressState state = TakePressAt(screen);
    return state == PressState::Held || state == PressState::Down;
}

}  // namespace
}  // namespace platform

using namespace platform;

DWORD SHRecognizeGesture(SHRGINFO* info) {
    if (!info || !IsWindow(info->hwndClient)) {
        SetLastError(info ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return 0;
    }
    POINT screen = info->ptDown;
    ClientToScreen(info->hwndClient, &screen);
    if (!WasHeld(screen, (info->dwFlags & SHRG_LONGDELAY) != 0)) return 0;
    if (info->dwFlags & SHRG_RETURNCMD) return GN_CONTEXTMENU;
    // Otherwise the window (or its parent) is told, as WM_CONTEXTMENU at the screen point.
    const HWND told = (info->dwFlags & SHRG_NOTIFYPARENT) && GetParent(info->hwndClient) ? GetParent(info->hwndClient)
                                                                                            : info->hwndClient;
    SendMessageW(told, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(info->hwndClient),
                 MAKELPARAM(static_cast<SHORT>(screen.x), static_cast<SHORT>(screen.y)));
    return GN_CONTEXTMENU;
}
