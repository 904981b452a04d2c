// The device screen without a display: the layout between the shell's bars, the stylus and keys
// reaching windows, tap and hold, the title bar's text, and turning the screen.
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/shell.h"
#include "display/device_input.h"
#include "display/drawn_message_box.h"
#include "shell/shell_paint.h"

#include <filesystem>
#include "tests/platform/shell/shell_fixture.h"

namespace {

using namespace platform::testing;
using shelltest::ShellTest;

// The program's main window (made at the default place) starts below the title bar and reaches the
// screen's bottom, under its own menu bar.
TEST_F(ShellTest, MainWindowStartsBelowTheTitleBarOfEachScreenClass) {
    struct Case {
        int width, height, bar;
    };
    const Case cases[] = {{240, 320, 26}, {320, 240, 26}, {240, 400, 26}, {320, 320, 35}, {480, 640, 52}, {800, 480, 52}};
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        platform::StartDisplay();
        const HWND main = MakeMainWindow();
        RECT client{};
        GetClientRect(main, &client);
        EXPECT_EQ(client.bottom, c.height - c.bar) << c.width << "x" << c.height;
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_EQ(work.bottom, c.height - c.bar) << "the work area ends at the menu bar";
        EXPECT_EQ(client.right, c.width);
        DestroyWindow(main);
    }
}

TEST_F(ShellTest, TapReachesTheWindowUnderTheStylusInItsClientCoordinates) {
    const HWND main = MakeMainWindow();
    RECT r{};
    GetWindowRect(main, &r);
    Tap(r.left + 30, r.top + 40);
    PumpUntilIdle();
    const auto down = Logged(main, WM_LBUTTONDOWN);
    const auto up = Logged(main, WM_LBUTTONUP);
    ASSERT_EQ(down.size(), 1u);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(LOWORD(down[0].lParam), 30);
    EXPECT_EQ(HIWORD(down[0].lParam), 40);

    // A disabled window takes no taps; keys and text go to the focused window.
    EnableWindow(main, FALSE);
    Tap(r.left + 30, r.top + 40);
    EnableWindow(main, TRUE);
    SetFocus(main);
    Key("7");
    Text(u"hé");
    PumpUntilIdle();
    EXPECT_EQ(Logged(main, WM_LBUTTONDOWN).size(), 1u);
    std::u16string typed;
    for (const auto& e : Logged(main, WM_CHAR)) typed.push_back(static_cast<char16_t>(e.wParam));
    EXPECT_EQ(typed, u"7hé");
}

TEST_F(ShellTest, KeypadStarAndHashGiveTheirKeysAndCharacters) {
    const HWND main = MakeMainWindow();
    SetFocus(main);
    EXPECT_TRUE(Key("STAR"));
    EXPECT_TRUE(Key("HASH"));
    EXPECT_FALSE(Key("JOYSTICK"));
    PumpUntilIdle();
    std::vector<WPARAM> keys, chars;
    for (const auto& e : Logged(main, WM_KEYDOWN)) keys.push_back(e.wParam);
    for (const auto& e : Logged(main, WM_CHAR)) chars.push_back(e.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_TSTAR, VK_TPOUND}));
    EXPECT_EQ(chars, (std::vector<WPARAM>{u'*', u'#'}));
}

TEST_F(ShellTest, HoldIsTapAndHoldAndATapIsNot) {
    const HWND main = MakeMainWindow();
    std::vector<DWORD> gestures;
    qvtest::MessageLog::Instance().On(WM_LBUTTONDOWN, [&](HWND hwnd, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        SHRGINFO info{sizeof(SHRGINFO), hwnd, {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))},
                      SHRG_RETURNCMD};
        gestures.push_back(SHRecognizeGesture(&info));
        return 0;
    });
    RECT r{};
    GetWindowRect(main, &r);
    Hold(r.left + 10, r.top + 10);
    Tap(r.left + 50, r.top + 50);
    Hold(r.left + 50, r.top + 60);
    PumpUntilIdle();
    EXPECT_EQ(gestures, (std::vector<DWORD>{GN_CONTEXTMENU, 0, GN_CONTEXTMENU}));
}

// The stylus messages a window got, as letters: d down, u up, 2 double click.
std::string StylusTrail(HWND hwnd) {
    std::string trail;
    for (const auto& e : qvtest::MessageLog::Instance().Entries()) {
        if (e.hwnd != hwnd) continue;
        if (e.message == WM_LBUTTONDOWN) trail += 'd';
        if (e.message == WM_LBUTTONUP) trail += 'u';
        if (e.message == WM_LBUTTONDBLCLK) trail += '2';
    }
    return trail;
}

