// The real main window on each device profile the README names: every view opens and leaves the
// cover screen, and a view's child window never stays on top of the views shown after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "calendar/agenda_view.h"
#include "calendar/timeline_week.h"
#include "calendar/year_view.h"
#include "core/theme.h"
#include "extras/theme.h"
#include "frame/view_switch.h"
#include "frame_fixture.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_view.h"
#include "lists/letter_tabs.h"
#include "lists/task_view.h"
#include "notes/notes_state.h"
#include "notes/notes_view.h"
#include "platform/commctrl.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/ink.h"
#include "platform/shell.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "projects/prj_tree.h"
#include "projects/prj_view.h"
#include "ui/draw_prims.h"
#include "ui/view_windows.h"
#include "wallet/wlt_item.h"
#include "wallet/wlt_settings.h"
#include "wallet/wlt_view.h"

namespace {

struct Profile {
    const char* name;
    int width;
    int height;
    DWORD osMajor;
    DWORD osMinor;
    bool keypad;
};

// The profiles of the README's table.
constexpr Profile kProfiles[] = {
    {"240x320", 240, 320, 5, 2, false}, {"320x240", 320, 240, 5, 2, false}, {"480x640", 480, 640, 5, 2, false},
    {"640x480", 640, 480, 5, 2, false}, {"320x320", 320, 320, 5, 2, false}, {"os 4.2", 240, 320, 4, 2, false},
    {"keypad", 240, 320, 5, 2, true},
};

void ShowTimelineAnew() { ShowTimelineWeek(true); }

struct ViewCase {
    const char* name;
    void (*show)();
    LONG view;
    LONG lockedView = -1;  // the wallet opens locked when its file is secured
};

constexpr ViewCase kViews[] = {
    {"month", ShowMonthView, kViewMonth},          {"week", ShowWeekView, kViewWeek},
    {"timeline", ShowTimelineAnew, kViewTimelineWeek}, {"dates", ShowDatesView, kViewDates},
    {"year", ShowYearView, kViewYear},             {"tasks", ShowTasksView, kViewTasks},
    {"contacts", ShowContactsView, kViewContacts}, {"projects", ShowProjectsView, kViewProjects},
    {"notes", ShowNotesView, kViewNotes},          {"wallet", ShowWalletView, kViewWallet, kViewWalletLocked},
    {"wheel", ShowSpinnerView, kViewSpinner},
};

class DeviceProfiles : public frametest::FrameTest {
protected:
    // The controls the program's start registers.
    DeviceProfiles() {
        InitCommonControls();
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_DATE_CLASSES;
        InitCommonControlsEx(&init);
        SHInitExtraControls();
        InitInkX();
    }
    void Use(const Profile& p) {
        platform::DeviceProfile profile;
        profile.screenWidth = p.width;
        profile.screenHeight = p.height;
        profile.dpi = p.width >= 480 || p.height >= 480 ? 192 : 96;
        profile.osMajor = p.osMajor;
        profile.osMinor = p.osMinor;
        profile.keypad = p.keypad;
        // The screen is laid out again for the new size, as at a start on that device.
        platform::StopDisplay();
        device_.SetProfile(profile);
        platform::StartDisplay();
        platform::testing::PumpUntilIdle();
    }
    // The main window as the program makes it, with its data loaded.
    HWND Open() {
        WriteSetting(u"STARTON30", kStartMonth);
        WriteSetting(u"VIEW_YEAR", 1);
        EXPECT_EQ(InitInstance(g_Main.instance, SW_SHOW), 1);
        platform::testing::PumpUntilIdle();
        frametest::FinishLoadThread();
        platform::testing::PumpUntilIdle();
        return g_Frame.mainWnd;
    }
    void Close() {
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) {
            SendMessageW(g_Frame.mainWnd, WM_CLOSE, 0, 0);
            platform::testing::PumpUntilIdle();
        }
        if (g_Frame.mainWnd && IsWindow(g_Frame.mainWnd)) DestroyWindow(g_Frame.mainWnd);
        // The closed window asked the thread to quit; the next profile's window runs on it.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        // The views' windows died with the main window; the next one makes its own.
        g_ViewWnds = ViewWindows();
        g_PrjTree = PrjTreeState{};
        g_TskListState = TskListState();
        g_CtsListWnd = nullptr;
        g_CtsGrid.window = nullptr;
        g_CtsAbcToolbar = nullptr;
        g_Agenda.wnd = nullptr;
        g_Wlt = WltState();
        g_Notes = NotesState();
        frametest::ResetFrameGlobals();
        g_Main.instance = GetModuleHandleW(nullptr);
    }
    ~DeviceProfiles() override { Close(); }

    // The child windows of the main window that are visible now.
    static std::vector<HWND> VisibleViewWindows() {
        const ViewWindows& v = g_ViewWnds;
        std::vector<HWND> shown;
        for (HWND w : {v.scheduleList, v.taskList, v.contactsList, v.contactGrid, v.notesList, v.walletTree,
                       v.projectTree, v.agendaView, v.weekdayBar})
            if (w && IsWindowVisible(w)) shown.push_back(w);
        return shown;
    }
};

TEST_F(DeviceProfiles, EveryViewOpensOnEveryProfile) {
    for (const Profile& p : kProfiles) {
        SCOPED_TRACE(p.name);
        Use(p);
        ASSERT_NE(Open(), nullptr);
        for (const ViewCase& v : kViews) {
            SCOPED_TRACE(v.name);
            v.show();
            platform::testing::PumpUntilIdle();
            if (ViewId != v.lockedView) {
                EXPECT_EQ(ViewId, v.view);
            }
            EXPECT_NE(ViewId, kViewCoverScreen);
        }
        Close();
    }
}

