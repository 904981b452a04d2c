// Date navigation: day, week and month steps across month and year ends with the month cache
// following, the week span of the week views, the today key and the day pane's scroll offset.
#include <gtest/gtest.h>

#include "calendar/calendar_nav.h"
#include "calendar/month_view.h"
#include "calendar_fixture.h"
#include "core/month_cache_edit.h"

namespace {

using caltest::CalendarTest;

class DateNavTest : public CalendarTest {
protected:
    DateNavTest() { ClearApptMonthCache(); }
    ~DateNavTest() override {
        ClearApptMonthCache();
        DropMonthGridCache();
    }
    static void Select(int year, int month, int day) { g_SelectedDate = DateRec(year, month, day); }
    static void ExpectSelected(int year, int month, int day, const char* what) {
        EXPECT_EQ(g_SelectedDate.wYear, year) << what;
        EXPECT_EQ(g_SelectedDate.wMonth, month) << what;
        EXPECT_EQ(g_SelectedDate.wDay, day) << what;
    }
    static void Step(void (*step)(LONG&, LONG&, LONG&, int)) {
        // The key handler's way: copies of the words, with redraw.
        LONG year = g_SelectedDate.wYear, month = g_SelectedDate.wMonth, day = g_SelectedDate.wDay;
        step(year, month, day, 1);
    }
};

TEST_F(DateNavTest, StepsAcrossMonthAndYearEnds) {
    struct Case {
        const char* name;
        void (*step)(LONG&, LONG&, LONG&, int);
        DateRec from;
        DateRec to;
    } cases[] = {
        {"28 Feb 2100 is followed by the 29th", DateStepFwd, DateRec(2100, 2, 28), DateRec(2100, 2, 29)},
        {"31 Dec forward is New Year", DateStepFwd, DateRec(2026, 12, 31), DateRec(2027, 1, 1)},
        {"1 Jan back is New Year's Eve", DateStepBack, DateRec(2027, 1, 1), DateRec(2026, 12, 31)},
        {"1 March back in a leap year", DateStepBack, DateRec(2028, 3, 1), DateRec(2028, 2, 29)},
        {"a week forward over the year end", DateNextWeek, DateRec(2026, 12, 28), DateRec(2027, 1, 4)},
        {"a week back over a month end", DatePrevWeek, DateRec(2026, 3, 3), DateRec(2026, 2, 24)},
    };
    for (const Case& c : cases) {
        g_SelectedDate = c.from;
        Step(c.step);
        ExpectSelected(c.to.wYear, c.to.wMonth, c.to.wDay, c.name);
        EXPECT_GE(FindMonthBucket(c.to.wYear, c.to.wMonth), c.from.wMonth == c.to.wMonth ? -1 : 0)
            << c.name << ": the new month is loaded";
    }
}

TEST_F(DateNavTest, MonthStepsGoToDayOneAndWrapTheYear) {
    Select(2026, 12, 15);
    LONG year = 2026, month = 12, day = 15;
    DateNextMonth(year, month, day);
    ExpectSelected(2027, 1, 1, "next");
    DatePrevMonth(year, month, day);
    DatePrevMonth(year, month, day);
    ExpectSelected(2026, 11, 1, "previous twice");
    EXPECT_GE(FindMonthBucket(2026, 11), 0);
}

TEST_F(DateNavTest, WithoutRedrawOnlyTheWordsMove) {
    LONG year = 2026, month = 1, day = 31;
    DateStepFwd(year, month, day, 0);
    EXPECT_EQ(month, 2);
    EXPECT_EQ(day, 1);
    ExpectSelected(2026, 3, 10, "the selected date stays");
}

TEST_F(DateNavTest, DayStepsClearTheCurrentItemAndTheScroll) {
    g_CurItem.oid = 42;
    g_CurItem.kind = kItemAppt;
    DayPaneScroll = 3;
    DateNextDay();
    ExpectSelected(2026, 3, 11, "next day");
    EXPECT_EQ(g_CurItem.oid, kNoId);
    EXPECT_EQ(DayPaneScroll, 0);
    DatePrevDay();
    ExpectSelected(2026, 3, 10, "back");
}

TEST_F(DateNavTest, WeekSpanMovesAndFollowsTheSelection) {
    g_Settings.fiveDayWeek = 1;
    WeekViewStart = DateRec(2026, 3, 2);
    Select(2026, 3, 4);
    WeekViewNextWeek();
    ExpectSelected(2026, 3, 7, "five days on from a Monday is a Saturday");
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 7)));

    g_Settings.fiveDayWeek = 0;
    WeekViewStart = DateRec(2026, 3, 8);
    Select(2026, 3, 14);  // the span's last day
    WeekViewNextDay();
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 15)));
    ExpectSelected(2026, 3, 15, "the new span's first day");
    WeekViewPrevDay();
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 8)));
    ExpectSelected(2026, 3, 14, "the previous span's last day");
    WeekViewPrevDay();
    ExpectSelected(2026, 3, 13, "within the span");
}

TEST_F(DateNavTest, WeekSpanBackIntoTheSpansMonthReloadsIt) {
    WeekViewStart = DateRec(2026, 4, 27);
    Select(2026, 5, 1);
    ReLoadApptPOOM(2026, 5, 0);
    WeekViewPrevWeek();
    ExpectSelected(2026, 4, 20, "a week back");
    const int april = FindMonthBucket(2026, 4);
    ASSERT_GE(april, 0);
    EXPECT_EQ(g_ApptCache.curAppts, g_ApptCache.apptLists[april].get()) << "April's appointments are shown";
}

TEST_F(DateNavTest, TodayKeyMovesASpanThatEndsTheDayBefore) {
    ViewId = kViewWeek;
    WeekViewStart = DateRec(2026, 3, 3);
    Select(2026, 3, 5);
    EXPECT_EQ(JumpToTodayOnKey('2'), 1);
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 10))) << "today, seven days on, was not shown";
}

TEST_F(DateNavTest, TodayKey) {
    Select(2026, 3, 20);
    EXPECT_EQ(JumpToTodayOnKey('5'), 0);
    ExpectSelected(2026, 3, 20, "another key");
    EXPECT_EQ(JumpToTodayOnKey('2'), 1);
    ExpectSelected(2026, 3, 10, "today");
    EXPECT_EQ(FindMonthBucket(2026, 3), -1) << "the same month is not reloaded";

    Select(2025, 11, 2);
    ViewId = kViewWeek;
    WeekViewStart = DateRec(2025, 11, 2);
    EXPECT_EQ(JumpToTodayOnKey('2'), 1);
    ExpectSelected(2026, 3, 10, "today from another year");
    EXPECT_GE(FindMonthBucket(2026, 3), 0);
    EXPECT_TRUE(DateSameDay(WeekViewStart, DateRec(2026, 3, 10))) << "the span follows today";
    EXPECT_EQ(JumpToTodayOnKey('2'), 1) << "already today: only a refresh";
}

TEST_F(DateNavTest, PaneScrollKeys) {
    ViewId = kViewMonth;
    g_Settings.splitMonth = 0;
    DayPaneScroll = 2;
    ScrollDayPaneOnKey('1');
    EXPECT_EQ(DayPaneScroll, 2) << "no pane without the split";
    g_Settings.splitMonth = 1;
    ScrollDayPaneOnKey('1');
    EXPECT_EQ(DayPaneScroll, 1);
    ScrollDayPaneOnKey('3');
    EXPECT_EQ(DayPaneScroll, 1) << "nothing more below in an empty day";
}

}  // namespace
