// Focus, activation, capture, enabling, the foreground window, window words and subclassing.
#include "window_fixture.h"

namespace {

using qvtest::WindowTest;

TEST_F(WindowTest, ActivationMovesBetweenTopLevelWindowsAndFocusFollows) {
    const HWND a = MakeWindow(WS_VISIBLE);
    const HWND b = MakeWindow(WS_VISIBLE);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetForegroundWindow(), b);
    Log().Clear();
    EXPECT_EQ(SetActiveWindow(a), b);
    EXPECT_EQ(Log().Messages(nullptr, {WM_PAINT}),
              (std::vector<UINT>{WM_ACTIVATE, WM_KILLFOCUS, WM_ACTIVATE, WM_SETFOCUS}));
    const auto entries = Log().Entries();
    EXPECT_EQ(entries[0].hwnd, b);
    EXPECT_EQ(LOWORD(entries[0].wParam), WA_INACTIVE);
    EXPECT_EQ(entries[2].hwnd, a);
    EXPECT_EQ(LOWORD(entries[2].wParam), WA_ACTIVE);
    // Hiding the active window hands activation on.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(WindowTest, FocusOnAChildKillsItOnTheOldOneAndIsDroppedWhenTheChildGoes) {
    const HWND top = MakeWindow(WS_VISIBLE);
    const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, top);
    Log().Clear();
    EXPECT_EQ(SetFocus(child), top);
    const auto entries = Log().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].hwnd, top);
    EXPECT_EQ(entries[0].message, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(entries[0].wParam, reinterpret_cast<WPARAM>(child));
    EXPECT_EQ(entries[1].hwnd, child);
    EXPECT_EQ(entries[1].message, static_cast<UINT>(WM_SETFOCUS));
    EnableWindow(child, FALSE);  // a disabled window loses the focus
    EXPECT_EQ(GetFocus(), nullptr);
    SetFocus(child);
    DestroyWindow(child);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, EnableWindowReportsTheEarlierStateAndSendsWmEnableOnChange) {
    const HWND hwnd = MakeWindow(0);
    Log().Clear();
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));  // was enabled
    EXPECT_TRUE(EnableWindow(hwnd, FALSE));   // was disabled; no change
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_EQ(Log().Messages(hwnd), (std::vector<UINT>{WM_ENABLE, WM_ENABLE}));
}

TEST_F(WindowTest, CaptureIsHandedOverWithCaptureChanged) {
    const HWND a = MakeWindow(0);
    const HWND b = MakeWindow(0);
    EXPECT_EQ(SetCapture(a), nullptr);
    Log().Clear();
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(Log().Messages(a), std::vector<UINT>{WM_CAPTURECHANGED});
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowTest, ForegroundWindowIsTheTopLevelWindowAndAcceptsTheOwnedWindowsBit) {
    const HWND main = MakeWindow(WS_VISIBLE);
    const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, main);
    MakeWindow(WS_VISIBLE);
    platform::testing::ClearForegroundWindow();
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(child) | 1)));
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetWindow(main, GW_HWNDFIRST), main);  // brought to the top
}

// The subclassing pattern of the program's dialogs: the previous procedure kept in GWL_USERDATA.
LRESULT CALLBACK UpperCaseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWL_USERDATA));
    if (message == WM_CHAR && wParam >= 'a' && wParam <= 'z') wParam -= 'a' - 'A';
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassedWindowPassesOnThroughCallWindowProc) {
    const HWND hwnd = MakeWindow(0);
    SetLastError(0);
    const LONG_PTR previous = GetWindowLongPtrW(hwnd, GWL_WNDPROC);
    SetWindowLongPtrW(hwnd, GWL_USERDATA, previous);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(UpperCaseProc)), previous);
    EXPECT_EQ(GetLastError(), 0u);
    Log().Clear();
    SendMessageW(hwnd, WM_CHAR, 'q', 0);
    ASSERT_EQ(Log().Entries().size(), 1u);
    EXPECT_EQ(Log().Entries()[0].wParam, static_cast<WPARAM>('Q'));
}

TEST_F(WindowTest, WindowWordsAndExtraBytes) {
    const HWND hwnd = MakeWindow(WS_VISIBLE, nullptr, u"Title", 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE, WS_VISIBLE);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWL_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_USERDATA), 1234);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, 8, -5), 0);  // the class has 16 extra bytes
    EXPECT_EQ(GetWindowLongPtrW(hwnd, 8), -5);
    EXPECT_EQ(SetWindowLongW(hwnd, 0, 77), 0);
    EXPECT_EQ(GetWindowLongW(hwnd, 0), 77);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, 12), 0);  // would run past the extra bytes
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));

    EXPECT_TRUE(SetWindowTextW(hwnd, u"Vestral Agenda"));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 14);
    WCHAR small[8] = {};
    EXPECT_EQ(GetWindowTextW(hwnd, small, 8), 7);  // cut to fit, always terminated
    EXPECT_EQ(std::u16string(small), u"Vestral");
    WCHAR name[32] = {};
    EXPECT_EQ(GetClassNameW(hwnd, name, 32), 12);
    EXPECT_EQ(FindWindowW(u"qvtestwindow", nullptr), hwnd);  // class names ignore case
    EXPECT_EQ(FindWindowW(nullptr, u"Vestral Agenda"), hwnd);
}

TEST_F(WindowTest, ClassesAreRegisteredOnce) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = qvtest::LoggingProc;
    wc.lpszClassName = qvtest::kTestClass;
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    wc.lpszClassName = u"QvShortLived";
    EXPECT_NE(RegisterClassW(&wc), 0);
    WNDCLASSW info{};
    EXPECT_TRUE(GetClassInfoW(nullptr, u"QvShortLived", &info));
    EXPECT_EQ(info.lpfnWndProc, &qvtest::LoggingProc);
    EXPECT_TRUE(UnregisterClassW(u"QvShortLived", nullptr));
    EXPECT_FALSE(UnregisterClassW(u"QvShortLived", nullptr));
}

}  // namespace
