// The weekday tool bar of the Day view and its go-to-day commands: weekday moves in both week
// orders, the own weekday doing nothing, weeks across month and year ends with the month cache
// following, today, and the bar's placement with DAYTOOLBAR on and off.
#include <gtest/gtest.h>

#include "core/month_cache_edit.h"
#include "platform/testing_dialogs.h"
#include "resources/quorvia_resources.h"
#include "sched_fixture.h"
#include "ui/dialog_conventions.h"

namespace {

using schedtest::SchedTest;

class SchedBar : public SchedTest {
protected:
    void SetUp() override {
        SchedTest::SetUp();
        LoadMonth();
    }
};

TEST_F(SchedBar, CommandsMoveTheSelectedDate) {
    struct Case {
        LONG mondayStart;
        DateRec from;
        UINT command;
        DateRec to;
    };
    const Case cases[] = {
        {0, DateRec(2009, 3, 8), kCmdGoToSat, DateRec(2009, 3, 14)},   // Sunday: Saturday is 6 days on
        {1, DateRec(2009, 3, 8), kCmdGoToSat, DateRec(2009, 3, 7)},    // Monday first: 1 day back
        {1, DateRec(2009, 3, 8), kCmdGoToMon, DateRec(2009, 3, 2)},    // Monday from a Sunday: 6 back
        {1, DateRec(2009, 3, 11), kCmdGoToSun, DateRec(2009, 3, 15)},  // Sunday from a Wednesday: 4 on
        {0, DateRec(2009, 3, 11), kCmdGoToSun, DateRec(2009, 3, 8)},
        {0, DateRec(2009, 12, 31), kCmdNextWeek, DateRec(2010, 1, 7)},
        {0, DateRec(2009, 3, 3), kCmdPrevWeek, DateRec(2009, 2, 24)},
        {0, DateRec(2009, 5, 20), kCmdTodaySched, DateRec(2009, 3, 10)},
    };
    ViewId = kViewDay;
    for (const Case& c : cases) {
        g_Settings.mondayStart = c.mondayStart;
        g_SelectedDate = c.from;
        EXPECT_EQ(SchedBarCommandCmd(c.command), 1);
        EXPECT_EQ(g_SelectedDate.wYear, c.to.wYear) << c.command << " from " << c.from.wDay;
        EXPECT_EQ(g_SelectedDate.wMonth, c.to.wMonth) << c.command << " from " << c.from.wDay;
        EXPECT_EQ(g_SelectedDate.wDay, c.to.wDay) << c.command << " from " << c.from.wDay;
        const int bucket = FindMonthBucket(c.to.wYear, c.to.wMonth);
        ASSERT_GE(bucket, 0) << "the month cache follows the new month";
        EXPECT_EQ(g_ApptCache.curAppts, g_ApptCache.apptLists[bucket].get());
    }
    EXPECT_EQ(SchedBarCommandCmd(kCmdSchedBlank), 1) << "the blank button is the bar's, with no action";
    EXPECT_EQ(SchedBarCommandCmd(kCmdGoToDate + 1), 0);
}

TEST_F(SchedBar, OwnWeekdayAndCancelledGoToDateChangeNothing) {
    ViewId = kViewDay;
    g_SelectedDate = DateRec(2009, 3, 10);  // a Tuesday
    g_CurItem.oid = 77;
    g_CurItem.kind = kItemAppt;
    GoToTueCmd();
    EXPECT_EQ(g_SelectedDate.wDay, 10);
    EXPECT_EQ(g_CurItem.oid, 77) << "no change, no refresh: the selection stays";
    // The date grid opens (its dialog loads once the resources are there) and is cancelled.
    RegisterQuorviaResources();
    bool gridShown = false;
    platform::testing::ActInsideDialog([&gridShown](HWND dialog) {
        gridShown = dialog != nullptr;
        PostMessageW(dialog, WM_COMMAND, kDlgCancel, 0);
    });
    GoToDateCmd();
    EXPECT_TRUE(gridShown);
    EXPECT_EQ(g_SelectedDate.wDay, 10);
    EXPECT_EQ(g_CurItem.oid, 77);
    GoToWedCmd();
    EXPECT_EQ(g_SelectedDate.wDay, 11);
    EXPECT_EQ(g_CurItem.oid, kNoId) << "a new date clears the selection";
}

TEST_F(SchedBar, DayViewListSitsBelowTheBarOnlyWithDayToolbar) {
    for (const LONG on : {1, 0}) {
        g_Settings.dayToolbar = on;
        ShowDayView(1, 1);
        ASSERT_NE(g_ViewWnds.weekdayBar, nullptr) << "the bar exists whatever DAYTOOLBAR says";
        EXPECT_EQ(IsWindowVisible(g_ViewWnds.weekdayBar) != FALSE, on == 1);
        RECT bar{};
        GetWindowRect(g_ViewWnds.weekdayBar, &bar);
        RECT list{};
        GetWindowRect(g_ViewWnds.scheduleList, &list);
        if (on) EXPECT_EQ(list.top, bar.bottom + 1) << "the list starts just below the bar";
        else EXPECT_LT(list.top, bar.bottom + 1) << "the Day view keeps its full height";
        ShowWindow(g_ViewWnds.weekdayBar, SW_HIDE);
    }
}

}  // namespace
