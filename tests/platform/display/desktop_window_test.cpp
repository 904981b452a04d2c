// The desktop window under a virtual X display: it opens, and a tap given to it as desktop events
// reaches the device window under it, and a key pressed on it reaches the focused window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/display.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"

namespace {

constexpr const char* kChildFlag = "QV_DESKTOP_CHILD";
constexpr auto kChildTimeout = std::chrono::seconds(60);
constexpr auto kTapTimeout = std::chrono::seconds(10);

POINT tapped{-1, -1};
WPARAM keyed = 0;

LRESULT CALLBACK TapTargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) tapped = {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    if (message == WM_KEYDOWN) keyed = wParam;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(DesktopChild, TapThroughTheDesktopWindowReachesTheWindow) {
    if (!std::getenv(kChildFlag)) GTEST_SKIP() << "runs only as the second process of the desktop window test";
    WNDCLASSW wc{};
    wc.lpfnWndProc = TapTargetProc;
    wc.lpszClassName = u"QvDesktopTarget";
    RegisterClassW(&wc);
    platform::StartDisplay();
    ASSERT_TRUE(platform::DisplayIsShown());
    const HWND main = CreateWindowExW(0, u"QvDesktopTarget", u"Target", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    platform::testing::PumpUntilIdle();
    ASSERT_TRUE(platform::testing::TapDesktopWindow(30, 60));
    EXPECT_TRUE(platform::testing::PumpUntil([] { return tapped.x >= 0; }, kTapTimeout));
    EXPECT_EQ(tapped.x, 30);
    EXPECT_EQ(tapped.y, 60 - 26);  // below the title bar
    // The period key is the device keyboard's (the task list opens the links on it).
    SetFocus(main);
    ASSERT_TRUE(platform::testing::KeyDesktopWindow("."));
    EXPECT_TRUE(platform::testing::PumpUntil([] { return keyed != 0; }, kTapTimeout));
    EXPECT_EQ(keyed, static_cast<WPARAM>(VK_OEM_PERIOD));
    DestroyWindow(main);
    platform::StopDisplay();
    EXPECT_FALSE(platform::DisplayIsShown());
}

TEST(DesktopWindow, TapUnderAVirtualDisplayReachesTheWindow) {
    platform::testing::VirtualDisplay display;
    if (!display.Started()) GTEST_SKIP() << "Xvfb is missing (scripts/setup-deps installs it)";
    // The desktop's own libraries (the X client, D-Bus) keep allocations past their end, which the leak
    // checker would count against the second process.
    platform::testing::ChildProcess child("DesktopChild.*", {{kChildFlag, "1"},
                                                             {"DISPLAY", display.Name()},
                                                             {"QUORVIA_HEADLESS", "0"},
                                                             {"ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1"}});
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.Wait(kChildTimeout), 0);
}

}  // namespace
