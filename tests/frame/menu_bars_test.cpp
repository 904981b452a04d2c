// The view bars: the bar of each view and style, every bar made from the resources with its left
// button, one bar on screen at a time, and the pop-ups adjusted to the current item and the views
// that are switched on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_fixture.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/testing_display.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

constexpr const WCHAR* kParentClass = u"MenuBarsTestParent";
std::vector<UINT> g_commands;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) g_commands.push_back(LOWORD(wp));
    return DefWindowProcW(hwnd, msg, wp, lp);
}

constexpr LONG kEveryView[] = {kViewMonth,    kViewWeek,         kViewTimelineWeek,   kViewDates,       kViewYear,
                               kViewTasks,    kViewContacts,     kViewProjects,       kViewNotes,       kViewWallet,
                               kViewSpinner,  kViewDay,          kViewApptPreview,    kViewContactPreview,
                               kViewTaskPreview, kViewWalletLocked, kViewWalletItem};

std::vector<std::u16string> MenuTexts(HMENU menu) {
    std::vector<std::u16string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        WCHAR text[64] = {};
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR &&
            !(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_POPUP)) {
            texts.emplace_back(u"-");
            continue;
        }
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        texts.emplace_back(text);
    }
    return texts;
}

bool HasCommand(HMENU menu, UINT command) { return GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1); }
bool IsGrayed(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class MenuBars : public frametest::FrameTest {
protected:
    MenuBars() {
        g_commands.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = kParentClass;
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, kParentClass, u"Vestral Agenda", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                  nullptr, nullptr);
        g_Frame.mainWnd = parent_;
    }
    ~MenuBars() override {
        DestroyViewMenuBars();
        DestroyWindow(parent_);
        UnregisterClassW(kParentClass, nullptr);
    }

    HMENU LoadBarMenu(UINT barId) { return LoadMenuW(g_Main.instance, MAKEINTRESOURCEW(barId)); }

    HWND parent_ = nullptr;
};

TEST_F(MenuBars, BarOfEachViewAndStyle) {
    struct Case {
        LONG view;
        LONG style;
        int useDefault;
        UINT bar;
    };
    constexpr Case cases[] = {
        {kViewTasks, kLeftSpinner, 0, IDM_TASKS_BAR_SPIN},     {kViewTasks, kLeftNextView, 0, IDM_TASKS_BAR},
        {kViewTimelineWeek, kLeftViewMenu, 0, IDM_WEEK_BAR_VIEWS}, {kViewWalletLocked, kLeftSpinner, 0, 22090},
        {kViewDay, kLeftViewMenu, 0, IDM_DAY_BAR},             {kViewApptPreview, kLeftSpinner, 0, 21000},
        {kViewContacts, kLeftViewMenu, 1, IDM_MONTH_BAR_VIEWS}, {kViewMonth, kLeftSpinner, 0, 22045},
        {kViewCoverScreen, kLeftNextView, 0, IDM_MONTH_BAR},    {kViewProjects, kLeftViewMenu, 0, 22095},
    };
    for (const Case& c : cases) EXPECT_EQ(ViewMenuBarId(c.view, c.style, c.useDefault), c.bar) << c.view << "/" << c.style;
}

TEST_F(MenuBars, EveryBarIsMadeWithItsLeftButtonAndTwoPopups) {
    const std::u16string leftTexts[] = {u"Next View", u"Views", u"Vestral"};
    for (const LONG style : {kLeftNextView, kLeftViewMenu, kLeftSpinner}) {
        g_Settings.viewMenu3 = style;
        for (const LONG view : kEveryView) {
            ViewId = view;
            HWND slot = nullptr;
            CreateViewMenuBar(&slot, 0, parent_, kShowBar);
            ASSERT_NE(slot, nullptr) << view << "/" << style;
            const auto texts = platform::testing::SoftKeyTexts();
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[1], u"Menu");
            const UINT bar = ViewMenuBarId(view, style, 0);
            const bool styled = ViewMenuBarId(view, kLeftNextView, 0) != ViewMenuBarId(view, kLeftSpinner, 0);
            if (styled) {
                EXPECT_EQ(texts[0], leftTexts[style]) << bar;
            }
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(slot, SHCMBM_GETMENU, 0, 0));
            EXPECT_EQ(GetMenuItemCount(menu), 2) << bar;
            // "Saved Views" is in the menu of the "Next View" style only, and in the spinner's.
            const HMENU viewMenu = GetSubMenu(menu, VIEW_BAR_POPUP_MENU);
            if (styled && style != kLeftNextView) {
                EXPECT_FALSE(HasCommand(viewMenu, IDM_SAVED_VIEWS)) << bar;
            }
            DestroyWindow(slot);
            g_MenuBars.shown = nullptr;
        }
    }
}

