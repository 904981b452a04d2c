// The icon picker: where the cells are on each screen class, the keys at the grid's edges, the
// painted selection frame, and the dialog run with a double tap, the focus control's keys and Cancel.
#include <gtest/gtest.h>

#include "draw_surface.h"
#include "frame/main_window.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/icon_picker.h"

namespace {

namespace pt = platform::testing;
constexpr COLORREF kFrame = 0x0000E6;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class IconPicker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    IconPicker() {
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"IconPickerTestWindow";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr, nullptr, nullptr);
        pt::ClearDialogs();
    }
    ~IconPicker() override {
        DestroyWindow(window_);
        UnregisterClassW(u"IconPickerTestWindow", nullptr);
        DestroyAllImageLists();
        PickedIcon = kNoIcon;
    }
    void SetScreen(int width, int height) {
        platform::DeviceProfile profile;
        profile.screenWidth = width;
        profile.screenHeight = height;
        device_.SetProfile(profile);
    }
    // The middle of icon i's cell, by the grid's own geometry.
    static POINT Middle(int icon) {
        const IconGridLayout g = GetIconGridLayout();
        const int cell = icon + 1;
        return POINT{g.x0 + (cell % g.columns) * g.step + g.size / 2, g.y0 + (cell / g.columns) * g.rowStep + g.size / 2};
    }

    pt::TestDevice device_;
    HWND window_ = nullptr;
};

TEST_F(IconPicker, TapsFindTheCellsOnEveryScreen) {
    struct Case {
        int width, height;
        int columns, size;
    } const cases[] = {
        {240, 320, 10, 8},  {320, 240, 16, 12}, {240, 240, 14, 8}, {320, 320, 16, 16},
        {480, 640, 16, 24}, {640, 480, 18, 24}, {480, 480, 16, 24}, {176, 220, 14, 8},
    };
    for (const Case& c : cases) {
        SetScreen(c.width, c.height);
        const IconGridLayout g = GetIconGridLayout();
        EXPECT_EQ(g.columns, c.columns) << c.width << "x" << c.height;
        EXPECT_EQ(g.size, c.size) << c.width << "x" << c.height;
        for (int icon : {0, c.columns - 1, 57, CustomIconCount - 1}) {
            PickedIcon = 3;
            EXPECT_TRUE(IconPickerHitTest(window_, Middle(icon))) << c.width << " icon " << icon;
            EXPECT_EQ(PickedIcon, icon) << c.width << "x" << c.height;
        }
        EXPECT_TRUE(IconPickerHitTest(window_, POINT{g.x0, g.y0}));
        EXPECT_EQ(PickedIcon, kNoIcon);
        PickedIcon = 7;
        // Between two rows, below the last row: no cell.
        EXPECT_FALSE(IconPickerHitTest(window_, POINT{g.x0 - 3, g.y0 - 3}));
        EXPECT_FALSE(IconPickerHitTest(window_, POINT{g.x0, g.y0 + 30 * g.rowStep}));
        EXPECT_EQ(PickedIcon, 7);
    }
}

TEST_F(IconPicker, KeysStopAtTheGridsEdges) {
    SetScreen(240, 320);  // ten columns
    struct Case {
        LONG from;
        UINT key;
        LONG to;
    } const cases[] = {
        {199, VK_RIGHT, 199}, {5, VK_RIGHT, 6},  {0, VK_LEFT, kNoIcon}, {kNoIcon, VK_LEFT, kNoIcon},
        {9, VK_UP, 9},        {10, VK_UP, 0},    {189, VK_DOWN, 199},   {190, VK_DOWN, 190},
        {kNoIcon, VK_DOWN, 9}, {kNoIcon, VK_RIGHT, 0},
    };
    for (const Case& c : cases) {
        PickedIcon = c.from;
        IconPickerKey(c.key, window_);
        EXPECT_EQ(PickedIcon, c.to) << c.from << " key " << c.key;
    }
}

TEST_F(IconPicker, PaintFramesTheSelectedIcon) {
    SetScreen(240, 320);
    CreateAllImageLists();
    const IconGridLayout g = GetIconGridLayout();
    PickedIcon = 0;
    DrawSurface surface(240, 294);
    PaintIconPicker(surface.dc(), window_);
    const int x = g.x0 + g.step;  // icon 0 stands in the second cell
    EXPECT_EQ(surface.Pixel(x - 2, g.y0 + 2), kFrame);
    EXPECT_EQ(surface.Pixel(x + g.size + 1, g.y0 + 2), kFrame);
    EXPECT_EQ(surface.Pixel(g.x0 - 2, g.y0 + 2), kWhite);  // the no-icon cell is not framed
    int drawn = 0;
    for (int yy = g.y0; yy < g.y0 + g.size; ++yy)
        for (int xx = x; xx < x + g.size; ++xx) drawn += surface.Pixel(xx, yy) != kWhite;
    EXPECT_GT(drawn, 0);
    PickedIcon = kNoIcon;
    PaintIconPicker(surface.dc(), window_);
    EXPECT_EQ(surface.Pixel(g.x0 - 2, g.y0 + 2), kFrame);
    EXPECT_EQ(surface.Pixel(x - 2, g.y0 + 2), kWhite);
}

TEST_F(IconPicker, DoubleTapSelectsAndAccepts) {
    pt::ActInsideDialog([](HWND dialog) {
        const POINT at = Middle(42);
        SendMessageW(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
    });
    EXPECT_TRUE(PickIconDlg(nullptr, 3));
    EXPECT_EQ(PickedIcon, 42);
}

TEST_F(IconPicker, FocusControlTakesArrowsAndEnter) {
    LRESULT answer = 0;
    pt::ActInsideDialog([&](HWND dialog) {
        const HWND focus = GetDlgItem(dialog, IDC_PICKER_FOCUS);
        MSG key{focus, WM_KEYDOWN, VK_RIGHT, 0, 0, {}};
        answer = SendMessageW(focus, WM_GETDLGCODE, VK_RIGHT, reinterpret_cast<LPARAM>(&key));
        key.wParam = VK_RETURN;
        SendMessageW(focus, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&key));
    });
    EXPECT_TRUE(PickIconDlg(nullptr, 3));
    EXPECT_EQ(answer, DLGC_WANTARROWS);
    EXPECT_EQ(PickedIcon, 4);
}

TEST_F(IconPicker, CancelKeepsTheLastSelectionButReportsFalse) {
    pt::ActInsideDialog([](HWND dialog) {
        const POINT at = Middle(8);
        SendMessageW(dialog, WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(PickIconDlg(nullptr, 3));
    EXPECT_EQ(PickedIcon, 8);
}

}  // namespace
