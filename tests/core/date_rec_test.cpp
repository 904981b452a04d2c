// The date record: weekday rule, month lengths with the no-century leap rule, field and span steps,
// comparisons and the calendar operations the views and the week numbers use.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/month_cache.h"

namespace {

struct Ymd {
    int year, month, day;
};

void ExpectDay(const DateRec& d, Ymd want) {
    EXPECT_EQ(d.wYear, want.year);
    EXPECT_EQ(d.wMonth, want.month);
    EXPECT_EQ(d.wDay, want.day);
}

TEST(DateRec, LaysOutAsSystemTime) {
    DateRec d(2009, 3, 17, 8, 30, 15);
    const SYSTEMTIME* st = &d;  // passed unchanged wherever the platform takes one
    EXPECT_EQ(st->wYear, 2009);
    EXPECT_EQ(st->wDayOfWeek, 2);
    EXPECT_EQ(st->wSecond, 15);
    EXPECT_EQ(static_cast<const void*>(st), static_cast<const void*>(&d));
}

TEST(DateRec, WeekdayFollowsGregorianRule) {
    struct Case {
        Ymd date;
        int weekday;
    };
    constexpr Case cases[] = {
        {{2009, 1, 1}, 4}, {{2000, 1, 1}, 6}, {{2009, 3, 17}, 2}, {{1900, 3, 1}, 4},
        {{2100, 3, 1}, 1}, {{2024, 2, 29}, 4}, {{1970, 1, 1}, 4}, {{4501, 1, 1}, 6},
    };
    for (const Case& c : cases) {
        const DateRec d(c.date.year, c.date.month, c.date.day);
        EXPECT_EQ(d.wDayOfWeek, c.weekday) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

TEST(DateRec, ConstructionAndAssignmentRecomputeWeekdayAndZeroMilliseconds) {
    SYSTEMTIME raw{2009, 1, 0, 1, 10, 0, 0, 999};  // weekday 0 and milliseconds are wrong
    DateRec assigned;
    DateAssignByVal(assigned, raw);
    EXPECT_EQ(assigned.wDayOfWeek, 4);
    EXPECT_EQ(assigned.wMilliseconds, 0);

    DateRec copied;
    DateCopy(DateRec(raw), copied);
    copied.wMilliseconds = 7;
    copied.wDayOfWeek = 0;
    DateRec target;
    DateCopy(copied, target);  // copies as it is
    EXPECT_EQ(target.wDayOfWeek, 0);
    EXPECT_EQ(target.wMilliseconds, 7);
    target = target;  // assignment to itself recomputes
    EXPECT_EQ(target.wDayOfWeek, 4);
    EXPECT_EQ(target.wMilliseconds, 0);

    DateClear(target);
    EXPECT_EQ(std::memcmp(&target, "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", sizeof target), 0);
}

TEST(DateRec, SetDateOnlyTimeKeepsDateAndWeekday) {
    DateRec d(2009, 3, 17, 14, 45, 30);
    d.wDayOfWeek = 6;
    SetDateOnlyTime(d);
    ExpectDay(d, {2009, 3, 17});
    EXPECT_EQ(d.wHour, 1);
    EXPECT_EQ(d.wMinute, 0);
    EXPECT_EQ(d.wSecond, 0);
    EXPECT_EQ(d.wDayOfWeek, 6);
}

TEST(DateRec, DaysInMonthCountsEveryFourthYearAsLeap) {
    struct Case {
        int year, month, days;
    };
    constexpr Case cases[] = {
        {2009, 1, 31}, {2009, 4, 30}, {2009, 6, 30}, {2009, 9, 30}, {2009, 11, 30}, {2009, 12, 31},
        {2009, 2, 28}, {2008, 2, 29}, {2000, 2, 29}, {2100, 2, 29}, {1900, 2, 29}, {2009, 13, 31},
        {2009, 0, 31},
    };
    for (const Case& c : cases) {
        DateRec d;
        d.wYear = static_cast<WORD>(c.year);
        d.wMonth = static_cast<WORD>(c.month);
        EXPECT_EQ(DaysInMonth(d), c.days) << c.year << "-" << c.month;
    }
    EXPECT_EQ(MaxDaysInMonth(2), 29);
    EXPECT_EQ(MaxDaysInMonth(4), 30);
    EXPECT_EQ(MaxDaysInMonth(12), 31);
    EXPECT_EQ(MaxDaysInMonth(0), 31);
}

TEST(DateRec, DayStepsCarryAcrossMonthsAndYears) {
    struct Case {
        Ymd from;
        int days;  // positive: DateAddDays, negative: DateSubDays
        Ymd to;
    };
    constexpr Case cases[] = {
        {{2009, 3, 31}, 1, {2009, 4, 1}},   {{2008, 2, 28}, 1, {2008, 2, 29}},
        {{2100, 2, 28}, 1, {2100, 2, 29}},  {{2009, 2, 28}, 1, {2009, 3, 1}},
        {{2009, 12, 31}, 1, {2010, 1, 1}},  {{2009, 1, 31}, 400, {2010, 3, 7}},
        {{2009, 1, 1}, -1, {2008, 12, 31}}, {{2009, 3, 10}, -40, {2009, 1, 29}},
        {{2100, 3, 1}, -1, {2100, 2, 29}},  {{2009, 3, 1}, -1, {2009, 2, 28}},
        {{2010, 3, 7}, -400, {2009, 1, 31}}, {{2009, 5, 20}, -19, {2009, 5, 1}},
    };
    for (const Case& c : cases) {
        DateRec d(c.from.year, c.from.month, c.from.day, 9, 15, 0);
        if (c.days >= 0)
            DateAddDays(d, c.days);
        else
            DateSubDays(d, -c.days);
        ExpectDay(d, c.to);
        EXPECT_EQ(d.wHour, 9);
        EXPECT_EQ(d.wMinute, 15);
    }
}

TEST(DateRec, MinuteStepsCarryAcrossHoursAndDays) {
    struct Case {
        Ymd from;
        int hour, minute, step;  // step > 0 adds, < 0 subtracts
        Ymd to;
        int toHour, toMinute;
    };
    constexpr Case cases[] = {
        {{2009, 3, 31}, 23, 50, 20, {2009, 4, 1}, 0, 10},
        {{2009, 4, 1}, 0, 10, -20, {2009, 3, 31}, 23, 50},
        {{2009, 12, 31}, 23, 0, 61, {2010, 1, 1}, 0, 1},
        {{2010, 1, 1}, 0, 0, -1, {2009, 12, 31}, 23, 59},
        {{2009, 6, 1}, 10, 0, 60 * 24 * 3, {2009, 6, 4}, 10, 0},
        {{2009, 6, 4}, 10, 0, -60 * 24 * 3, {2009, 6, 1}, 10, 0},
        {{2009, 6, 1}, 10, 30, -30, {2009, 6, 1}, 10, 0},
        {{2009, 6, 1}, 10, 30, -31, {2009, 6, 1}, 9, 59},
        // Past 45 days the 16-bit minute field wrapped: 100 days from 1 June ended on 10 June.
        {{2009, 6, 1}, 10, 0, 60 * 24 * 100, {2009, 9, 9}, 10, 0},
        {{2026, 12, 10}, 10, 0, 60 * 24 * 9999 + 59, {2054, 4, 26}, 10, 59},
    };
    for (const Case& c : cases) {
        DateRec d(c.from.year, c.from.month, c.from.day, c.hour, c.minute, 0);
        if (c.step >= 0)
            DateAddMinutes(d, c.step);
        else
            DateSubMinutes(d, -c.step);
        ExpectDay(d, c.to);
        EXPECT_EQ(d.wHour, c.toHour);
        EXPECT_EQ(d.wMinute, c.toMinute);
    }
}

TEST(DateRec, FieldStepsKeepOldWeekdaySpanStepsRecomputeIt) {
    DateRec fieldStep(2009, 1, 1);  // Thursday
    DateAddDays(fieldStep, 1);
    EXPECT_EQ(fieldStep.wDayOfWeek, 4);
    DateAddMinutes(fieldStep, 24 * 60);
    EXPECT_EQ(fieldStep.wDay, 3);
    EXPECT_EQ(fieldStep.wDayOfWeek, 4);

    DateRec spanStep(2009, 1, 1);
    DateAddSpan(spanStep, kOneDaySpan);
    EXPECT_EQ(spanStep.wDay, 2);
    EXPECT_EQ(spanStep.wDayOfWeek, 5);
    DateSubSpan(spanStep, DateSpan{2, 0, 0, 0});
    ExpectDay(spanStep, {2008, 12, 31});
    EXPECT_EQ(spanStep.wDayOfWeek, 3);
}

TEST(DateRec, SpanStepsCarryEveryField) {
    DateRec d(2009, 12, 31, 22, 59, 50);
    DateAddSpan(d, DateSpan{1, 1, 0, 15});  // 2010-01-01 23:59:50, then +15 s
    ExpectDay(d, {2010, 1, 2});
    EXPECT_EQ(d.wHour, 0);
    EXPECT_EQ(d.wMinute, 0);
    EXPECT_EQ(d.wSecond, 5);
    EXPECT_EQ(d.wDayOfWeek, 6);

    DateSubSpan(d, DateSpan{1, 1, 0, 15});
    ExpectDay(d, {2009, 12, 31});
    EXPECT_EQ(d.wHour, 22);
    EXPECT_EQ(d.wMinute, 59);
    EXPECT_EQ(d.wSecond, 50);

    DateRec hours(2009, 3, 1, 5, 0, 0);
    DateSubSpan(hours, DateSpan{0, 53, 0, 0});  // two days and five hours back
    ExpectDay(hours, {2009, 2, 27});
    EXPECT_EQ(hours.wHour, 0);
    DateAddSpan(hours, DateSpan{0, 0, 90, 0});
    EXPECT_EQ(hours.wHour, 1);
    EXPECT_EQ(hours.wMinute, 30);
}

TEST(DateRec, ComparisonsIgnoreMillisecondsAndWeekday) {
    DateRec a(2009, 3, 17, 10, 0, 0);
    DateRec b;
    DateCopy(a, b);
    b.wMilliseconds = 500;
    b.wDayOfWeek = 0;
    EXPECT_TRUE(DateEqual(a, b));
    EXPECT_FALSE(DateNotEqual(a, b));
    EXPECT_FALSE(DateIsBefore(a, b));
    EXPECT_FALSE(DateIsBefore(b, a));
    EXPECT_FALSE(DateIsAfter(a, b));
    EXPECT_FALSE(DateGreater(b, a));

    struct Case {
        DateRec earlier, later;
    };
    const Case cases[] = {
        {DateRec(2008, 12, 31, 23, 59, 59), DateRec(2009, 1, 1)},
        {DateRec(2009, 2, 28, 23, 0, 0), DateRec(2009, 3, 1, 0, 0, 0)},
        {DateRec(2009, 3, 1, 9, 59, 0), DateRec(2009, 3, 1, 10, 0, 0)},
        {DateRec(2009, 3, 1, 10, 0, 58), DateRec(2009, 3, 1, 10, 0, 59)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(DateIsBefore(c.earlier, c.later));
        EXPECT_FALSE(DateIsBefore(c.later, c.earlier));
        EXPECT_TRUE(DateIsAfter(c.later, c.earlier));
        EXPECT_TRUE(DateGreater(c.later, c.earlier));
        EXPECT_TRUE(DateNotEqual(c.earlier, c.later));
    }
    EXPECT_TRUE(DateSameDay(DateRec(2009, 3, 1, 1, 0, 0), DateRec(2009, 3, 1, 23, 0, 0)));
    EXPECT_FALSE(DateSameDay(DateRec(2009, 3, 1), DateRec(2009, 3, 2)));
    EXPECT_TRUE(DateSameMonth(DateRec(2009, 3, 1), DateRec(2009, 3, 31)));
    EXPECT_FALSE(DateSameMonth(DateRec(2009, 3, 1), DateRec(2010, 3, 1)));
    EXPECT_TRUE(DateLaterThan(a, 2009, 3, 17, 9, 59, 59));
    EXPECT_FALSE(DateLaterThan(a, 2009, 3, 17, 10, 0, 0));
}

TEST(DateRec, MonthNeighbours) {
    int y = 0, m = 0;
    NextMonth(2009, 12, y, m);
    EXPECT_EQ(y, 2010);
    EXPECT_EQ(m, 1);
    NextMonth(2009, 5, y, m);
    EXPECT_EQ(m, 6);
    PrevMonth(2009, 1, y, m);
    EXPECT_EQ(y, 2008);
    EXPECT_EQ(m, 12);
    PrevMonth(2009, 5, y, m);
    EXPECT_EQ(y, 2009);
    EXPECT_EQ(m, 4);
}

TEST(DateRec, WeekStarts) {
    struct Case {
        Ymd selected;
        int startWeekMon;
        Ymd start;
    };
    constexpr Case cases[] = {
        {{2009, 3, 17}, 1, {2009, 3, 16}}, {{2009, 3, 16}, 1, {2009, 3, 16}},
        {{2009, 3, 1}, 1, {2009, 2, 23}},  {{2009, 1, 1}, 2, {2008, 12, 28}},
        {{2009, 3, 15}, 2, {2009, 3, 15}}, {{2009, 3, 17}, 0, {2009, 3, 17}},
        {{2009, 3, 17}, 3, {2009, 3, 17}},
    };
    for (const Case& c : cases) {
        DateRec start(2000, 1, 1, 12, 0, 0);
        GetWeekStartDate(c.selected.year, c.selected.month, c.selected.day, c.startWeekMon, start);
        ExpectDay(start, c.start);
        EXPECT_EQ(start.wHour, 0);
        EXPECT_EQ(start.wDayOfWeek, WeekdayOf(c.start.year, c.start.month, c.start.day));
    }
    DateRec monday;
    WeekStartMonday(2009, 3, 22, monday);
    ExpectDay(monday, {2009, 3, 16});
    DateRec sunday;
    WeekStartSunday(2009, 3, 21, sunday);
    ExpectDay(sunday, {2009, 3, 15});
}

// The week views start from the selected date's week, by the setting in force when asked.
TEST(DateRec, WeekStartFollowsTheSelectedDateAndTheSetting) {
    const DateRec savedSelected = g_SelectedDate;
    const LONG savedSetting = g_Settings.startWeekMon;
    g_SelectedDate = DateRec(2009, 3, 18, 15, 30, 0);
    for (const auto& [setting, day] : {std::pair{1, 16}, std::pair{2, 15}, std::pair{0, 18}}) {
        g_Settings.startWeekMon = setting;
        DateRec weekStart(2000, 1, 1, 12, 0, 0);
        GetWeekStartDate(weekStart);
        EXPECT_TRUE(DateEqual(weekStart, DateRec(2009, 3, day))) << setting;
    }
    g_SelectedDate = savedSelected;
    g_Settings.startWeekMon = savedSetting;
}

TEST(DateRec, FirstThursdayAndDayCounts) {
    struct Case {
        int year;
        Ymd thursday;
    };
    constexpr Case cases[] = {{2009, {2009, 1, 1}}, {2010, {2010, 1, 7}}, {2016, {2016, 1, 7}}, {2015, {2015, 1, 1}}};
    for (const Case& c : cases) {
        DateRec d;
        GetFirstThursday(d, c.year);
        ExpectDay(d, c.thursday);
        EXPECT_EQ(d.wDayOfWeek, 4);
        EXPECT_EQ(d.wHour, 0);
    }

    DateRec a(2009, 3, 10, 8, 0, 0);
    const DateRec b(2009, 3, 17, 8, 0, 0);
    EXPECT_EQ(CountDaysTo(a, b), 7);
    EXPECT_TRUE(DateEqual(a, b));
    EXPECT_EQ(CountDaysTo(a, b), 0);

    DateRec yearStart(2008, 1, 1);
    EXPECT_EQ(CountDaysTo(yearStart, DateRec(2009, 1, 1)), 366);
}

TEST(DateRec, CountDaysToEndsWhenTheStartIsLaterOrTheTimesDiffer) {
    DateRec later(2009, 3, 17, 8, 0, 0);
    EXPECT_EQ(CountDaysTo(later, DateRec(2009, 3, 10, 8, 0, 0)), -7);

    DateRec offTime(2009, 3, 10, 9, 0, 0);
    EXPECT_EQ(CountDaysTo(offTime, DateRec(2009, 3, 12, 8, 0, 0)), 2);
    ExpectDay(offTime, {2009, 3, 12});
}

TEST(DateRec, WeekdayOrdinalInMonth) {
    struct Case {
        Ymd date;
        int weekday;  // as passed, not necessarily the date's own
        int ordinal;
    };
    constexpr Case cases[] = {
        {{2009, 3, 17}, 2, 3}, {{2009, 3, 3}, 2, 1},  {{2009, 3, 31}, 2, 5},
        {{2009, 3, 1}, 0, 1},  {{2009, 3, 6}, 5, 1},  {{2009, 3, 5}, 5, 0},
        {{2009, 3, 0}, 2, 0},
    };
    for (const Case& c : cases) {
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(c.date.year);
        st.wMonth = static_cast<WORD>(c.date.month);
        st.wDay = static_cast<WORD>(c.date.day);
        st.wDayOfWeek = static_cast<WORD>(c.weekday);
        EXPECT_EQ(WeekdayOrdinalInMonth(st), c.ordinal) << c.date.day;
    }
}

}  // namespace
