// View switching: the month and week switches set the view, title and bar, wait for their data,
// respect the switched-off views; going back; the cycle of shown views; keys and hot keys.
#include <gtest/gtest.h>

#include "calendar/calendar_state.h"
#include "core/cmd_line.h"
#include "platform/testing_display.h"
#include "platform/threads.h"
#include "ui/view_windows.h"
#include "view_fixture.h"

namespace {

using frametest::ViewTest;

TEST_F(ViewTest, MonthAndWeekSetViewTitleAndTheirOwnBar) {
    g_Main.backArmed = 1;
    ShowMonthView();
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(Title(), u"March 2009");
    ASSERT_NE(g_MenuBars.month, nullptr);
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), g_MenuBars.month);
    EXPECT_EQ(g_Main.backArmed, 0);

    DayPaneScroll = 3;
    ShowWeekView();
    EXPECT_EQ(ViewId, kViewWeek);
    EXPECT_EQ(Title(), kProgramTitle);
    ASSERT_NE(g_MenuBars.week, nullptr);
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), g_MenuBars.week);
    EXPECT_EQ(DayPaneScroll, 0);

    // Back to the month: its kept bar is shown again, not made anew.
    const HWND monthBar = g_MenuBars.month;
    ShowMonthView();
    EXPECT_EQ(g_MenuBars.month, monthBar);
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), monthBar);
}

TEST_F(ViewTest, SwitchWaitsForItsDataAndTheLastRequestWins) {
    g_ApptCache.loaded = 0;
    ShowMonthView();
    EXPECT_EQ(ViewId, kViewCoverScreen);
    EXPECT_EQ(PendingViewCmd, kStartMonth);
    ShowWeekView();
    EXPECT_EQ(PendingViewCmd, kStartWeek);
    EXPECT_EQ(g_MenuBars.week, nullptr);
}

// Data the load left out (its view was off at the start) waited for a load message that never came.
TEST_F(ViewTest, AfterTheLoadAViewWhoseDataWasLeftOutReadsItAndShows) {
    const LONG allLoadedBefore = g_LoadState.allLoaded;
    g_LoadState.allLoaded = 1;
    g_ApptCache.loaded = 0;
    SetCursor(nullptr);
    ShowMonthView();
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(g_ApptCache.loaded, 1);
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
    EXPECT_EQ(GetCursor(), nullptr) << "no busy pointer left behind";
    g_LoadState.allLoaded = allLoadedBefore;
}

// A view asked for after a close while loading used to replace the close, so the program stayed.
TEST_F(ViewTest, PendingCloseIsNotReplacedByAViewSwitch) {
    g_ApptCache.loaded = 0;
    PendingViewCmd = kPendingClose;
    ShowMonthView();
    EXPECT_EQ(PendingViewCmd, kPendingClose);
    EXPECT_EQ(ViewId, kViewCoverScreen);
}

TEST_F(ViewTest, SwitchedOffViewIsNotShown) {
    g_ViewShown[ShownView::Month] = 0;
    g_ViewShown[ShownView::Week] = 0;
    ShowMonthView();
    ShowWeekView();
    EXPECT_EQ(ViewId, kViewCoverScreen);
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
}

TEST_F(ViewTest, NextShownViewCyclesOverTheViewsSwitchedOn) {
    struct Case {
        LONG from;
        LONG expected;
    };
    // Defaults: every view but the year view is on.
    constexpr Case defaults[] = {{kViewMonth, kViewWeek}, {kViewDates, kViewTasks}, {kViewWallet, kViewMonth},
                                 {kViewWalletLocked, kViewMonth}, {kViewDay, kViewMonth}, {kViewCoverScreen, kViewMonth}};
    for (const Case& c : defaults) EXPECT_EQ(NextShownView(c.from), c.expected) << c.from;

    for (LONG code = 0; code <= kViewWallet; ++code) g_ViewShown.flags[code] = 0;
    g_ViewShown[ShownView::Month] = 1;
    EXPECT_EQ(NextShownView(kViewWalletLocked), kViewMonth);
    EXPECT_EQ(NextShownView(kViewMonth), kViewMonth);
    // With nothing on the cycle ends after one round.
    g_ViewShown[ShownView::Month] = 0;
    EXPECT_EQ(NextShownView(kViewTasks), kViewMonth);
}

TEST_F(ViewTest, ShownFlagOnlyForTheCycleViews) {
    g_ViewShown[ShownView::Year] = 1;
    g_ViewShown[ShownView::TimelineWeek] = 0;
    EXPECT_EQ(GetViewShownFlag(kViewYear), 1);
    EXPECT_EQ(GetViewShownFlag(kViewTimelineWeek), 0);
    EXPECT_EQ(GetViewShownFlag(kViewDay), 0);
    EXPECT_EQ(GetViewShownFlag(-1), 0);
}

TEST_F(ViewTest, GoingBackWithoutAPreviousViewShowsTheMonth) {
    ViewId = kViewDay;
    g_Frame.prevViewId = kNoView;
    EXPECT_EQ(BackCmd(0), 1);
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(Title(), u"March 2009");
}

