// Where windows are: client areas, coordinate mapping, moves that carry children, hit testing and the
// screen metrics of the device profile.
#include "platform/device.h"
#include "window_fixture.h"

namespace {

using qvtest::WindowTest;

// A top-level window at the default place reaches from the work area's top to the screen's bottom:
// the program's own menu bar lies over its foot, as on the device.
TEST_F(WindowTest, DefaultTopLevelWindowReachesFromTheTitleBarToTheScreensBottom) {
    const HWND hwnd = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CLIPCHILDREN | WS_VSCROLL, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    RECT window{};
    RECT work{};
    GetWindowRect(hwnd, &window);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.top, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(work.bottom, GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU));
    const RECT expected{work.left, work.top, work.right, GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(EqualRect(&window, &expected));
}

TEST_F(WindowTest, BorderAndCaptionTakeTheirPlaceOutsideTheClientArea) {
    const HWND hwnd = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CAPTION, 0, 0, 100, 100, nullptr, nullptr,
                                      nullptr, nullptr);
    RECT client{};
    GetClientRect(hwnd, &client);
    const int edge = GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXDLGFRAME);
    EXPECT_EQ(client.right, 100 - 2 * edge);
    EXPECT_EQ(client.bottom, 100 - 2 * edge - GetSystemMetrics(SM_CYCAPTION));
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    EXPECT_EQ(origin.x, edge);
    EXPECT_EQ(origin.y, edge + GetSystemMetrics(SM_CYCAPTION));
    ScreenToClient(hwnd, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST_F(WindowTest, MovingAParentCarriesItsChildrenAndSendsSizeAndMove) {
    const HWND parent = MakeWindow(WS_VISIBLE);
    const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, parent);
    POINT before{0, 0};
    MapWindowPoints(child, parent, &before, 1);
    Log().Clear();
    ASSERT_TRUE(MoveWindow(parent, 50, 60, 120, 90, TRUE));
    EXPECT_EQ(Log().Messages(parent, {WM_PAINT}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}));
    for (const auto& e : Log().Entries()) {
        if (e.hwnd == parent && e.message == WM_SIZE) {
            EXPECT_EQ(e.lParam, MAKELPARAM(120, 90));
        }
    }
    RECT r{};
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 50 + 10);  // the child sat at (10, 20) in its parent's client area
    EXPECT_EQ(r.top, 60 + 20);
    POINT after{0, 0};
    MapWindowPoints(child, parent, &after, 1);
    EXPECT_EQ(after.x, before.x);
    Log().Clear();
    // Only the place changes: no WM_SIZE.
    SetWindowPos(parent, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Log().Messages(parent, {WM_PAINT, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}),
              std::vector<UINT>{WM_MOVE});
}

TEST_F(WindowTest, WindowFromPointFindsTheDeepestVisibleEnabledWindow) {
    const HWND parent = CreateWindowExW(0, qvtest::kTestClass, u"", WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                                        nullptr, nullptr);
    const HWND child = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, parent,
                                       nullptr, nullptr, nullptr);
    const HWND hidden = CreateWindowExW(0, qvtest::kTestClass, u"", WS_CHILD, 100, 100, 50, 50, parent, nullptr,
                                        nullptr, nullptr);
    EXPECT_EQ(WindowFromPoint({20, 20}), child);
    EXPECT_EQ(WindowFromPoint({120, 120}), parent);  // the hidden child is passed over
    EXPECT_EQ(ChildWindowFromPoint(parent, {120, 120}), hidden);
    EnableWindow(child, FALSE);
    EXPECT_EQ(WindowFromPoint({20, 20}), parent);
    EXPECT_EQ(ChildWindowFromPoint(parent, {500, 500}), nullptr);
    EXPECT_EQ(WindowFromPoint({300, 300}), nullptr);
}

TEST_F(WindowTest, SiblingsAndDialogItemsAreFoundInOrder) {
    const HWND parent = MakeWindow(0);
    const HWND first = MakeWindow(WS_CHILD, parent, u"a", 2350);
    const HWND second = MakeWindow(WS_CHILD, parent, u"b", 2352);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgItem(parent, 2352), second);
    EXPECT_EQ(GetDlgCtrlID(first), 2350);
    EXPECT_EQ(GetDlgItem(parent, 1), nullptr);
    EXPECT_TRUE(IsChild(parent, second));
    EXPECT_EQ(GetParent(second), parent);
    EXPECT_EQ(FindWindowW(qvtest::kTestClass, u"b"), nullptr);  // children are not top-level
}

TEST(SystemMetrics, SizesFollowTheScreenAndItsDotsPerInch) {
    struct Case {
        int width;
        int height;
        int dpi;
        int scroll;
        int icon;
        int smallIcon;
    };
    const Case cases[] = {{240, 320, 96, 13, 32, 16}, {480, 640, 192, 26, 64, 32}, {320, 240, 96, 13, 32, 16}};
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        profile.dpi = c.dpi;
        platform::testing::TestDevice device(profile);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), c.width);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), c.height);
        EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), c.scroll);
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), c.icon);
        EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), c.smallIcon);
        EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 26 * c.dpi / 96);
        EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN), c.height - 2 * (26 * c.dpi / 96));
        EXPECT_EQ(GetSystemMetrics(9999), 0);
    }
}

}  // namespace