TEST_F(MenuBars, VestralButtonOfTheTasksBarSendsNextView) {
    g_Settings.viewMenu3 = kLeftSpinner;
    ViewId = kViewTasks;
    CreateViewMenuBar(&g_MenuBars.tasks, 0, parent_, kShowBar);
    ASSERT_EQ(platform::testing::SoftKeyTexts(), (std::vector<std::u16string>{u"Vestral", u"Menu"}));
    platform::testing::Key(VK_TSOFT1);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(g_commands, std::vector<UINT>{IDM_NEXT_VIEW});
}

TEST_F(MenuBars, OneBarOnScreenAndTheShownBarStays) {
    ViewId = kViewMonth;
    CreateViewMenuBar(&g_MenuBars.month, 0, parent_, kShowBar);
    const HWND month = g_MenuBars.month;
    CreateViewMenuBar(&g_MenuBars.month, 0, parent_, kShowBar);
    EXPECT_EQ(g_MenuBars.month, month);
    EXPECT_EQ(g_MenuBars.shown, month);
    EXPECT_TRUE(IsWindowVisible(month));

    ViewId = kViewTasks;
    EXPECT_EQ(RecreateViewMenuBar(), 0);
    EXPECT_NE(g_MenuBars.tasks, nullptr);
    EXPECT_EQ(g_MenuBars.shown, g_MenuBars.tasks);
    EXPECT_FALSE(IsWindowVisible(month));
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), g_MenuBars.tasks);

    // The timeline week shows the week view's bar.
    ViewId = kViewTimelineWeek;
    RecreateViewMenuBar();
    EXPECT_NE(g_MenuBars.week, nullptr);
    EXPECT_EQ(g_MenuBars.shown, g_MenuBars.week);

    DestroyViewMenuBars();
    EXPECT_EQ(g_MenuBars.month, nullptr);
    EXPECT_FALSE(IsWindow(month));
    ViewId = kViewMonth;
    RecreateViewMenuBar();
    EXPECT_NE(g_MenuBars.month, nullptr);
}

TEST_F(MenuBars, ViewsMenuLeavesOutTheOwnViewAndTheSpinnersHasNoSavedViews) {
    const HMENU month = LoadBarMenu(IDM_MONTH_BAR_VIEWS);
    const HMENU views = GetSubMenu(month, VIEW_BAR_POPUP_VIEWS);
    EXPECT_EQ(MenuTexts(views), (std::vector<std::u16string>{u"Schedule", u"-", u"Tasks", u"Contacts", u"-", u"Notes",
                                                              u"Wallet", u"Projects", u"-", u"Saved Views"}));
    EXPECT_FALSE(HasCommand(views, IDM_VIEW_MONTH));
    DestroyMenu(month);

    const HMENU year = LoadBarMenu(IDM_YEAR_BAR_VIEWS);
    EXPECT_EQ(MenuTexts(GetSubMenu(GetSubMenu(year, VIEW_BAR_POPUP_VIEWS), 0)),
              (std::vector<std::u16string>{u"Month", u"Week", u"Timeline Week", u"Dates"}));
    DestroyMenu(year);

    const HMENU spinner = LoadBarMenu(IDM_SPINNER_BAR);
    EXPECT_FALSE(HasCommand(GetSubMenu(spinner, VIEW_BAR_POPUP_VIEWS), IDM_SAVED_VIEWS));
    EXPECT_TRUE(HasCommand(GetSubMenu(spinner, VIEW_BAR_POPUP_MENU), IDM_SAVED_VIEWS));
    DestroyMenu(spinner);
}

TEST_F(MenuBars, ViewsMenuIsPrunedToTheViewsSwitchedOn) {
    struct Case {
        std::vector<ShownView> on;
        std::vector<std::u16string> texts;
    };
    const Case cases[] = {
        {{ShownView::Month}, {u"Saved Views"}},
        {{ShownView::Month, ShownView::Tasks}, {u"Tasks", u"-", u"Saved Views"}},
        {{ShownView::Month, ShownView::Week, ShownView::Notes},
         {u"Schedule", u"-", u"Notes", u"-", u"Saved Views"}},
    };
    g_Settings.viewMenu3 = kLeftViewMenu;
    ViewId = kViewMonth;
    for (const Case& c : cases) {
        for (LONG& flag : g_ViewShown.flags) flag = 0;
        for (const ShownView v : c.on) g_ViewShown[v] = 1;
        const HMENU bar = LoadBarMenu(IDM_MONTH_BAR_VIEWS);
        const HMENU views = GetSubMenu(bar, VIEW_BAR_POPUP_VIEWS);
        BuildViewMenu(0, views, 0);
        EXPECT_EQ(MenuTexts(views), c.texts);
        // The pruning stays on a kept bar; opening it again changes nothing more.
        BuildViewMenu(0, views, 0);
        EXPECT_EQ(MenuTexts(views), c.texts);
        DestroyMenu(bar);
    }
}