TEST_F(ViewTest, GoingBackRestoresTheStoredBarAndClearsAnUnpinnedSelection) {
    ShowWeekView();
    const HWND weekBar = g_MenuBars.week;
    ShowMonthView();
    ViewId = kViewDay;
    g_Frame.prevViewId = kViewWeek;
    g_Frame.returnBar = weekBar;
    g_CurItem = CurItem{0x40000001, -1, -1, kItemAppt};
    GoBackView();
    EXPECT_EQ(ViewId, kViewWeek);
    EXPECT_EQ(platform::testing::ShownSoftKeyBar(), weekBar);
    EXPECT_EQ(g_CurItem.oid, kNoOid);
    EXPECT_EQ(g_CurItem.kind, kItemNone);

    // A switched-off view to return to: Back stays.
    ViewId = kViewDay;
    g_ViewShown[ShownView::Week] = 0;
    GoBackView();
    EXPECT_EQ(ViewId, kViewDay);
}

// The letter bar, hidden by the detail view, stayed hidden when Back returned to the contacts.
TEST_F(ViewTest, GoingBackToTheContactsShowsTheirListAndLetterBarAsSet) {
    const auto child = [] {
        return CreateWindowExW(0, frametest::kViewTestClass, u"", WS_CHILD, 0, 0, 10, 10, g_Frame.mainWnd, nullptr,
                               nullptr, nullptr);
    };
    g_ViewWnds.contactsList = child();
    g_CtsAbcToolbar = child();
    for (const LONG letterBar : {1, 0}) {
        g_Settings.abcTb = letterBar;
        ShowWindow(g_ViewWnds.contactsList, SW_HIDE);
        ShowWindow(g_CtsAbcToolbar, SW_HIDE);
        ViewId = kViewContactPreview;
        g_Frame.prevViewId = kViewContacts;
        GoBackView();
        EXPECT_EQ(ViewId, kViewContacts);
        EXPECT_TRUE(IsWindowVisible(g_ViewWnds.contactsList));
        EXPECT_EQ(IsWindowVisible(g_CtsAbcToolbar) != FALSE, letterBar != 0) << "letter bar setting " << letterBar;
    }
    // Back to another view hides the bar again.
    g_Settings.abcTb = 1;
    ShowWindow(g_CtsAbcToolbar, SW_SHOW);
    ViewId = kViewDay;
    g_Frame.prevViewId = kViewWeek;
    GoBackView();
    EXPECT_FALSE(IsWindowVisible(g_CtsAbcToolbar));
    EXPECT_FALSE(IsWindowVisible(g_ViewWnds.contactsList));
    g_ViewWnds.contactsList = nullptr;
    g_CtsAbcToolbar = nullptr;
}

TEST_F(ViewTest, BackCommandTellsMainViewsFromDetailViews) {
    struct Case {
        LONG view;
        int result;
    };
    constexpr Case cases[] = {{kViewMonth, 0},       {kViewWeek, 0},          {kViewDates, 0},  {kViewTasks, 0},
                              {kViewContacts, 0},    {kViewNotes, 0},         {kViewWallet, 0}, {kViewYear, 1},
                              {kViewTimelineWeek, 1}, {kViewProjects, 1},     {kViewApptPreview, 1},
                              {kViewTaskPreview, 1}, {kViewCoverScreen, 1}};
    for (const Case& c : cases) {
        ViewId = c.view;
        EXPECT_EQ(BackCmd(0), c.result) << c.view;
    }
}

TEST_F(ViewTest, DigitHotKeysJumpToTheirViews) {
    ViewId = kViewTasks;
    EXPECT_EQ(HotKeyToView('4'), 1);
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(HotKeyToView('5'), 1);
    EXPECT_EQ(ViewId, kViewWeek);
    // The letter key that carries the digit on this keyboard counts as the digit.
    EXPECT_EQ(HotKeyToView('S'), 1);
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(HotKeyToView('1'), 0);
    EXPECT_EQ(HotKeyToView('Q'), 0);
    EXPECT_EQ(ViewId, kViewMonth);
}

TEST_F(ViewTest, NextViewKeyFollowsTheCycleOrOpensTheSpinner) {
    g_Settings.viewMenu3 = kLeftNextView;
    ShowMonthView();
    NextViewCmd();
    EXPECT_EQ(ViewId, kViewWeek);
}

TEST_F(ViewTest, KeysInAListViewOnlyMoveTheFocusToItsList) {
    const HWND list = CreateWindowExW(0, frametest::kViewTestClass, u"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                      g_Frame.mainWnd, nullptr, nullptr, nullptr);
    g_ViewWnds.taskList = list;
    ViewId = kViewTasks;
    EXPECT_EQ(MainKeyDown(VK_DOWN), 1);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(ViewId, kViewTasks);
    g_ViewWnds.taskList = nullptr;
}

}  // namespace
