// Soft-key bars: made from the bar and menu resources, their keys and drop-down menus, the commands
// they send, and the keys their owner takes over.
#include <gtest/gtest.h>

#include "shell/menu_bar.h"
#include "shell/menu_tracking.h"
#include "shell/shell_paint.h"

#include <filesystem>
#include "shell_fixture.h"

namespace {

using namespace platform::testing;
using shelltest::ShellTest;

TEST_F(ShellTest, BarSitsAtTheBottomWithTheButtonTextsOfItsResource) {
    const HWND main = MakeMainWindow();
    const HWND bar = MakeBar(main, shelltest::kBarId);
    ASSERT_NE(bar, nullptr);
    RECT r{};
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(r.bottom - r.top, 26);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(ShownSoftKeyBar(), bar);
    EXPECT_EQ(SoftKeyTexts(), (std::vector<std::u16string>{u"Views", u"Menu"}));
    EXPECT_EQ(SHFindMenuBar(main), bar);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    EXPECT_EQ(reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETSUBMENU, 0, shelltest::kMenuCommand)), GetSubMenu(menu, 1));
    EXPECT_EQ(GetFocus(), main) << "the bar never takes the focus";
    DestroyWindow(main);
    EXPECT_FALSE(IsWindow(bar)) << "a bar goes with its owner";
}

TEST_F(ShellTest, RightSoftKeyOpensItsMenuAndTheChosenItemArrivesAsCommand) {
    const HWND main = MakeMainWindow();
    const HWND bar = MakeBar(main, shelltest::kBarId);
    ASSERT_NE(bar, nullptr);
    std::vector<std::u16string> shown;
    Key(VK_TSOFT2);
    ActInsideModalLoop([&] {
        shown = OpenMenuTexts();
        Key(VK_DOWN);
        Key(VK_RETURN);
    });
    PumpUntilIdle();
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"New Appt.", u"-", u"More", u"Filter"}));
    EXPECT_EQ(Commands(main), std::vector<UINT>{shelltest::kNewCommand});
    const auto init = Logged(main, WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 1u);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    EXPECT_EQ(reinterpret_cast<HMENU>(init[0].wParam), GetSubMenu(menu, 1));
    EXPECT_EQ(LOWORD(init[0].lParam), 1);
    EXPECT_FALSE(platform::MenuIsOpen());
}

TEST_F(ShellTest, KeysWalkIntoSubMenusSkipSeparatorsAndNeverChooseAGreyedItem) {
    struct Case {
        const char* what;
        std::vector<UINT> keys;
        std::vector<UINT> commands;
        int popupsOpened;
    };
    const Case cases[] = {
        {"down twice reaches More over the separator; right opens it", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN},
         {shelltest::kNestedCommand}, 2},
        {"enter on a greyed item does nothing; escape closes", {VK_UP, VK_RETURN, VK_ESCAPE}, {}, 1},
        {"left closes the sub-menu only", {VK_UP, VK_UP, VK_RIGHT, VK_LEFT, VK_UP, VK_RETURN},
         {shelltest::kNewCommand}, 2},
        {"the soft key again closes the menu", {VK_TSOFT2}, {}, 1},
    };
    for (const Case& c : cases) {
        const HWND main = MakeMainWindow();
        ASSERT_NE(MakeBar(main, shelltest::kBarId), nullptr);
        Key(VK_TSOFT2);
        ActInsideModalLoop([&] {
            for (const UINT k : c.keys) Key(k);
        });
        PumpUntilIdle();
        EXPECT_EQ(Commands(main), c.commands) << c.what;
        EXPECT_EQ(static_cast<int>(Logged(main, WM_INITMENUPOPUP).size()), c.popupsOpened) << c.what;
        EXPECT_FALSE(platform::MenuIsOpen()) << c.what;
        DestroyWindow(main);
        qvtest::MessageLog::Instance().Clear();
    }
}


