// Menu objects: building, finding items by position and by command, states, texts, and loading
// MENU resources.
#include <gtest/gtest.h>

#include <string>

#include "platform/menus.h"
#include "platform/system.h"
#include "shell_fixture.h"

namespace {

std::u16string Text(HMENU menu, UINT item, UINT flags) {
    WCHAR buffer[64] = {};
    GetMenuStringW(menu, item, buffer, 64, flags);
    return buffer;
}

// "New" 10, a pop-up "More" ("Copy" 20, separator, "Delete" 21), "Exit" 30.
struct SmallMenu {
    HMENU top = CreatePopupMenu();
    HMENU more = CreatePopupMenu();
    SmallMenu() {
        AppendMenuW(top, MF_STRING, 10, u"New");
        AppendMenuW(more, MF_STRING, 20, u"Copy");
        AppendMenuW(more, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(more, MF_STRING | MF_GRAYED, 21, u"Delete");
        AppendMenuW(top, MF_POPUP, reinterpret_cast<UINT_PTR>(more), u"More");
        AppendMenuW(top, MF_STRING, 30, u"Exit");
    }
    ~SmallMenu() { DestroyMenu(top); }
};

TEST(Menus, ItemsAreFoundByPositionAndByCommandInsidePopups) {
    SmallMenu m;
    EXPECT_EQ(GetMenuItemCount(m.top), 3);
    EXPECT_EQ(GetSubMenu(m.top, 1), m.more);
    EXPECT_EQ(GetSubMenu(m.top, 0), nullptr);
    EXPECT_EQ(GetMenuItemID(m.top, 2), 30u);
    EXPECT_EQ(GetMenuItemID(m.top, 1), static_cast<UINT>(-1));  // a pop-up has no command
    EXPECT_EQ(GetMenuItemID(m.top, 9), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(m.top, 1, MF_BYPOSITION), static_cast<UINT>((3 << 8) | MF_POPUP));
    EXPECT_EQ(GetMenuState(m.top, 21, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(m.more, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(m.top, 99, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(Text(m.top, 20, MF_BYCOMMAND), u"Copy");
    EXPECT_EQ(Text(m.top, 1, MF_BYPOSITION), u"More");
}

TEST(Menus, EnableAndCheckGiveThePreviousStateAndMinusOneForAnAbsentItem) {
    SmallMenu m;
    EXPECT_EQ(EnableMenuItem(m.top, 21, MF_BYCOMMAND | MF_ENABLED), static_cast<DWORD>(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(GetMenuState(m.more, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(EnableMenuItem(m.top, 10, MF_BYCOMMAND | MF_GRAYED), static_cast<DWORD>(MF_ENABLED));
    EXPECT_EQ(CheckMenuItem(m.top, 30, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(m.top, 30, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    // Calls on entries already removed do nothing.
    ASSERT_TRUE(DeleteMenu(m.top, 21, MF_BYCOMMAND));
    EXPECT_EQ(EnableMenuItem(m.top, 21, MF_BYCOMMAND | MF_GRAYED), static_cast<DWORD>(-1));
    EXPECT_FALSE(DeleteMenu(m.top, 21, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(m.more), 2);
}

TEST(Menus, InsertModifyAndRemoveKeepTheOrder) {
    SmallMenu m;
    ASSERT_TRUE(InsertMenuW(m.top, 30, MF_BYCOMMAND | MF_STRING, 25, u"Options"));  // before "Exit"
    ASSERT_TRUE(InsertMenuW(m.top, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(InsertMenuW(m.top, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, 40, u"Last"));
    EXPECT_FALSE(InsertMenuW(m.top, 999, MF_BYCOMMAND | MF_STRING, 41, u"Nowhere"));
    ASSERT_TRUE(InsertMenuW(m.top, 21, MF_BYCOMMAND | MF_STRING, 22, u"Beam"));  // lands in "More"
    EXPECT_EQ(GetMenuItemID(m.more, 2), 22u);

    const UINT expected[] = {0, 10, static_cast<UINT>(-1), 25, 30, 40};
    ASSERT_EQ(GetMenuItemCount(m.top), static_cast<int>(std::size(expected)));
    for (int i = 0; i < GetMenuItemCount(m.top); ++i) EXPECT_EQ(GetMenuItemID(m.top, i), expected[i]) << i;

    ASSERT_TRUE(ModifyMenuW(m.top, 25, MF_BYCOMMAND | MF_STRING | MF_GRAYED, 26, u"Settings"));
    EXPECT_EQ(Text(m.top, 26, MF_BYCOMMAND), u"Settings");
    EXPECT_EQ(GetMenuState(m.top, 26, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));

    // RemoveMenu leaves the pop-up alive; DeleteMenu would destroy it.
    ASSERT_TRUE(RemoveMenu(m.top, 2, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(m.more));
    ASSERT_TRUE(AppendMenuW(m.top, MF_POPUP, reinterpret_cast<UINT_PTR>(m.more), u"More"));
    ASSERT_TRUE(DeleteMenu(m.top, GetMenuItemCount(m.top) - 1, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(m.more));
}

TEST(Menus, ItemInfoSetsTextsAndStatesAndReportsLengths) {
    SmallMenu m;
    MENUITEMINFOW set{};
    set.cbSize = sizeof set;
    set.fMask = MIIM_TYPE;
    set.fType = MFT_STRING;
    std::u16string text = u"Filter(On)";
    set.dwTypeData = text.data();
    ASSERT_TRUE(SetMenuItemInfoW(m.top, 10, FALSE, &set));
    set.fMask = MIIM_STATE;
    set.fState = MFS_GRAYED;
    ASSERT_TRUE(SetMenuItemInfoW(m.top, 0, TRUE, &set));

    MENUITEMINFOW get{};
    get.cbSize = sizeof get;
    get.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
    WCHAR small[5];
    get.dwTypeData = small;
    get.cch = 5;
    ASSERT_TRUE(GetMenuItemInfoW(m.top, 0, TRUE, &get));
    EXPECT_EQ(std::u16string(small), u"Filt");  // cut to fit, terminated
    EXPECT_EQ(get.wID, 10u);
    EXPECT_EQ(get.fState & MFS_GRAYED, static_cast<UINT>(MFS_GRAYED));
    get.dwTypeData = nullptr;
    get.cch = 0;
    ASSERT_TRUE(GetMenuItemInfoW(m.top, 10, FALSE, &get));
    EXPECT_EQ(get.cch, 10u);
    EXPECT_FALSE(GetMenuItemInfoW(m.top, 77, FALSE, &get));
}

TEST(Menus, RadioCheckMarksOneItemOfTheRange) {
    const HMENU menu = CreatePopupMenu();
    for (UINT id = 1; id <= 4; ++id) AppendMenuW(menu, MF_STRING | MF_CHECKED, id, u"x");
    ASSERT_TRUE(CheckMenuRadioItem(menu, 1, 3, 2, MF_BYCOMMAND));
    const UINT expected[] = {0, MF_CHECKED, 0, MF_CHECKED};
    for (UINT id = 1; id <= 4; ++id) EXPECT_EQ(GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED, expected[id - 1]) << id;
    EXPECT_FALSE(CheckMenuRadioItem(menu, 1, 2, 4, MF_BYCOMMAND));  // outside the range
    DestroyMenu(menu);
}

TEST(Menus, BadHandlesFailWithTheMenuError) {
    const HMENU gone = CreatePopupMenu();
    DestroyMenu(gone);
    EXPECT_FALSE(IsMenu(gone));
    EXPECT_EQ(GetMenuItemCount(gone), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_FALSE(AppendMenuW(gone, MF_STRING, 1, u"x"));
    EXPECT_FALSE(DestroyMenu(gone));
    const HMENU menu = CreatePopupMenu();
    EXPECT_FALSE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(gone), u"dead pop-up"));
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    DestroyMenu(menu);
}

TEST(Menus, LoadMenuBuildsTheTemplateWithStatesAndSeparators) {
    shelltest::Resources res;
    const HMENU menu = LoadMenuW(res.Module(), MAKEINTRESOURCEW(shelltest::kBarId));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    const HMENU second = GetSubMenu(menu, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Text(second, 0, MF_BYPOSITION), u"New Appt.");
    EXPECT_EQ(GetMenuState(second, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(second, shelltest::kGrayedCommand, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    const HMENU nested = GetSubMenu(second, 2);
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(GetMenuItemID(nested, 0), shelltest::kNestedCommand);
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(nested));
    EXPECT_EQ(LoadMenuW(res.Module(), MAKEINTRESOURCEW(4321)), nullptr);
}

}  // namespace
