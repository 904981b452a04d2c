// The colour picker: the palettes and the one it opens on, the switch to all colours and back, keys
// at the grid's edges, taps, the painted cells, and a colour that no palette holds.
#include <gtest/gtest.h>

#include <string>

#include "draw_surface.h"
#include "frame/main_window.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/color_picker.h"
#include "ui/dialog_conventions.h"
#include "ui/draw_prims.h"

namespace {

namespace pt = platform::testing;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOnlyInAll = 0x919182;  // in palette 5 alone
constexpr LONG kCategoryPalette = 2;

class ColorPicker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
    ColorPicker() {
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"ColorPickerTestWindow";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, u"", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr, nullptr, nullptr);
        pt::ClearDialogs();
    }
    ~ColorPicker() override {
        DestroyWindow(window_);
        UnregisterClassW(u"ColorPickerTestWindow", nullptr);
        g_PickerState = PickerState{};
    }
    // The menu item's text and whether it is greyed, after the picker prepared the menu.
    static std::pair<std::u16string, bool> MenuEntry(HWND dialog) {
        const HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDM_ALL_COLORS, u"?");
        SendMessageW(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        WCHAR text[64] = {};
        GetMenuStringW(menu, IDM_ALL_COLORS, text, 64, MF_BYCOMMAND);
        const bool grey = GetMenuState(menu, IDM_ALL_COLORS, MF_BYCOMMAND) & MF_GRAYED;
        DestroyMenu(menu);
        return {text, grey};
    }
    static POINT CellMiddle(int index) {
        const ColorGridLayout g = GetColorGridLayout();
        const int distance = g.cell + g.cell / 2;
        return POINT{g.x0 + (index % g.columns) * distance + g.cell / 2, g.y0 + (index / g.columns) * distance + g.cell / 2};
    }

    pt::TestDevice device_;
    HWND window_ = nullptr;
};

TEST_F(ColorPicker, PalettesAndTheirCells) {
    struct Case {
        LONG palette;
        LONG count;
        COLORREF colour;
        LONG index;
    } const cases[] = {
        {0, 40, 0xFFFFFF, 39}, {1, 37, 0x5252FF, 0}, {2, 36, 0x00F0F0, 35}, {3, 12, 0xFF2020, 7},
        {4, 12, 0xFFFFFF, 0},  {5, 84, 0xD7E8FF, 83}, {2, 36, kOnlyInAll, -1}, {7, -1, 0x000000, -1},
    };
    for (const Case& c : cases) {
        PickerState state;
        SetPickerPalette(state, c.colour, c.palette);
        EXPECT_EQ(state.count, c.count) << c.palette;
        EXPECT_EQ(state.index, c.index) << c.palette;
    }
}