TEST_F(ShellTest, StylusOnTheLeftSoftKeyAndOnAnItemChoosesIt) {
    const HWND main = MakeMainWindow();
    const HWND bar = MakeBar(main, shelltest::kBarId);
    ASSERT_NE(bar, nullptr);
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    const HMENU views = GetSubMenu(reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0)), 0);
    Tap(barRect.left + 5, barRect.top + 5);
    RECT popupRect{};
    ActInsideModalLoop([&] {
        const HWND popup = FindWindowW(platform::kPopupMenuClass, nullptr);
        GetWindowRect(popup, &popupRect);
        const RECT row = platform::PopupRow(platform::MenuItems(views), 1);
        Tap(popupRect.left + (row.left + row.right) / 2, popupRect.top + (row.top + row.bottom) / 2);
    });
    PumpUntilIdle();
    EXPECT_EQ(Commands(main), std::vector<UINT>{shelltest::kTasksCommand});
    EXPECT_EQ(popupRect.left, 0) << "the left button's menu opens at the left edge";
    EXPECT_EQ(popupRect.bottom, barRect.top) << "and just above the bar";

    // A tap outside the menu closes it and goes nowhere.
    Tap(barRect.left + 5, barRect.top + 5);
    ActInsideModalLoop([&] { Tap(popupRect.right + 20, 60); });
    PumpUntilIdle();
    EXPECT_EQ(Commands(main), std::vector<UINT>{shelltest::kTasksCommand});
    EXPECT_TRUE(Logged(main, WM_LBUTTONDOWN).empty());
}

// The lift of the tap that opened a submenu closed it again at once, so a submenu could not be
// opened with the stylus.
TEST_F(ShellTest, ATapOnASubmenuItemOpensItAndATapInsideChoosesFromIt) {
    const HWND main = MakeMainWindow();
    const HMENU menu = CreatePopupMenu();
    const HMENU schedule = CreatePopupMenu();
    AppendMenuW(schedule, MF_STRING, 40161, u"Day");
    AppendMenuW(schedule, MF_STRING, 40162, u"Dates");
    AppendMenuW(menu, MF_STRING, 40150, u"Month");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(schedule), u"Schedule");
    int popupsAfterTap = 0;
    ActInsideModalLoop([&] {
        const HWND popup = FindWindowW(platform::kPopupMenuClass, nullptr);
        RECT popupRect{};
        GetWindowRect(popup, &popupRect);
        const RECT row = platform::PopupRow(platform::MenuItems(menu), 1);
        Tap(popupRect.left + (row.left + row.right) / 2, popupRect.top + (row.top + row.bottom) / 2);
        ActInsideModalLoop([&popupsAfterTap, popup, schedule] {
            HWND sub = nullptr;
            for (HWND w = FindWindowW(platform::kPopupMenuClass, nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
                WCHAR name[64] = {};
                GetClassNameW(w, name, 64);
                if (std::u16string_view(name) != platform::kPopupMenuClass || !IsWindowVisible(w)) continue;
                ++popupsAfterTap;
                if (w != popup) sub = w;
            }
            if (!sub) {
                Key(VK_ESCAPE);
                return;
            }
            RECT subRect{};
            GetWindowRect(sub, &subRect);
            const RECT dates = platform::PopupRow(platform::MenuItems(schedule), 1);
            Tap(subRect.left + (dates.left + dates.right) / 2, subRect.top + (dates.top + dates.bottom) / 2);
        });
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 115, 100, main, nullptr), 40162u);
    EXPECT_EQ(popupsAfterTap, 2) << "the submenu stayed open after the tap";
    DestroyMenu(menu);
}

TEST_F(ShellTest, PlainButtonSendsItsCommandAndADisabledOneNothing) {
    const HWND dialog = MakeMainWindow(u"Dialog");
    const HWND bar = MakeBar(dialog, shelltest::kDoneBarId);
    ASSERT_NE(bar, nullptr);
    Key(VK_TSOFT1);
    Key(VK_TSOFT2);  // no second button
    PumpUntilIdle();
    EXPECT_EQ(Commands(dialog), std::vector<UINT>{shelltest::kDoneCommand});
    EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, shelltest::kDoneCommand, FALSE));
    EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, shelltest::kDoneCommand, 0));
    Key(VK_TSOFT1);
    PumpUntilIdle();
    EXPECT_EQ(Commands(dialog).size(), 1u);
}

