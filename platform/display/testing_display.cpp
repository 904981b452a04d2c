// The test API of the device screen; see platform/testing_display.h.
#include "platform/testing_display.h"

#include "display/desktop_window.h"
#include "display/display_session.h"
#include "display/device_input.h"
#include "display/drawn_message_box.h"
#include "display/screen_pixels.h"
#include "platform/display.h"
#include "platform/testing_user.h"
#include "shell/menu_bar.h"
#include "shell/menu_tracking.h"
#include "shell/nav_bar.h"
#include "user/system_metrics.h"
#include "user/window_table.h"

namespace platform::testing {
namespace {

constexpr int kMostPumpRounds = 1000;
}  // namespace

TestScreen::TestScreen(bool drawnBoxes) {
    OpenDeviceScreen();
    UseDrawnMessageBoxes(drawnBoxes);
    PumpUntilIdle();
}

TestScreen::~TestScreen() {
    DropBoxActions();
    StopDisplay();
    PumpUntilIdle();
}

void Tap(int x, int y) { StylusGestureAt({x, y}, StylusGesture::Tap); }

void Hold(int x, int y) { StylusGestureAt({x, y}, StylusGesture::Hold); }

void DoubleTap(int x, int y) { StylusGestureAt({x, y}, StylusGesture::DoubleTap); }

void Key(UINT key) {
    DeviceKey(key, true);
    DeviceKey(key, false);
}

bool Key(std::string_view name) {
    const auto key = KeyFromName(name);
    if (key) Key(*key);
    return key.has_value();
}

void Text(std::u16string_view text) { DeviceText(text); }

int PumpUntilIdle() {
    RefreshNavBar();
    int total = 0;
    for (int round = 0; round < kMostPumpRounds; ++round) {
        const int handled = PumpMessages();
        total += handled;
        if (handled == 0) break;
    }
    return total;
}

COLORREF ReadScreenPixel(int x, int y) { return ScreenPixelAt(x, y); }

bool SaveScreenshot(const std::filesystem::path& file) { return SaveScreenPng(file); }

void Rotate() { RotateScreen(); }

std::u16string NavBarTitle() { return platform::NavBarTitle(); }

HWND ShownSoftKeyBar() { return ShownMenuBar(); }

std::vector<std::u16string> SoftKeyTexts() {
    std::vector<std::u16string> texts;
    if (const auto view = ViewOfBar(ShownMenuBar()))
        for (const SoftKeyButton& b : view->buttons) texts.push_back(b.text);
    return texts;
}

std::vector<std::u16string> OpenMenuTexts() { return platform::OpenMenuTexts(); }

HWND ShownMessageBox() {
    for (const HWND h : TopLevelWindows()) {
        MessageBoxView view;
        if (ViewOfMessageBox(h, view)) return h;
    }
    return nullptr;
}

void ActInsideMessageBox(std::function<void()> action) { QueueBoxAction(std::move(action)); }

bool TapDesktopWindow(int x, int y) { return PushDesktopTap(x, y); }

bool KeyDesktopWindow(const char* name) { return PushDesktopKey(name); }

}  // namespace platform::testing
