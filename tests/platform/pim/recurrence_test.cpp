// Expansion of recurrence patterns over month and year ends, leap days, counts and end dates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim_test_support.h"

namespace {

using platform::pim::ItemData;
using platform::pim::ItemKind;
using pimtest::Ole;

std::string Text(DATE d) {
    const auto t = platform::pim::FromOleDate(d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return buf;
}

struct PatternCase {
    const char* name;
    DATE start;
    LONG type;
    LONG interval;
    LONG mask;      // 0: the default from the start
    LONG instance;  // 0: the default
    LONG occurrences;
    DATE endDate;  // 0: none
    DATE from, to;
    std::vector<std::string> expected;
};

ItemData Series(const PatternCase& c) {
    ItemData item;
    item.kind = ItemKind::Appointment;
    item.oid = 0x40000001;
    item.SetDate(PIMPR_START, c.start);
    item.SetInt(PIMPR_DURATION, 240);
    platform::pim::ApplyPatternDefaults(item.recurrence, c.type, c.start);
    item.recurrence.interval = c.interval;
    if (c.mask) item.recurrence.dayOfWeekMask = c.mask;
    if (c.instance) item.recurrence.instance = c.instance;
    if (c.occurrences) {
        item.recurrence.noEndDate = false;
        item.recurrence.occurrences = c.occurrences;
    }
    if (c.endDate != 0) {
        item.recurrence.noEndDate = false;
        item.recurrence.patternEnd = c.endDate;
    }
    return item;
}

TEST(Recurrence, ExpandsEachKindOfPattern) {
    const PatternCase cases[] = {
        {"daily over the year end, late evening", Ole(2008, 12, 30, 22), olRecursDaily, 1, 0, 0, 0, 0,
         Ole(2008, 12, 31), Ole(2009, 1, 3),
         {"2008-12-31 22:00", "2009-01-01 22:00", "2009-01-02 22:00"}},
        {"every third day, far from its start", Ole(2000, 1, 1, 9), olRecursDaily, 3, 0, 0, 0, 0, Ole(2009, 3, 1),
         Ole(2009, 3, 8), {"2009-03-02 09:00", "2009-03-05 09:00"}},
        {"every other week on Mon Wed Fri", Ole(2009, 3, 2, 8), olRecursWeekly, 2, olMonday | olWednesday | olFriday, 0,
         0, 0, Ole(2009, 3, 1), Ole(2009, 4, 1),
         {"2009-03-02 08:00", "2009-03-04 08:00", "2009-03-06 08:00", "2009-03-16 08:00", "2009-03-18 08:00",
          "2009-03-20 08:00", "2009-03-30 08:00"}},
        {"the 31st falls on each month's last day", Ole(2009, 1, 31, 12), olRecursMonthly, 1, 0, 0, 0, 0,
         Ole(2009, 1, 1), Ole(2009, 5, 1),
         {"2009-01-31 12:00", "2009-02-28 12:00", "2009-03-31 12:00", "2009-04-30 12:00"}},
        {"last Tuesday of the month", Ole(2009, 3, 31, 10), olRecursMonthNth, 1, olTuesday, 5, 0, 0, Ole(2009, 3, 1),
         Ole(2009, 6, 1), {"2009-03-31 10:00", "2009-04-28 10:00", "2009-05-26 10:00"}},
        {"second Monday every third month", Ole(2009, 1, 12, 7), olRecursMonthNth, 3, olMonday, 2, 0, 0,
         Ole(2009, 1, 1), Ole(2010, 1, 1),
         {"2009-01-12 07:00", "2009-04-13 07:00", "2009-07-13 07:00", "2009-10-12 07:00"}},
        {"29 February in other years", Ole(2008, 2, 29, 0), olRecursYearly, 1, 0, 0, 0, 0, Ole(2008, 1, 1),
         Ole(2012, 12, 31), {"2008-02-29 00:00", "2009-02-28 00:00", "2010-02-28 00:00", "2011-02-28 00:00",
                             "2012-02-29 00:00"}},
        {"fourth Thursday of November", Ole(2008, 11, 27, 15), olRecursYearNth, 1, olThursday, 4, 0, 0,
         Ole(2008, 1, 1), Ole(2010, 12, 31), {"2008-11-27 15:00", "2009-11-26 15:00", "2010-11-25 15:00"}},
        {"ends after three", Ole(2009, 3, 30, 9), olRecursDaily, 1, 0, 0, 3, 0, Ole(2009, 1, 1), Ole(2010, 1, 1),
         {"2009-03-30 09:00", "2009-03-31 09:00", "2009-04-01 09:00"}},
        {"ends on a day, that day included", Ole(2009, 3, 4, 9), olRecursWeekly, 1, 0, 0, 0, Ole(2009, 3, 18),
         Ole(2009, 1, 1), Ole(2010, 1, 1), {"2009-03-04 09:00", "2009-03-11 09:00", "2009-03-18 09:00"}},
    };
    for (const PatternCase& c : cases) {
        const ItemData series = Series(c);
        std::vector<std::string> got;
        for (const auto& o : platform::pim::SeriesOccurrences(series, c.from, c.to)) got.push_back(Text(o.start));
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(Recurrence, OccurrenceOnDayFollowsChangesAndDeletions) {
    PatternCase c{"", Ole(2009, 3, 2, 22), olRecursDaily, 1, 0, 0, 0, 0, 0, 0, {}};
    ItemData series = Series(c);
    const std::int64_t day3 = platform::pim::OleDay(Ole(2009, 3, 3));
    const std::int64_t day4 = platform::pim::OleDay(Ole(2009, 3, 4));
    platform::pim::ExceptionData moved;
    moved.originalDay = day3;
    moved.start = Ole(2009, 3, 5, 6);
    moved.duration = 30;
    platform::pim::ExceptionData gone;
    gone.originalDay = day4;
    gone.deleted = true;
    series.exceptions = {moved, gone};

    const auto on2 = platform::pim::OccurrenceOnDay(series, platform::pim::OleDay(Ole(2009, 3, 2)));
    ASSERT_TRUE(on2);
    EXPECT_EQ(Text(on2->start), "2009-03-02 22:00");
    EXPECT_FALSE(platform::pim::OccurrenceOnDay(series, day3)) << "moved away";
    EXPECT_FALSE(platform::pim::OccurrenceOnDay(series, day4)) << "deleted";
    const auto on5 = platform::pim::OccurrenceOnDay(series, platform::pim::OleDay(Ole(2009, 3, 5)));
    ASSERT_TRUE(on5);
    EXPECT_EQ(Text(on5->start), "2009-03-05 06:00") << "the moved one comes first that day";
    EXPECT_EQ(on5->originalDay, day3);
    EXPECT_FALSE(platform::pim::OccurrenceOnDay(series, platform::pim::OleDay(Ole(2009, 3, 1)))) << "before the start";
}

TEST(Recurrence, NextDayAndShortestGap) {
    PatternCase weekly{"", Ole(2009, 3, 2, 8), olRecursWeekly, 1, olMonday | olThursday, 0, 0, 0, 0, 0, {}};
    const ItemData s = Series(weekly);
    EXPECT_EQ(*platform::pim::NextPatternDay(s.recurrence, platform::pim::OleDay(Ole(2009, 3, 2))),
              platform::pim::OleDay(Ole(2009, 3, 5)));
    EXPECT_EQ(*platform::pim::ShortestGapMinutes(s.recurrence), 3 * 1440);
    PatternCase counted{"", Ole(2009, 3, 2, 8), olRecursDaily, 1, 0, 0, 2, 0, 0, 0, {}};
    const ItemData c = Series(counted);
    EXPECT_FALSE(platform::pim::NextPatternDay(c.recurrence, platform::pim::OleDay(Ole(2009, 3, 3))))
        << "the count is used up";
}

}  // namespace
