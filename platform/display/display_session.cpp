// Starting and stopping the device screen, and turning it.
#include "platform/display.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "display/desktop_window.h"
#include "display/display_session.h"
#include "display/drawn_message_box.h"
#include "display/script_runner.h"
#include "display/screen_pixels.h"
#include "platform/device.h"
#include "shell/menu_bar.h"
#include "shell/nav_bar.h"
#include "user/system_metrics.h"
#include "user/window_table.h"

namespace platform {
namespace {

constexpr const char* kHowToRun =
    "quorvia: there is no display to show the device's screen on.\n"
    "Run it on a desktop (DISPLAY naming a running X server, or WAYLAND_DISPLAY), on a virtual\n"
    "display (Xvfb: xvfb-run quorvia), or headless with an input script:\n"
    "  QUORVIA_HEADLESS=1 QUORVIA_SCRIPT=FILE quorvia\n";

// wParam of WM_SETTINGCHANGE when the screen has turned.
constexpr WPARAM kSettingChangeReset = 0x3002;

bool HasDisplay() {
    if (Profile().headless) return false;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

RECT ShellWorkArea() {
    const DeviceProfile& p = Profile();
    const int bar = ShellBarHeight();
    return {0, bar, p.screenWidth, p.screenHeight - bar};
}

bool IsShellWindow(HWND hwnd) {
    WCHAR name[32] = {};
    GetClassNameW(hwnd, name, 32);
    const std::u16string_view n(name);
    return n == kNavBarClass || n == kMenuBarClass || n == kPopupMenuClass;
}

}  // namespace

bool OpenDeviceScreen() {
    SetWorkArea(ShellWorkArea());
    if (!NavBarWindow()) CreateNavBar();
    PlaceNavBar();
    const bool shown = HasDisplay() && OpenDesktopWindow(NavBarWindow());
    const bool scripted = StartScriptIfRequested();
    // A drawn box waits for the user; only a screen someone sees or a script answers may show one.
    if (shown || scripted) UseDrawnMessageBoxes(true);
    return shown || scripted;
}

bool StartDisplay() {
    // Unseen, undriven and not asked to run headless, the program would run on for ever unnoticed.
    if (!OpenDeviceScreen() && !Profile().headless) {
        std::fputs(kHowToRun, stderr);
        std::fflush(stderr);
        return false;
    }
    return true;
}

void StopDisplay() {
    UseDrawnMessageBoxes(false);
    CloseDesktopWindow();
    if (const HWND bar = NavBarWindow()) DestroyWindow(bar);
    ResetWorkArea();
}

bool DisplayIsShown() { return DesktopWindowIsOpen(); }

void RotateScreen() {
    const RECT oldArea = WorkArea();
    const RECT oldDefault = DefaultWindowArea();
    DeviceProfile turned = Profile();
    std::swap(turned.screenWidth, turned.screenHeight);
    TurnScreenPixels(turned);
    const RECT area = ShellWorkArea();
    SetWorkArea(area);
    PlaceNavBar();
    PlaceMenuBars();
    for (const HWND h : TopLevelWindows()) {
        if (IsShellWindow(h)) continue;
        RECT r{};
        GetWindowRect(h, &r);
        // Windows that filled the work area, or were made at the default place, fill the new one;
        // WM_SIZE tells them.
        const bool filled = EqualRect(&r, &oldArea) || EqualRect(&r, &oldDefault);
        const RECT to = EqualRect(&r, &oldArea) ? area : DefaultWindowArea();
        if (filled)
            SetWindowPos(h, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(h, WM_SETTINGCHANGE, kSettingChangeReset, 0);
        InvalidateRect(h, nullptr, TRUE);
    }
    for (const HWND h : TopLevelWindows()) InvalidateRect(h, nullptr, TRUE);
}

}  // namespace platform