// The project tree was never made known to the view switch: after Projects and the wallet it stayed
// on top of the wheel and the month view.
TEST_F(DeviceProfiles, ProjectTreeIsHiddenWhenAnotherViewIsShown) {
    ASSERT_NE(Open(), nullptr);
    ShowProjectsView();
    platform::testing::PumpUntilIdle();
    ASSERT_NE(g_PrjTree.wnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_PrjTree.wnd));
    for (const ViewCase& v : kViews) {
        if (v.view == kViewProjects) continue;
        SCOPED_TRACE(v.name);
        ShowWalletView();
        v.show();
        platform::testing::PumpUntilIdle();
        EXPECT_FALSE(IsWindowVisible(g_PrjTree.wnd));
        // At most the view's own windows show (the dates view has its list and bar).
        for (HWND w : VisibleViewWindows()) EXPECT_NE(w, g_PrjTree.wnd);
    }
}

// The notes list drew its rows in the bare system font, which stays small on a VGA screen; the rows
// take the theme's list font, which follows the screen class.
TEST_F(DeviceProfiles, ListRowsUseTheListFontOfTheScreenClass) {
    for (const Profile& p : {kProfiles[0], kProfiles[2]}) {
        SCOPED_TRACE(p.name);
        Use(p);
        ASSERT_NE(Open(), nullptr);
        ShowNotesView();
        InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
        platform::testing::PumpUntilIdle();
        const HWND list = g_ViewWnds.notesList;
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(ViewId, kViewNotes);
        ASSERT_TRUE(IsWindowVisible(list));
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        ASSERT_GT(rows, 0);
        // The first row ("Up" in a folder) is there in any folder.
        WCHAR text[64] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
        const std::u16string name = text;
        ASSERT_FALSE(name.empty());
        RECT label{};
        label.left = LVIR_LABEL;
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&label));
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&label), 2);
        // The text's drawn width against its width in the list font: the default theme draws it
        // in black, the only near-black pixels of the row.
        constexpr int kDark = 100;
        // Right of the row's icon, which may reach into the label.
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        int iconWidth = 0, iconHeight = 0;
        if (images) ImageList_GetIconSize(images, &iconWidth, &iconHeight);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds));
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
        const int iconGap = p.width >= 480 ? 15 : 5;
        const int textFrom = std::max<int>(label.left, bounds.left + iconGap + iconWidth + 1);
        int first = label.right, last = label.left - 1;
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = textFrom; x < label.right; ++x) {
                const COLORREF c = platform::testing::ReadScreenPixel(x, y);
                if (GetRValue(c) < kDark && GetGValue(c) < kDark && GetBValue(c) < kDark) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        ASSERT_NE(g_Main.themeFonts[kFontList], nullptr);
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, g_Main.themeFonts[kFontList]);
        SIZE extent{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        EXPECT_NEAR(last - first + 1, extent.cx, extent.cx / 8);
        Close();
    }
}

}  // namespace

namespace {

// The label heights drawn inside a window, and the width of the first +/- box on its first row
// (the grey frame's outer columns at the row's middle).
struct TreeLook {
    int textHeight = 0;
    int boxWidth = 0;
};

TreeLook MeasureTree(HWND tree) {
    TreeLook look;
    platform::testing::DrawRecord record;
    InvalidateRect(tree, nullptr, TRUE);
    platform::testing::PumpUntilIdle();
    RECT area{};
    GetWindowRect(tree, &area);
    for (const auto& text : record.ScreenTextsIn(area))
        look.textHeight = std::max<int>(look.textHeight, text.rect.bottom - text.rect.top);
    const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    RECT label{};
    std::memcpy(&label, &root, sizeof root);
    if (!root || !SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label))) return look;
    MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&label), 2);
    const int y = (label.top + label.bottom) / 2;
    int first = -1, last = -1;
    for (int x = area.left; x < label.left; ++x) {
        if (platform::testing::ReadScreenPixel(x, y) != RGB(128, 128, 128)) continue;
        if (first < 0) first = x;
        last = x;
    }
    if (first >= 0) look.boxWidth = last - first + 1;
    return look;
}

// On 480x640 the wallet and project trees drew a 10-pixel font and 9-pixel boxes beside 32-pixel
// icons: both grow with the screen.
TEST_F(DeviceProfiles, TreesScaleTheirTextAndBoxesWithTheScreen) {
    struct Tree {
        const char* name;
        void (*show)();
        HWND* window;
    };
    const Tree trees[] = {{"wallet", ShowWalletView, &g_ViewWnds.walletTree},
                          {"projects", ShowProjectsView, &g_PrjTree.wnd}};
    TreeLook small[2], large[2];
    for (const Profile& p : {kProfiles[0], kProfiles[2]}) {
        Use(p);
        // A fresh wallet, whatever the tests before this one opened in this process.
        g_Wlt = WltState();
        g_WltSettings = WltSettings();
        CreateDirectoryW(u"\\My Documents", nullptr);
        ASSERT_NE(Open(), nullptr);
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(std::string(p.name) + " " + trees[i].name);
            trees[i].show();
            platform::testing::PumpUntilIdle();
            ASSERT_NE(*trees[i].window, nullptr);
            (p.width >= 480 ? large : small)[i] = MeasureTree(*trees[i].window);
        }
        Close();
    }
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(trees[i].name);
        ASSERT_GT(small[i].textHeight, 0);
        EXPECT_GE(large[i].textHeight, 2 * small[i].textHeight - 2);
    }
    ASSERT_GT(small[0].boxWidth, 0) << "the wallet's groups have boxes";
    EXPECT_GE(large[0].boxWidth, 2 * small[0].boxWidth - 2);
}

}  // namespace
