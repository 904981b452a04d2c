// The navigation bar window and SHSetNavBarText.
#include "shell/nav_bar.h"

#include <mutex>
#include <optional>

#include "platform/device.h"
#include "platform/display.h"
#include "platform/shell.h"
#include "platform/time.h"
#include "shell/menu_bar.h"
#include "shell/shell_paint.h"

namespace platform {
namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriod = 1000;
constexpr int kMostTitleChars = 128;

struct NavState {
    std::mutex lock;
    std::optional<std::u16string> text;  // SHSetNavBarText's
    HWND window = nullptr;
    std::u16string shownTitle;
    std::u16string shownClock;
};

NavState& Nav() {
    static NavState state;
    return state;
}

std::u16string ForegroundTitle() {
    const HWND fg = GetForegroundWindow();
    if (!fg) return {};
    WCHAR buffer[kMostTitleChars + 1] = {};
    GetWindowTextW(fg, buffer, kMostTitleChars + 1);
    return buffer;
}

// Repaints when what the bar shows has changed; true then.
bool NoteChanges(HWND bar) {
    const std::u16string title = NavBarTitle();
    const std::u16string clock = NavBarClock();
    bool changed = false;
    {
        NavState& n = Nav();
        const std::lock_guard guard(n.lock);
        changed = title != n.shownTitle || clock != n.shownClock;
        n.shownTitle = title;
        n.shownClock = clock;
    }
    if (changed) InvalidateRect(bar, nullptr, TRUE);
    return changed;
}

LRESULT OnClockTick(HWND bar) {
    NoteChanges(bar);
    return 0;
}

LRESULT OnNavDestroy(HWND bar) {
    KillTimer(bar, kClockTimer);
    NavState& n = Nav();
    const std::lock_guard guard(n.lock);
    if (n.window == bar) n.window = nullptr;
    return 0;
}

LRESULT CALLBACK NavBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: return PaintNavBar(bar);
    case WM_TIMER: return OnClockTick(bar);
    case WM_DESTROY: return OnNavDestroy(bar);
    case kNavBarRotateMessage: RotateScreen(); return 0;
    }
    return DefWindowProcW(bar, message, wParam, lParam);
}

RECT NavBarRect() { return {0, 0, Profile().screenWidth, ShellBarHeight()}; }

}  // namespace

HWND CreateNavBar() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = NavBarProc;
        wc.lpszClassName = kNavBarClass;
        RegisterClassW(&wc);
    });
    const RECT r = NavBarRect();
    const HWND bar = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kNavBarClass, nullptr, WS_POPUP | WS_VISIBLE,
                                     r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    if (!bar) return nullptr;
    SetTimer(bar, kClockTimer, kClockPeriod, nullptr);
    NavState& n = Nav();
    const std::lock_guard guard(n.lock);
    n.window = bar;
    return bar;
}

HWND NavBarWindow() {
    NavState& n = Nav();
    const std::lock_guard guard(n.lock);
    return n.window;
}

void PlaceNavBar() {
    const HWND bar = NavBarWindow();
    const RECT r = NavBarRect();
    if (bar) SetWindowPos(bar, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RefreshNavBar() {
    const HWND bar = NavBarWindow();
    return bar && NoteChanges(bar);
}

std::u16string NavBarTitle() {
    {
        NavState& n = Nav();
        const std::lock_guard guard(n.lock);
        if (n.text) return *n.text;
    }
    return ForegroundTitle();
}

std::u16string NavBarClock() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::u16string text;
    for (const char c : std::to_string(now.wHour)) text.push_back(static_cast<char16_t>(c));
    text.push_back(u':');
    text.push_back(static_cast<char16_t>(u'0' + now.wMinute / 10));
    text.push_back(static_cast<char16_t>(u'0' + now.wMinute % 10));
    return text;
}

}  // namespace platform

BOOL SHSetNavBarText(HWND, LPCWSTR text) {
    using namespace platform;
    HWND bar = nullptr;
    {
        NavState& n = Nav();
        const std::lock_guard guard(n.lock);
        if (text)
            n.text = std::u16string(text).substr(0, kMostTitleChars);
        else
            n.text.reset();
        bar = n.window;
    }
    if (bar) InvalidateRect(bar, nullptr, TRUE);
    return TRUE;
}