// A second press soon enough and near enough to the first, on a window whose class asks for double
// clicks, is a double click; anything else is a press of its own.
TEST_F(ShellTest, ASecondPressIsADoubleClickOnlyWithinTheTimeAndRectangleWhereTheClassAsksForIt) {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = qvtest::LoggingProc;
    wc.lpszClassName = u"QvDoubleTapWindow";
    RegisterClassW(&wc);
    const HWND doubles = CreateWindowExW(0, u"QvDoubleTapWindow", u"Doubles", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    const UINT time = GetDoubleClickTime();
    EXPECT_EQ(time, 500u);
    const LONG half = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    ASSERT_EQ(GetSystemMetrics(SM_CYDOUBLECLK) / 2, half);
    RECT r{};
    GetWindowRect(doubles, &r);
    const POINT at{r.left + 40, r.top + 40};
    // Each case: the second press's offset from the first and the time between them.
    struct Case {
        const char* what;
        LONG dx, dy;
        DWORD after;
        const char* trail;
    };
    const Case cases[] = {
        {"at once, on the spot", 0, 0, 0, "du2u"},
        {"at the double-click time, at the rectangle's corner", half, -half, time, "du2u"},
        {"too late", 0, 0, time + 1, "dudu"},
        {"too far across", half + 1, 0, 100, "dudu"},
        {"too far down", 0, half + 1, 100, "dudu"},
    };
    DWORD clock = 100000;
    for (const Case& c : cases) {
        qvtest::MessageLog::Instance().Clear();
        clock += 10 * time;
        platform::StylusDown(at, clock);
        platform::StylusUp(at);
        const POINT second{at.x + c.dx, at.y + c.dy};
        platform::StylusDown(second, clock + c.after);
        platform::StylusUp(second);
        PumpUntilIdle();
        EXPECT_EQ(StylusTrail(doubles), c.trail) << c.what;
    }

    // The test API's taps are lone taps however quick; its double tap is one, and the press after
    // a double click begins afresh.
    qvtest::MessageLog::Instance().Clear();
    Tap(at.x, at.y);
    Tap(at.x, at.y);
    DoubleTap(at.x, at.y);
    Tap(at.x, at.y);
    PumpUntilIdle();
    EXPECT_EQ(StylusTrail(doubles), "dududu2udu");
    // A class that does not ask for double clicks gets two presses.
    DestroyWindow(doubles);
    const HWND plain = MakeMainWindow();
    qvtest::MessageLog::Instance().Clear();
    DoubleTap(at.x, at.y);
    PumpUntilIdle();
    EXPECT_EQ(StylusTrail(plain), "dudu");
}

TEST_F(ShellTest, TitleBarShowsTheNavigationTextElseTheForegroundTitle) {
    const HWND main = MakeMainWindow(u"Vestral Agenda");
    PumpUntilIdle();
    EXPECT_EQ(NavBarTitle(), u"Vestral Agenda");
    SHSetNavBarText(main, u"Options");
    EXPECT_EQ(NavBarTitle(), u"Options");
    SetWindowTextW(main, u"Month");
    EXPECT_EQ(NavBarTitle(), u"Options") << "the window's own text leaves the navigation text";
    SHSetNavBarText(main, nullptr);
    EXPECT_EQ(NavBarTitle(), u"Month");
}

TEST_F(ShellTest, TurningTheScreenResizesTheMainWindowAndMovesTheBar) {
    const HWND main = MakeMainWindow();
    const HWND bar = MakeBar(main, shelltest::kBarId);
    PumpUntilIdle();
    qvtest::MessageLog::Instance().Clear();
    Rotate();
    PumpUntilIdle();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
    const auto sizes = Logged(main, WM_SIZE);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(LOWORD(sizes.back().lParam), 320);
    EXPECT_EQ(HIWORD(sizes.back().lParam), 240 - 26) << "down to the bottom, under its menu bar";
    EXPECT_EQ(Logged(main, WM_SETTINGCHANGE).size(), 1u);
    RECT r{};
    GetWindowRect(bar, &r);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{0, 240 - 26, 320, 240}));
    Rotate();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
}

TEST_F(ShellTest, DrawnMessageBoxIsAnsweredByItsKeysAndTaps) {
    platform::testing::TestScreen drawn(true);
    struct Case {
        UINT type;
        std::vector<UINT> keys;
        int expected;
    };
    const Case cases[] = {
        {MB_YESNO | MB_ICONQUESTION, {VK_RETURN}, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, {VK_RETURN}, IDNO},
        {MB_OKCANCEL, {VK_RIGHT, VK_RETURN}, IDCANCEL},
        {MB_YESNO, {VK_TBACK}, IDNO},
        {MB_OK | MB_ICONEXCLAMATION, {VK_TBACK}, IDOK},
        {MB_YESNOCANCEL, {VK_TSOFT2}, IDCANCEL},
    };
    const HWND main = MakeMainWindow();
    for (const Case& c : cases) {
        bool boxWasUp = false;
        ActInsideMessageBox([&] {
            boxWasUp = ShownMessageBox() != nullptr;
            for (const UINT k : c.keys) Key(k);
        });
        EXPECT_EQ(MessageBoxW(main, u"Delete the item?", u"Vestral Agenda", c.type), c.expected) << c.type;
        EXPECT_TRUE(boxWasUp);
        EXPECT_EQ(ShownMessageBox(), nullptr);
    }
    // A tap on the second button.
    ActInsideMessageBox([&] {
        const HWND box = ShownMessageBox();
        RECT r{}, client{};
        GetWindowRect(box, &r);
        GetClientRect(box, &client);
        platform::MessageBoxView view;
        platform::ViewOfMessageBox(box, view);
        const RECT no = platform::MessageBoxButtonRects(view, {client.right, client.bottom})[1];
        Tap(r.left + (no.left + no.right) / 2, r.top + (no.top + no.bottom) / 2);
    });
    EXPECT_EQ(MessageBoxW(main, u"Sure?", u"Vestral Agenda", MB_YESNO), IDNO);
    // The box is drawn on the screen in the shell's colours, over its owner.
    COLORREF frame = 0;
    ActInsideMessageBox([&] {
        RECT r{};
        GetWindowRect(ShownMessageBox(), &r);
        frame = ReadScreenPixel(r.left + 1, r.top + 1);
        SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / "drawn_message_box.png");
        Key(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(main, u"The end must lie after the start; the appointment was not saved.", u"Vestral Agenda",
                          MB_OK | MB_ICONEXCLAMATION),
              IDOK);
    EXPECT_EQ(frame, platform::kNavBarColour);
    // A scripted answer still wins.
    AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBoxW(main, u"Sure?", u"Vestral Agenda", MB_OKCANCEL), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(main));
}

}  // namespace
