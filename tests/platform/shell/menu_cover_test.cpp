// An open pop-up menu keeps its pixels while the window beneath it draws: the owner's device
// context stays out of the menu's place, so the menu loop need not paint the menu again.
#include <gtest/gtest.h>

#include "platform/gdi.h"
#include "shell/menu_bar.h"
#include "shell/menu_tracking.h"
#include "shell_fixture.h"

namespace {

using namespace platform::testing;
using shelltest::ShellTest;

constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST_F(ShellTest, DrawingBeneathAnOpenMenuLeavesTheMenuOnTop) {
    const HWND main = MakeMainWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 40150, u"Set Date");
    AppendMenuW(menu, MF_STRING, 40149, u"No Date");
    RECT popupRect{};
    POINT inMenu{}, besideMenu{};
    COLORREF before = kBlack, after = kBlack, beside = 0;
    ActInsideModalLoop([&] {
        PumpUntilIdle();
        GetWindowRect(FindWindowW(platform::kPopupMenuClass, nullptr), &popupRect);
        inMenu = {popupRect.left + 2, popupRect.bottom - 3};
        besideMenu = {popupRect.left - 2, popupRect.bottom - 3};
        before = ReadScreenPixel(inMenu.x, inMenu.y);
        const HDC dc = GetDC(main);
        PatBlt(dc, -1000, -1000, 4000, 4000, BLACKNESS);
        ReleaseDC(main, dc);
        after = ReadScreenPixel(inMenu.x, inMenu.y);
        beside = ReadScreenPixel(besideMenu.x, besideMenu.y);
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 115, 100, main, nullptr), 0);
    ASSERT_LT(popupRect.left, popupRect.right);
    EXPECT_NE(before, kBlack);
    EXPECT_EQ(after, before);
    EXPECT_EQ(beside, kBlack);  // the owner did draw, around the menu
    DestroyMenu(menu);
}

}  // namespace
