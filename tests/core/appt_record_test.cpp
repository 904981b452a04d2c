// Appointment records: the day tests of timed, all-day and multi-day appointments, time spans,
// copying, categories and the text search.
#include <gtest/gtest.h>

#include "core/appt_record.h"

namespace {

ApptRecord Appt(DateRec start, LONG minutes, LONG allDay = 0) {
    ApptRecord appt;
    appt.start = start;
    appt.duration = minutes;
    appt.allDay = allDay;
    return appt;
}

struct Day {
    int year, month, day;
};

struct DayCase {
    Day day;
    bool covers;
    int pos;
    bool endsOn;
};

void ExpectDays(const ApptRecord& appt, std::initializer_list<DayCase> cases) {
    for (const DayCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day.year << "-" << c.day.month << "-" << c.day.day);
        EXPECT_EQ(ApptCoversDay(appt, c.day.year, c.day.month, c.day.day), c.covers);
        EXPECT_EQ(ApptDayPos(appt, c.day.year, c.day.month, c.day.day), c.pos);
        EXPECT_EQ(ApptEndsOn(appt, c.day.year, c.day.month, c.day.day), c.endsOn);
    }
}

TEST(ApptRecord, ConstructionDefaults) {
    const ApptRecord appt;
    EXPECT_EQ(appt.busyStatus, 2);
    EXPECT_EQ(appt.icon, -1);
    EXPECT_EQ(appt.oid, -1);
    EXPECT_EQ(appt.colour, 0xFFFFFFu);
    EXPECT_EQ(appt.start.wYear, 0);
    EXPECT_EQ(appt.categories.GrowStep(), 64);

    ApptRecord changed = Appt(DateRec(2009, 3, 5), 30);
    changed.subject = u"Kept";
    changed.busyStatus = 0;
    changed.oid = 7;
    ApptRecDefaults(changed);
    EXPECT_EQ(changed.busyStatus, 2);
    EXPECT_EQ(changed.oid, -1);
    EXPECT_EQ(changed.duration, 0);
    EXPECT_EQ(changed.subject, u"Kept");
}

TEST(ApptRecord, TimedAppointmentOverMidnightEndsOnTheNextDay) {
    const ApptRecord appt = Appt(DateRec(2009, 3, 5, 22, 0, 0), 120);
    EXPECT_TRUE(ApptSpansDays(appt));
    ExpectDays(appt, {
                         {{2009, 3, 4}, false, -1, false},
                         {{2009, 3, 5}, true, 0, false},
                         {{2009, 3, 6}, true, 2, true},
                         {{2009, 3, 7}, false, -1, false},
                     });
}

TEST(ApptRecord, AllDayAppointmentsEndTheDayBefore) {
    const ApptRecord oneDay = Appt(DateRec(2009, 3, 5), 1440, 1);
    EXPECT_FALSE(ApptSpansDays(oneDay));
    ExpectDays(oneDay, {
                           {{2009, 3, 5}, true, -1, true},
                           {{2009, 3, 6}, false, -1, false},
                       });

    const ApptRecord twoDays = Appt(DateRec(2009, 3, 5), 2880, -1);  // POOM's true
    EXPECT_TRUE(ApptSpansDays(twoDays));
    ExpectDays(twoDays, {
                            {{2009, 3, 5}, true, 0, false},
                            {{2009, 3, 6}, true, 1, true},
                            {{2009, 3, 7}, true, 2, false},
                            {{2009, 3, 8}, false, -1, false},
                        });
}

TEST(ApptRecord, MultiDayAppointmentCoversTheDaysBetween) {
    const ApptRecord appt = Appt(DateRec(2009, 2, 27, 9, 0, 0), 4 * 1440);  // over the month end
    ExpectDays(appt, {
                         {{2009, 2, 28}, true, 1, false},
                         {{2009, 3, 1}, true, 1, false},
                         {{2009, 3, 3}, true, 2, true},
                     });
}

TEST(ApptRecord, StartsOnAndAfterDay) {
    const ApptRecord appt = Appt(DateRec(2009, 3, 5, 10, 0, 0), 60);
    EXPECT_TRUE(ApptStartsOn(appt, 2009, 3, 5));
    EXPECT_FALSE(ApptStartsAfterDay(appt, 2009, 3, 5));
    EXPECT_TRUE(ApptStartsAfterDay(appt, 2009, 3, 4));
    EXPECT_TRUE(ApptStartsAfterDay(appt, 2008, 12, 31));
    EXPECT_FALSE(ApptStartsAfterDay(appt, 2010, 1, 1));
}

TEST(ApptRecord, TimeSpansHaveNoAllDayCorrection) {
    TimeSpan span;
    span.start = DateRec(2009, 3, 5);
    span.minutes = 1440;
    EXPECT_TRUE(SpanSpansDays(span));  // ends at midnight of the next day
    EXPECT_TRUE(SpanCoversDay(span, 2009, 3, 6));
    EXPECT_FALSE(SpanCoversDay(span, 2009, 3, 7));
    span.minutes = 60;
    EXPECT_FALSE(SpanSpansDays(span));
    EXPECT_TRUE(SpanStartsOn(span, 2009, 3, 5));
    DateRec end = GetSpanEnd(span);
    EXPECT_EQ(end.wHour, 1);
}

TEST(ApptRecord, CopiesAreDeepAndRecomputeTheWeekday) {
    ApptRecord appt = Appt(DateRec(2009, 3, 5), 30);
    appt.start.wDayOfWeek = 0;  // a stale weekday
    appt.start.wMilliseconds = 500;
    appt.categories.Append(u"Work");
    ApptRecord copy = appt;
    EXPECT_EQ(copy.start.wDayOfWeek, 4);
    EXPECT_EQ(copy.start.wMilliseconds, 0);
    copy.categories.Append(u"Home");
    EXPECT_EQ(appt.categories.Size(), 1);
    ApptRecord assigned;
    assigned.categories.Append(u"Old");
    assigned = appt;
    EXPECT_EQ(JoinApptCats(assigned), u"Work");
}

TEST(ApptRecord, CategoriesAndSearch) {
    ApptRecord appt;
    EXPECT_EQ(JoinApptCats(appt), u"");
    appt.categories.Append(u"Work");
    appt.categories.Append(u"Prj:Garden");
    EXPECT_EQ(JoinApptCats(appt), u"Work,Prj:Garden");
    EXPECT_TRUE(ApptHasCat(appt, u"wORK"));
    EXPECT_FALSE(ApptHasCat(appt, u"Wor"));

    appt.subject = u"Dentist";
    appt.location = u"Main Street";
    appt.notes = u"Bring the CARD";
    EXPECT_TRUE(ApptMatchText(appt, u""));
    EXPECT_TRUE(ApptMatchText(appt, u"DENT"));
    EXPECT_TRUE(ApptMatchText(appt, u"street"));
    EXPECT_TRUE(ApptMatchText(appt, u"card"));
    EXPECT_FALSE(ApptMatchText(appt, u"Work"));  // categories are not searched
}

}  // namespace
