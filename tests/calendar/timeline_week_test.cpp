// The timeline week: block arithmetic of the time bars, the pane per screen, the day columns
// under the stylus, what a column shows, and a screenshot.
#include <gtest/gtest.h>

#include "calendar/calendar_state.h"
#include "calendar/timeline_week.h"
#include "calendar_fixture.h"
#include "core/pim_state.h"
#include "frame/load_thread.h"
#include "frame/menu_bars.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

class TimelineWeekTest : public CalendarTest {};

TEST_F(TimelineWeekTest, BlockSpanAlongTheBar) {
    struct Case {
        const char* name;
        int hour, minute, minutes, first, last, length;
        bool shown;
        int offset, blockLength;
    } cases[] = {
        {"starts before the first hour", 7, 0, 150, 8, 18, 100, true, 1, 10},
        {"ends at 23:59 counts as 24", 23, 50, 9, 0, 24, 240, true, 230, 1},
        {"40 minutes are 0 hours", 10, 0, 40, 0, 24, 240, true, 100, 1},
        {"50 minutes are one hour", 10, 0, 50, 0, 24, 240, true, 100, 10},
        {"after the last hour", 19, 0, 60, 8, 18, 100, false, 0, 0},
        {"before the first hour", 6, 0, 60, 8, 18, 100, false, 0, 0},
    };
    for (const Case& c : cases) {
        const ApptRecord appt = Appt(1, u"x", DateRec(2026, 3, 10, c.hour, c.minute), c.minutes);
        int offset = 0, blockLength = 0;
        EXPECT_EQ(TimelineBlockSpan(appt, c.first, c.last, c.length, offset, blockLength), c.shown) << c.name;
        if (!c.shown) continue;
        EXPECT_EQ(offset, c.offset) << c.name;
        EXPECT_EQ(blockLength, c.blockLength) << c.name;
    }
}

TEST_F(TimelineWeekTest, EmptyHourRangeDoesNotDivideByZero) {
    g_Settings.barStart = 9;
    g_Settings.barEnd = 9;
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 10, 9, 0), 60));
    int offset = 0, blockLength = 0;
    EXPECT_FALSE(TimelineBlockSpan(appts_[0], 9, 9, 100, offset, blockLength));
    Canvas canvas;
    EXPECT_FALSE(DrawWorkHoursBand(canvas.dc(), RECT{0, 0, 20, 100}, false));
    EXPECT_TRUE(DrawTimelineDayBlocks(canvas.dc(), 10, 10, 100, 20, 2026, 3, 10, false));
    EXPECT_EQ(canvas.Pixel(20, 50), 0xFFFFFFu);
}

TEST_F(TimelineWeekTest, PaneByScreen) {
    SetTimelineMetrics();
    EXPECT_EQ(TimelinePaneRect.top, 193);
    EXPECT_EQ(TimelinePaneRect.bottom, 264);
    EXPECT_EQ(TimelinePaneRect.right, 240);
    EXPECT_EQ(TimelineGridRect().bottom, 191);
}

TEST_F(TimelineWeekTest, DayColumnsUnderTheStylus) {
    SetTimelineMetrics();
    const RECT g = TimelineGridRect();
    for (LONG five : {0, 1}) {
        g_Settings.fiveDayWeek = five;
        const int n = five ? 5 : 7;
        const int cw = (g.right - g.left) / n;
        for (int i = 0; i < n; ++i) {
            int year = 0, month = 0, day = 0;
            ASSERT_TRUE(HitTimelineDay(g.left + i * cw + cw / 2, 50, year, month, day));
            EXPECT_EQ(day, 8 + i);
        }
        int year = 0, month = 0, day = 0;
        EXPECT_FALSE(HitTimelineDay(g.left + n * cw + 1, 50, year, month, day));
        EXPECT_FALSE(HitTimelineDay(g.left + 1, g.bottom + 5, year, month, day));
    }
    ASSERT_TRUE(HitTimelineSelDay(g.left + 1, 50));
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 3, 8)));
    EXPECT_TRUE(HitTimelinePane(TimelinePaneRect.left + 1, TimelinePaneRect.top + 1));
    EXPECT_FALSE(HitTimelinePane(TimelinePaneRect.left + 1, TimelinePaneRect.top - 1));
}

