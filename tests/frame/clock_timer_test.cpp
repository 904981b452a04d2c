// The clock timer on the frozen clock: midnight releases the back buffers and repaints only the
// calendar views; with the clock in the title each new minute renews it; the period follows the
// settings and the spinner.
#include <gtest/gtest.h>

#include "platform/testing.h"
#include "view_fixture.h"

namespace {

using frametest::ViewTest;

void StartMarkers() {
    g_Main.todayDay = frametest::TestNow().wDay;
    g_Main.todayMinute = frametest::TestNow().wMinute;
}


TEST_F(ViewTest, MidnightReleasesBuffersAndRepaintsOnlyCalendarViews) {
    struct Case {
        LONG view;
        bool repaints;
    };
    constexpr Case cases[] = {{kViewTasks, false}, {kViewContacts, false}, {kViewMonth, true}, {kViewYear, true}};
    g_Settings.clockTitle = 0;
    for (const Case& c : cases) {
        platform::testing::FreezeClock(frametest::TestNow());
        StartMarkers();
        ViewId = c.view;
        platform::testing::PumpUntilIdle();
        frametest::g_MainPaints = 0;
        platform::testing::AdvanceClock(10 * 60 * 60 * 1000);  // 00:05 the next day
        OnMinuteTimer(g_Frame.mainWnd);
        EXPECT_EQ(g_Main.todayDay, 12) << c.view;
        EXPECT_EQ(frametest::g_MainPaints, c.repaints ? 1 : 0) << c.view;
    }
}

TEST_F(ViewTest, NewMinuteRenewsTheTitleOnlyWithTheClockOn) {
    UseScreen(320, 240);
    g_Settings.hours24 = 1;
    ShowMonthView();
    EXPECT_EQ(Title(), u"March 2009 [14:05]");
    StartMarkers();
    platform::testing::AdvanceClock(60 * 1000);
    OnMinuteTimer(g_Frame.mainWnd);
    EXPECT_EQ(Title(), u"March 2009 [14:06]");
    EXPECT_EQ(g_Main.todayMinute, 6);

    g_Settings.clockTitle = 0;
    platform::testing::AdvanceClock(60 * 1000);
    OnMinuteTimer(g_Frame.mainWnd);
    EXPECT_EQ(g_Main.todayMinute, 6);
    EXPECT_EQ(Title(), u"March 2009 [14:06]");
}

TEST_F(ViewTest, ClockTimerTicksBySecondsOnlyForTheClockOrTheSpinner) {
    int ticks = 0;
    struct Case {
        LONG clock;
        LONG view;
        int ticksInTenSeconds;
    };
    constexpr Case cases[] = {{1, kViewTasks, 10}, {0, kViewSpinner, 10}, {0, kViewTasks, 0}};
    for (const Case& c : cases) {
        g_Settings.clockTitle = c.clock;
        ViewId = c.view;
        RestartClockTimer();
        ticks = 0;
        for (int i = 0; i < 10; ++i) {
            platform::testing::AdvanceClock(1000);
            MSG msg{};
            while (PeekMessageW(&msg, g_Frame.mainWnd, WM_TIMER, WM_TIMER, PM_REMOVE))
                if (msg.wParam == kClockTimerId) ++ticks;
        }
        EXPECT_EQ(ticks, c.ticksInTenSeconds) << c.clock << " " << c.view;
    }
    KillTimer(g_Frame.mainWnd, kClockTimerId);
}

}  // namespace
