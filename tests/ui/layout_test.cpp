// The view rectangle, bar and row heights of every screen size, the list column fitted to the view
// width, and the re-layout that only a change between landscape and the rest sets off.
#include <gtest/gtest.h>

#include <string>

#include "core/frame_state.h"
#include "frame/main_window.h"
#include "frame/relayout.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/user.h"
#include "ui/layout.h"
#include "ui/offscreen.h"

namespace {

constexpr const WCHAR* kPlainClass = u"LayoutTestWindow";
constexpr int kChildWidth = 100;
constexpr int kChildHeight = 50;

class Layout : public ::testing::Test {
protected:
    Layout() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = kPlainClass;
        RegisterClassW(&wc);
        ResetOrientationMemo();
    }
    ~Layout() override {
        ReleaseOffscreen(g_Main.mainBuffer);
        g_Frame = {};
        UnregisterClassW(kPlainClass, nullptr);
        ResetOrientationMemo();
    }

    void SetScreen(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
    }

    static HWND MakeWindow(int width, int height) {
        return CreateWindowExW(0, kPlainClass, u"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
    }

    platform::testing::TestDevice device_;
};

TEST_F(Layout, ViewBottomBarAndRowHeightOfEveryScreen) {
    struct Case {
        int width, height;
        LONG mainBottom;   // the main window filling the screen
        LONG otherBottom;  // a dialog of 100 x 50
        int barHeight;
        UINT rowHeight;
    };
    constexpr Case cases[] = {
        {240, 320, 268, 268, 26, 26}, {320, 240, 188, 188, 26, 26}, {240, 240, 188, 188, 26, 26},
        {320, 320, 285, 50, 35, 26},  {240, 400, 348, 348, 26, 26}, {400, 240, 188, 188, 26, 26},
        {480, 640, 588, 50, 52, 59},  {640, 480, 428, 50, 52, 59},  {480, 480, 428, 50, 52, 59},
        {480, 800, 748, 50, 52, 59},  {800, 480, 428, 50, 52, 59},  {176, 220, 220, 50, 26, 20},
    };
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const HWND main = MakeWindow(c.width, c.height);
        const HWND dialog = MakeWindow(kChildWidth, kChildHeight);
        g_Frame.mainWnd = main;
        RECT r{};
        GetViewClientRect(main, r);
        EXPECT_EQ(r.bottom, c.mainBottom) << c.width << "x" << c.height;
        EXPECT_EQ(r.right, c.width) << c.width << "x" << c.height;
        GetViewClientRect(dialog, r);
        EXPECT_EQ(r.bottom, c.otherBottom) << c.width << "x" << c.height;
        EXPECT_EQ(r.right, kChildWidth);
        EXPECT_EQ(GetBarHeight(), c.barHeight) << c.width << "x" << c.height;
        EXPECT_EQ(GetItemListRowHeight(), c.rowHeight) << c.width << "x" << c.height;
        MEASUREITEMSTRUCT measure{};
        MeasureItemListRow(measure);
        EXPECT_EQ(measure.itemHeight, c.rowHeight);
        GetViewRect(r);
        EXPECT_EQ(r.bottom, c.mainBottom);
        DestroyWindow(dialog);
        DestroyWindow(main);
    }
}

TEST_F(Layout, OnlyALandscapeChangeRelaysTheViews) {
    SetScreen(240, 240);
    const HWND main = MakeWindow(240, 240);
    g_Frame.mainWnd = main;
    const HDC screen = GetDC(nullptr);
    ASSERT_TRUE(CreateOffscreen(g_Main.mainBuffer, screen, 10, 10));

    RelayoutViewsOnRotate();  // the first size change only records the orientation
    EXPECT_EQ(g_Main.mainBuffer.valid, 1);
    SetScreen(320, 320);  // square to square
    RelayoutViewsOnRotate();
    EXPECT_EQ(g_Main.mainBuffer.valid, 1);
    SetScreen(240, 320);  // square to portrait: neither is landscape
    RelayoutViewsOnRotate();
    EXPECT_EQ(g_Main.mainBuffer.valid, 1);

    SetScreen(320, 240);
    RelayoutViewsOnRotate();
    EXPECT_EQ(g_Main.mainBuffer.valid, 0);
    ASSERT_TRUE(CreateOffscreen(g_Main.mainBuffer, screen, 10, 10));
    SetScreen(240, 320);
    RelayoutViewsOnRotate();
    EXPECT_EQ(g_Main.mainBuffer.valid, 0);
    ReleaseDC(nullptr, screen);
    DestroyWindow(main);
}

TEST_F(Layout, FitListColumnLeavesRoomForTheScrollBarOnlyWhenRowsOverflow) {
    SetScreen(240, 320);
    InitCommonControls();
    const HWND main = MakeWindow(240, 320);
    g_Frame.mainWnd = main;
    const HWND list = CreateWindowExW(0, WC_LISTVIEW, u"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 240, 100, main,
                                      nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 10;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const auto addRow = [&](int index) {
        std::u16string text = u"row";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = text.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    };
    addRow(0);
    FitListColumn(list);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 240);

    const LRESULT perPage = SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0);
    for (int i = 1; i <= perPage; ++i) addRow(i);
    FitListColumn(list);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 240 - GetSystemMetrics(SM_CXVSCROLL));
    DestroyWindow(main);
}

}  // namespace