TEST_F(TimelineWeekTest, ColumnShowsBlocksOnlyForItemsInRange) {
    g_Settings.barStart = 8;
    g_Settings.barEnd = 18;
    g_Settings.useBarWork = 0;
    appts_.Append(Appt(1, u"Early", DateRec(2026, 3, 9, 6, 0), 60));
    appts_.Append(Appt(2, u"Meeting", DateRec(2026, 3, 10, 8, 0), 300));
    Canvas canvas;
    const int height = 100, width = 20;
    EXPECT_TRUE(DrawTimelineDayBlocks(canvas.dc(), 10, 10, height, width, 2026, 3, 9, false));
    // Nothing in range: no frame, no band, no block.
    for (int y = 10; y < 10 + height; y += 5) EXPECT_EQ(canvas.Pixel(10, y), 0xFFFFFFu) << y;
    EXPECT_TRUE(DrawTimelineDayBlocks(canvas.dc(), 50, 10, height, width, 2026, 3, 10, false));
    // 08:00 for 5 hours: offset 1, half the bar.
    EXPECT_NE(canvas.Pixel(60, 10 + 25), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixel(60, 10 + 80), 0xFFFFFFu);
    g_ApptCache.curAppts = nullptr;
    EXPECT_FALSE(DrawTimelineDayBlocks(canvas.dc(), 50, 10, height, width, 2026, 3, 10, false));
}

TEST_F(TimelineWeekTest, Screenshot) {
    SetTimelineMetrics();
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 10, 9, 0), 90));
    appts_.Append(Appt(2, u"Lunch", DateRec(2026, 3, 11, 12, 0), 60));
    g_TskList.Append(Task(11, u"Report", 2026, 3, 10));
    Canvas canvas;
    PaintTimelineWeek(canvas.dc());
    EXPECT_TRUE(canvas.Save(OutputFile("timeline_week.png")));
}

}  // namespace

namespace {

TEST_F(TimelineWeekTest, ShowWaitsForTheLoadThenSwitches) {
    g_LoadState = {};
    g_Settings.startWeekMon = 1;
    DayPaneScroll = 3;
    ShowTimelineWeek(true);
    EXPECT_EQ(PendingViewCmd, kPendingTimelineWeek);
    EXPECT_EQ(ViewId, kViewWeek);
    EXPECT_EQ(DayPaneScroll, 3);

    PendingViewCmd = kNoPendingCmd;
    g_LoadState.allLoaded = 1;
    g_ViewShown[ShownView::TimelineWeek] = 0;
    ShowTimelineWeek(true);
    EXPECT_EQ(ViewId, kViewWeek);

    g_ViewShown[ShownView::TimelineWeek] = 1;
    ShowTimelineWeek(true);
    EXPECT_EQ(ViewId, kViewTimelineWeek);
    EXPECT_EQ(DayPaneScroll, 0);
    EXPECT_EQ(PendingViewCmd, kNoPendingCmd);
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 9)));  // the Monday of 10 March
    EXPECT_EQ(TimelinePaneRect.top, 193);
    g_LoadState = {};
    g_MenuBars = {};
}

}  // namespace

namespace {

TEST_F(TimelineWeekTest, TodayCarriesTheCurrentHourMark) {
    g_Settings.useBarWork = 0;
    appts_.Append(Appt(1, u"Review", DateRec(2026, 3, 10, 15, 0), 60));
    appts_.Append(Appt(2, u"Review", DateRec(2026, 3, 11, 15, 0), 60));
    Canvas canvas;
    const int x = 10, y = 10, height = 240, width = 20;
    // 10:30 on a 0-24 bar of 240 pixels: the hour alone counts, row 100.
    ASSERT_TRUE(DrawTimelineDayBlocks(canvas.dc(), x, y, height, width, 2026, 3, 10, false));
    EXPECT_NE(canvas.Pixel(x + 2, y + 100), 0xFFFFFFu);
    EXPECT_NE(canvas.Pixel(x + width - 2, y + 100), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixel(x + 4, y + 100), 0xFFFFFFu);
    ASSERT_TRUE(DrawTimelineDayBlocks(canvas.dc(), x + 40, y, height, width, 2026, 3, 11, false));
    EXPECT_EQ(canvas.Pixel(x + 42, y + 100), 0xFFFFFFu);
}

}  // namespace