TEST_F(ColorPicker, ColourOutsideThePaletteOpensOnAllColours) {
    PickerState seen;
    std::pair<std::u16string, bool> entry;
    pt::ActInsideDialog([&](HWND dialog) {
        seen = g_PickerState;
        entry = MenuEntry(dialog);
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(PickColorDlg(nullptr, kOnlyInAll, kCategoryPalette));
    EXPECT_EQ(seen.palette, kAllColorsPalette);
    EXPECT_EQ(seen.index, 4);
    EXPECT_EQ(entry.first, u"Main Colors");
    EXPECT_TRUE(entry.second);
}

TEST_F(ColorPicker, SwitchingPalettesKeepsASharedColour) {
    PickerState all;
    PickerState back;
    std::pair<std::u16string, bool> before;
    std::pair<std::u16string, bool> during;
    pt::ActInsideDialog([&](HWND dialog) {
        before = MenuEntry(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_ALL_COLORS, 0);
        all = g_PickerState;
        during = MenuEntry(dialog);
        SendMessageW(dialog, WM_COMMAND, IDM_ALL_COLORS, 0);
        back = g_PickerState;
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
    });
    EXPECT_TRUE(PickColorDlg(nullptr, 0x8B0000, kCategoryPalette));  // cell 13 of palette 2
    EXPECT_EQ(before.first, u"All Colors");
    EXPECT_EQ(all.palette, kAllColorsPalette);
    EXPECT_EQ(all.index, 37);
    EXPECT_EQ(during.first, u"Main Colors");
    EXPECT_FALSE(during.second);
    EXPECT_EQ(back.palette, kCategoryPalette);
    EXPECT_EQ(back.index, 13);
    EXPECT_EQ(PickedColor, 0x8B0000u);
}

TEST_F(ColorPicker, KeysStopAtTheEdges) {
    platform::DeviceProfile profile;  // 240 x 320: nine columns
    device_.SetProfile(profile);
    struct Case {
        LONG from;
        UINT key;
        LONG to;
    } const cases[] = {
        {0, VK_LEFT, 0}, {35, VK_RIGHT, 35}, {27, VK_DOWN, 27}, {26, VK_DOWN, 35},
        {5, VK_UP, 5},   {9, VK_UP, 0},      {4, VK_RIGHT, 5},  {4, VK_LEFT, 3},
    };
    for (const Case& c : cases) {
        PickerState state;
        SetPickerPalette(state, 0, kCategoryPalette);
        SetColorGridColumns(state);
        state.index = c.from;
        ColorPickerKey(state, c.key, window_);
        EXPECT_EQ(state.index, c.to) << c.from << " key " << c.key;
    }
}

TEST_F(ColorPicker, TapOnTheSelectedCellChangesNothing) {
    PickerState state;
    SetPickerPalette(state, 0x666666, kCategoryPalette);  // cell 2
    SetColorGridColumns(state);
    const POINT selected = CellMiddle(2);
    EXPECT_FALSE(ColorPickerHitTest(state, window_, selected.x, selected.y));
    const POINT other = CellMiddle(11);
    EXPECT_TRUE(ColorPickerHitTest(state, window_, other.x, other.y));
    EXPECT_EQ(state.index, 11);
    EXPECT_FALSE(ColorPickerHitTest(state, window_, 1, 1));
    EXPECT_EQ(state.index, 11);
}

TEST_F(ColorPicker, PaintedCells) {
    const ColorGridLayout g = GetColorGridLayout();
    const int distance = g.cell + g.cell / 2;
    // Palette 4 starts with a white cell, then a light grey one (selected).
    PickerState state;
    SetPickerPalette(state, 0xECECEC, 4);
    SetColorGridColumns(state);
    DrawSurface surface(240, 294);
    PaintColorGrid(state, surface.dc(), window_);
    EXPECT_EQ(surface.Pixel(g.x0, g.y0), 0xD7D7D7u);
    EXPECT_EQ(surface.Pixel(g.x0 + g.cell, g.y0 + g.cell), 0xD7D7D7u);
    EXPECT_EQ(surface.Pixel(g.x0 + g.cell - 4, g.y0 + 3), kWhite);  // no highlight on white
    const int x = g.x0 + distance;
    const int right = x + g.cell - 1;
    EXPECT_EQ(surface.Pixel(x + g.cell / 2, g.y0 + g.cell / 2), 0xECECECu);
    EXPECT_EQ(surface.Pixel(x, g.y0), DarkenColor(0xECECEC, 40));
    EXPECT_EQ(surface.Pixel(right - 3, g.y0 + 3), LightenColor(0xECECEC, 40));
    EXPECT_EQ(surface.Pixel(x - 2, g.y0 + 4), 0x0000E6u);
    EXPECT_EQ(surface.Pixel(x + g.cell + 1, g.y0 + 4), 0x0000E6u);
}

TEST_F(ColorPicker, DoubleTapAcceptsThatCell) {
    pt::ActInsideDialog([](HWND dialog) {
        const POINT at = CellMiddle(14);
        SendMessageW(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
    });
    EXPECT_TRUE(PickColorDlg(nullptr, 0x000000, kCategoryPalette));
    EXPECT_EQ(PickedColor, 0xFF0000u);
}

// Turning the screen while the picker is open lays the grid out for the new screen: a tap then finds
// the cell drawn under it.
TEST_F(ColorPicker, TurningTheScreenReflowsTheGrid) {
    platform::DeviceProfile portrait;  // 240 x 320: nine columns
    device_.SetProfile(portrait);
    LONG columns = 0;
    LONG tapped = -1;
    pt::ActInsideDialog([&](HWND dialog) {
        platform::DeviceProfile landscape;
        landscape.screenWidth = 320;
        landscape.screenHeight = 240;
        device_.SetProfile(landscape);
        SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(320, 214));
        columns = g_PickerState.columns;
        const POINT at = CellMiddle(12);  // first cell of the second row of twelve
        SendMessageW(dialog, WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
        tapped = g_PickerState.index;
        SendMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    EXPECT_FALSE(PickColorDlg(nullptr, 0x000000, kCategoryPalette));
    EXPECT_EQ(columns, 12);
    EXPECT_EQ(tapped, 12);
}

// A colour held by no palette selects no cell: Done and the palette switch keep the caller's colour
// instead of reading a cell before the palette's first.
TEST_F(ColorPicker, NoCellSelectedKeepsCallersColour) {
    constexpr COLORREF kOwn = 0x123456;
    PickerState afterToggle;
    pt::ActInsideDialog([&](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, IDM_ALL_COLORS, 0);
        afterToggle = g_PickerState;
        SendMessageW(dialog, WM_COMMAND, kDlgAccept, 0);
    });
    EXPECT_TRUE(PickColorDlg(nullptr, kOwn, kCategoryPalette));
    EXPECT_EQ(afterToggle.palette, kCategoryPalette);
    EXPECT_EQ(afterToggle.index, -1);
    EXPECT_EQ(PickedColor, kOwn);
}

}  // namespace