TEST_F(ShellTest, OverriddenKeysReachTheOwnerAsHotKeysOncePerPress) {
    struct Case {
        UINT key;
        LPARAM flags;
        bool hotKey;
        bool keyDown;
    };
    const Case cases[] = {
        {VK_TBACK, MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY), true, false},
        {VK_TTALK, MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY), true, false},
        {VK_TBACK, MAKELPARAM(SHMBOF_NOTIFY, SHMBOF_NOTIFY), true, true},
        {VK_TBACK, 0, false, true},
        {VK_TEND, 0, false, true},
    };
    for (const Case& c : cases) {
        const HWND main = MakeMainWindow();
        const HWND bar = MakeBar(main, shelltest::kBarId);
        SendMessageW(bar, SHCMBM_OVERRIDEKEY, c.key, c.flags);
        Key(c.key);
        PumpUntilIdle();
        const auto hotKeys = Logged(main, WM_HOTKEY);
        ASSERT_EQ(hotKeys.size(), c.hotKey ? 1u : 0u) << c.key;
        if (c.hotKey) {
            EXPECT_EQ(HIWORD(hotKeys[0].lParam), c.key);
        }
        bool keyDown = false;
        for (const auto& e : Logged(main, WM_KEYDOWN)) keyDown = keyDown || e.wParam == c.key;
        EXPECT_EQ(keyDown, c.keyDown) << c.key;
        DestroyWindow(main);
        qvtest::MessageLog::Instance().Clear();
    }
}

TEST_F(ShellTest, BarsThatCannotBeMadeFailCleanly) {
    const HWND main = MakeMainWindow();
    EXPECT_EQ(MakeBar(main, 4321), nullptr);  // no such bar resource
    SHMENUBARINFO info{};
    info.cbSize = 12;
    info.hwndParent = main;
    info.nToolBarId = shelltest::kBarId;
    info.hInstRes = res_.Module();
    EXPECT_FALSE(SHCreateMenuBar(&info));
    info.cbSize = sizeof info;
    info.hwndParent = nullptr;
    EXPECT_FALSE(SHCreateMenuBar(&info));
    EXPECT_EQ(info.hwndMB, nullptr);
    EXPECT_EQ(ShownSoftKeyBar(), nullptr);
}

// A menu opened by a tap-and-hold lies under the pen; lifting the stylus that held chose the entry
// under it. The lift chooses nothing: the menu stays open until a tap on an entry, or outside it.
TEST_F(ShellTest, TheLiftThatEndsAHoldLeavesItsMenuOpenForATap) {
    const HWND main = MakeMainWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 40150, u"Set Date");
    AppendMenuW(menu, MF_STRING, 40149, u"No Date");
    const RECT first = platform::PopupRow(platform::MenuItems(menu), 0);
    const RECT second = platform::PopupRow(platform::MenuItems(menu), 1);
    std::vector<UINT> chosen;
    // The menu opens with the pen on the middle of its first entry.
    POINT origin{};
    qvtest::MessageLog::Instance().On(WM_LBUTTONDOWN, [&](HWND hwnd, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        SHRGINFO info{sizeof(SHRGINFO), hwnd, {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))},
                      SHRG_RETURNCMD};
        if (SHRecognizeGesture(&info) != GN_CONTEXTMENU) return 0;
        POINT pen = info.ptDown;
        ClientToScreen(hwnd, &pen);
        origin = {pen.x - (first.left + first.right) / 2, pen.y - (first.top + first.bottom) / 2};
        chosen.push_back(static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD, origin.x, origin.y, hwnd, nullptr)));
        return 0;
    });
    RECT r{};
    GetWindowRect(main, &r);
    struct Case {
        const char* what;
        bool tapEntry;  // else a tap outside the menu
        UINT command;
    };
    const Case cases[] = {{"a tap on the second entry", true, 40149}, {"a tap outside", false, 0}};
    for (const Case& c : cases) {
        chosen.clear();
        std::vector<std::u16string> openAfterLift;
        ActInsideModalLoop([&] {
            openAfterLift = OpenMenuTexts();
            if (c.tapEntry) Tap(origin.x + (second.left + second.right) / 2, origin.y + (second.top + second.bottom) / 2);
            else Tap(r.left + 5, r.bottom - 5);
        });
        Hold(r.left + 60, r.top + 60);
        PumpUntilIdle();
        EXPECT_EQ(openAfterLift, (std::vector<std::u16string>{u"Set Date", u"No Date"})) << c.what;
        EXPECT_EQ(chosen, std::vector<UINT>{c.command}) << c.what;
    }
    DestroyMenu(menu);
}