// A kept bar keeps its pruning: a view switched on in Options was missing from the menu until the
// program started again. The bars are made anew when the views change.
TEST_F(MenuBars, AViewSwitchedOnComesBackInTheRebuiltViewsMenu) {
    g_Settings.viewMenu3 = kLeftViewMenu;
    ViewId = kViewMonth;
    const auto scheduleOfMonthBar = [] {
        const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(g_MenuBars.month, SHCMBM_GETMENU, 0, 0));
        const HMENU views = GetSubMenu(menu, VIEW_BAR_POPUP_VIEWS);
        BuildViewMenu(0, views, 0);
        return GetSubMenu(views, 0);
    };
    g_ViewShown[ShownView::Year] = 0;
    CreateViewMenuBar(&g_MenuBars.month, 0, parent_, kShowBar);
    EXPECT_FALSE(HasCommand(scheduleOfMonthBar(), IDM_VIEW_YEAR));

    g_ViewShown[ShownView::Year] = 1;
    RebuildViewMenuBars();
    ASSERT_NE(g_MenuBars.month, nullptr);
    EXPECT_EQ(g_MenuBars.shown, g_MenuBars.month);
    EXPECT_TRUE(HasCommand(scheduleOfMonthBar(), IDM_VIEW_YEAR));
    g_ViewShown[ShownView::Year] = 0;
}

TEST_F(MenuBars, OnlyTheMonthInAnotherViewSaysNoOtherViews) {
    for (LONG& flag : g_ViewShown.flags) flag = 0;
    g_ViewShown[ShownView::Month] = 1;
    g_Settings.viewMenu3 = kLeftViewMenu;
    ViewId = kViewTasks;
    const HMENU bar = LoadBarMenu(IDM_TASKS_BAR_VIEWS);
    const HMENU views = GetSubMenu(bar, VIEW_BAR_POPUP_VIEWS);
    BuildViewMenu(0, views, 0);
    // The tasks menu has no "Tasks" entry, so seven others were removed: "Week" goes.
    EXPECT_FALSE(HasCommand(views, IDM_VIEW_WEEK));
    EXPECT_TRUE(HasCommand(views, IDM_VIEW_MONTH));
    DestroyMenu(bar);
}

TEST_F(MenuBars, ItemCommandsFollowTheCurrentItem) {
    struct Case {
        LONG oid;
        LONG kind;
        const char16_t* edit;
        const char16_t* convert;
        bool convertGrayed;
    };
    const Case cases[] = {
        {0x40000001, kItemAppt, u"Edit Appt.", u"Appt. To Task ", false},
        {0x40000001, kItemTask, u"Edit Task", u"Task To Appt.", false},
        {0x40000001, kItemContact, u"Edit Contact", u"Appt. to Task", true},
        {kNoOid, kItemNone, u"Edit Appt.", u"Appt. to Task", true},
    };
    for (const Case& c : cases) {
        g_CurItem.oid = c.oid;
        g_CurItem.kind = c.kind;
        const HMENU bar = LoadBarMenu(IDM_DATES_BAR);
        const HMENU menu = GetSubMenu(bar, VIEW_BAR_POPUP_MENU);
        SetContextMenuTexts(0, menu);
        WCHAR text[64] = {};
        GetMenuStringW(menu, IDM_EDIT_ITEM, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::u16string(text), c.edit);
        GetMenuStringW(menu, IDM_CONVERT_ITEM, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::u16string(text), c.convert);
        EXPECT_EQ(IsGrayed(menu, IDM_CONVERT_ITEM), c.convertGrayed);
        EXPECT_EQ(IsGrayed(menu, IDM_DELETE_ITEM), c.oid == kNoOid);
        EXPECT_EQ(IsGrayed(menu, IDM_EDIT_ITEM), c.oid == kNoOid);
        GetMenuStringW(menu, IDM_FILTER, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::u16string(text), u"Filter");
        DestroyMenu(bar);
    }
}

}  // namespace
