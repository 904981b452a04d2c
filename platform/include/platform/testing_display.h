// The test API of the device screen and the shell: a screen for the test's thread, the stylus and the
// device's keys, pumping until idle, the screen's pixels, and what the shell shows (title, menus,
// drawn message boxes).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform::testing {

// The device screen laid out for the calling thread (title bar, work area between the shell's bars),
// headless; with `drawnBoxes` message boxes are drawn and wait for a tap or a key. Stopped with the
// object. Make it after the test's TestDevice.
class TestScreen {
public:
    explicit TestScreen(bool drawnBoxes = false);
    ~TestScreen();
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;
};

// The stylus at screen coordinates: a tap, or a press held long enough for tap-and-hold, each well
// after the press before it; a double tap is two taps within the double-click time, which a window
// whose class asks for double clicks receives as WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
// WM_LBUTTONUP.
void Tap(int x, int y);
void Hold(int x, int y);
void DoubleTap(int x, int y);
// A device key pressed and released: a VK_ code, or a name as scripts use them (UP, SOFT1, BACK, 7).
void Key(UINT key);
bool Key(std::string_view name);
// Typed text, one WM_CHAR per character to the focused window.
void Text(std::u16string_view text);
// Handles the calling thread's messages (paints included) until none is left; how many there were.
int PumpUntilIdle();

COLORREF ReadScreenPixel(int x, int y);
bool SaveScreenshot(const std::filesystem::path& file);
// Turns the screen as Ctrl+R does.
void Rotate();

// The title the navigation bar shows.
std::u16string NavBarTitle();
// The soft-key bar on screen and its button texts.
HWND ShownSoftKeyBar();
std::vector<std::u16string> SoftKeyTexts();
// The items of the innermost open pop-up menu ("-" for a separator); empty when none is open. Useful
// inside ActInsideModalLoop while a menu is open.
std::vector<std::u16string> OpenMenuTexts();
// The drawn message box on screen, or nullptr.
HWND ShownMessageBox();
// Runs `action` inside the next drawn message box once it is on screen (ActInsideModalLoop would
// run it before the box is drawn).
void ActInsideMessageBox(std::function<void()> action);

// A tap given to the desktop window as real desktop events; false when no desktop window is open.
bool TapDesktopWindow(int x, int y);
// A key pressed and released on the desktop window, by the desktop's name of it (".", "F2").
bool KeyDesktopWindow(const char* name);

// A virtual X display (Xvfb) on a free display number for the life of the object, for tests of the
// desktop window; not Started() when Xvfb is missing or does not come up within a few seconds.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool Started() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }  // ":93", for DISPLAY

private:
    int pid_ = -1;
    std::string name_;
};

}  // namespace platform::testing