TEST_F(ShellTest, ReturnCommandTrackingGivesTheCommandWithoutPostingIt) {
    const HWND main = MakeMainWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 40150, u"Set Date");
    AppendMenuW(menu, MF_STRING, 40149, u"No Date");
    ActInsideModalLoop([] {
        Key(VK_DOWN);
        Key(VK_DOWN);
        Key(VK_RETURN);
    });
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 115, 100, main, nullptr), 40149);
    ActInsideModalLoop([] { Key(VK_ESCAPE); });
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 115, 100, main, nullptr), 0);
    PumpUntilIdle();
    EXPECT_TRUE(Commands(main).empty());
    EXPECT_EQ(Logged(main, WM_INITMENUPOPUP).size(), 2u) << "each opening prepares the menu";
    DestroyMenu(menu);
}


std::filesystem::path ShotPath(const char* name) { return std::filesystem::path(QV_TEST_OUTPUT_DIR) / name; }

TEST_F(ShellTest, BarsAndTheOpenMenuArePaintedOnTheScreen) {
    const HWND main = MakeMainWindow(u"Vestral Agenda");
    ASSERT_NE(MakeBar(main, shelltest::kBarId), nullptr);
    PumpUntilIdle();
    const int height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(ReadScreenPixel(1, height - 2), platform::kSoftKeyBarColour);
    EXPECT_EQ(ReadScreenPixel(1, 1), platform::kNavBarColour);
    EXPECT_TRUE(SaveScreenshot(ShotPath("shell_softkey_bar.png")));

    RECT selectedRow{}, popupRect{};
    COLORREF selected = 0, other = 0;
    Key(VK_TSOFT2);
    ActInsideModalLoop([&] {
        Key(VK_DOWN);
        ActInsideModalLoop([&] {
            PumpUntilIdle();
            const HWND popup = FindWindowW(platform::kPopupMenuClass, nullptr);
            GetWindowRect(popup, &popupRect);
            const HMENU menu = GetSubMenu(reinterpret_cast<HMENU>(SendMessageW(ShownSoftKeyBar(), SHCMBM_GETMENU, 0, 0)), 1);
            selectedRow = platform::PopupRow(platform::MenuItems(menu), 0);
            OffsetRect(&selectedRow, popupRect.left, popupRect.top);
            selected = ReadScreenPixel(selectedRow.left + 1, selectedRow.top + 1);
            other = ReadScreenPixel(selectedRow.left + 1, selectedRow.bottom + 3);
            SaveScreenshot(ShotPath("shell_open_menu.png"));
            Key(VK_ESCAPE);
        });
    });
    PumpUntilIdle();
    EXPECT_EQ(selected, platform::kMenuSelectedColour);
    EXPECT_EQ(other, platform::kMenuColour);
    EXPECT_LT(popupRect.top, popupRect.bottom);
}


TEST_F(ShellTest, BarFlagsGiveMenuButtonsHiddenBarsAndEmptyBars) {
    struct Case {
        DWORD flags;
        bool shown;
        std::vector<std::u16string> texts;
    };
    const Case cases[] = {
        {SHCMBF_HMENU, true, {u"Views", u"Menu"}},  // one button per pop-up of the menu
        {SHCMBF_HIDDEN, false, {}},
        {SHCMBF_EMPTYBAR, true, {}},
    };
    for (const Case& c : cases) {
        const HWND main = MakeMainWindow();
        SHMENUBARINFO info{};
        info.cbSize = sizeof info;
        info.hwndParent = main;
        info.dwFlags = c.flags;
        info.nToolBarId = shelltest::kBarId;
        info.hInstRes = res_.Module();
        ASSERT_TRUE(SHCreateMenuBar(&info)) << c.flags;
        EXPECT_EQ(ShownSoftKeyBar() == info.hwndMB, c.shown) << c.flags;
        if (c.shown) {
            EXPECT_EQ(SoftKeyTexts(), c.texts) << c.flags;
        }
        DestroyWindow(main);
    }
}

}  // namespace
