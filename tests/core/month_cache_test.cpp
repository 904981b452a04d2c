// The month cache: windows, spans and the midnight rule, keys, filling months from the store,
// serving cached months without a query, neighbours, the regional probe and the all-appointment lists.
#include "core/month_cache.h"

#include <gtest/gtest.h>

#include "core/month_cache_edit.h"
#include "frame/regional_probe.h"
#include "loading_fixture.h"

namespace {

using loadtest::NewAppt;

constexpr const char16_t* kLog = u"\\Program Files\\Quorvia\\quorvialog.txt";

TEST(MonthWindowTest, ReachesBackFiveDaysBeforeTheEndAndUpToTheSeventh) {
    struct Case {
        int year, month;
        DateRec start, end;
    } const cases[] = {
        {2009, 3, DateRec(2009, 2, 23), DateRec(2009, 4, 7)},
        {2008, 3, DateRec(2008, 2, 24), DateRec(2008, 4, 7)},    // February of a leap year
        {2100, 3, DateRec(2100, 2, 24), DateRec(2100, 4, 7)},    // every fourth year, no century rule
        {2009, 1, DateRec(2008, 12, 26), DateRec(2009, 2, 7)},   // back across the year end
        {2008, 12, DateRec(2008, 11, 25), DateRec(2009, 1, 7)},  // on across the year end
        {2009, 5, DateRec(2009, 4, 25), DateRec(2009, 6, 7)},    // after a 30-day month
    };
    for (const Case& c : cases) {
        DateRec start, end;
        MonthWindow(c.year, c.month, start, end);
        EXPECT_TRUE(DateEqual(start, c.start)) << c.year << "-" << c.month;
        EXPECT_TRUE(DateEqual(end, c.end)) << c.year << "-" << c.month;
    }
}

TEST(MultiDaySpanTest, MidnightEndIsShortenedOnlyWithTheRule) {
    struct Case {
        DateRec start;
        LONG minutes;
        MidnightRule rule;
        bool spans;
        LONG length;
    } const cases[] = {
        {DateRec(2009, 3, 5, 22, 0), 120, MidnightRule::Keep, true, 120},      // 22:00 to midnight
        {DateRec(2009, 3, 5, 22, 0), 120, MidnightRule::Shorten, false, 0},
        {DateRec(2009, 3, 1, 10, 0), 2280, MidnightRule::Shorten, true, 2279},  // 10:00 on the 1st to 00:00 on the 3rd
        {DateRec(2009, 3, 1, 10, 0), 2280, MidnightRule::Keep, true, 2280},
        {DateRec(2009, 3, 5, 22, 0), 121, MidnightRule::Shorten, true, 121},    // past midnight
        {DateRec(2009, 3, 5, 9, 0), 60, MidnightRule::Keep, false, 0},
    };
    for (const Case& c : cases) {
        TimeSpan span;
        EXPECT_EQ(MakeMultiDaySpan(c.start, c.minutes, 7, c.rule, span), c.spans) << c.minutes;
        if (c.spans) {
            EXPECT_EQ(span.minutes, c.length);
            EXPECT_EQ(span.oid, 7);
        }
    }
}

TEST(MonthKeyTest, KeysGoInYearThenMonthOrder) {
    ClearApptMonthCache();
    EXPECT_EQ(InsertMonthKey(2009, 3), 0);
    EXPECT_EQ(InsertMonthKey(2008, 12), 0);
    EXPECT_EQ(InsertMonthKey(2009, 1), 1);
    ASSERT_EQ(g_ApptCache.keys.Size(), 3);
    const MonthKey expected[] = {{12, 2008}, {1, 2009}, {3, 2009}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g_ApptCache.keys[i].month, expected[i].month);
        EXPECT_EQ(g_ApptCache.keys[i].year, expected[i].year);
    }
    ClearApptMonthCache();
}

class MonthCacheTest : public loadtest::LoadingTest {
protected:
    void Show(int year, int month) { g_SelectedDate = DateRec(year, month, 15); }
    std::vector<std::u16string> Subjects() const {
        std::vector<std::u16string> subjects;
        for (const ApptRecord& appt : *g_ApptCache.curAppts) subjects.push_back(appt.subject);
        return subjects;
    }
};

TEST_F(MonthCacheTest, WindowEdgesAcrossLeapFebruaryAndTheYearEnd) {
    AddAppt({u"before March 2008", DateRec(2008, 2, 23, 23, 59), 0});
    AddAppt({u"first of March 2008", DateRec(2008, 2, 24, 0, 0), 30});
    AddAppt({u"last of March 2008", DateRec(2008, 4, 6, 23, 59), 0});
    AddAppt({u"after March 2008", DateRec(2008, 4, 7, 0, 0), 30});
    AddAppt({u"before January 2009", DateRec(2008, 12, 25, 23, 59), 0});
    AddAppt({u"first of January 2009", DateRec(2008, 12, 26, 0, 0), 30});
    AddAppt({u"last of January 2009", DateRec(2009, 2, 6, 23, 59), 0});
    AddAppt({u"after January 2009", DateRec(2009, 2, 7, 0, 0), 30});
    ReLoadApptPOOM(2008, 3, 0);
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"first of March 2008", u"last of March 2008"}));
    ReLoadApptPOOM(2009, 1, 0);
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"first of January 2009", u"last of January 2009"}));
}

TEST_F(MonthCacheTest, MonthHoldsLightRecordsOneForEachOccurrence) {
    const LONG weekly = AddWeeklyAppt({u"Standup", DateRec(2009, 3, 2, 9, 0), 15, u"Work"}, 3);
    const LONG single = AddAppt({u"Dentist", DateRec(2009, 3, 4, 14, 0), 45});
    Show(2009, 3);
    LoadApptsForMonth(0, 1);
    EXPECT_EQ(g_ApptCache.loaded, 1);
    ASSERT_EQ(g_ApptCache.curAppts->Size(), 4);
    const ApptArray& appts = *g_ApptCache.curAppts;
    EXPECT_EQ(appts[0].oid, weekly);
    EXPECT_EQ(appts[1].oid, single);
    EXPECT_EQ(appts[2].oid, weekly);
    EXPECT_EQ(appts[3].oid, weekly);
    EXPECT_TRUE(DateEqual(appts[3].start, DateRec(2009, 3, 16, 9, 0)));
    EXPECT_EQ(appts[1].light, 1);
    EXPECT_EQ(appts[1].duration, 45);
    EXPECT_EQ(appts[1].allDay, 0);
    EXPECT_TRUE(appts[1].location.empty());
    EXPECT_EQ(JoinApptCats(appts[0]), u"Work");
}

TEST_F(MonthCacheTest, VisitedMonthIsServedWithoutAStoreQuery) {
    device_.WriteFile(kLog, "");
    AddAppt({u"March", DateRec(2009, 3, 10, 9, 0), 30});
    AddAppt({u"April", DateRec(2009, 4, 20, 9, 0), 30});
    Show(2009, 3);
    LoadApptsForMonth(0, 0);
    ApptArray* march = g_ApptCache.curAppts;
    Show(2009, 4);
    LoadApptsForMonth(0, 0);
    // Every store query from here on fails: only a cached month can still show its appointments.
    platform::testing::FailPimCall("IPOutlookApp::GetDefaultFolder", E_FAIL, 1000);
    platform::testing::FailPimCall("IPOutlookItemCollection::Restrict", E_FAIL, 1000);
    Show(2009, 3);
    LoadApptsForMonth(0, 0);
    EXPECT_EQ(g_ApptCache.curAppts, march);
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"March"}));
    // A change notification resets the cache: the month is asked for again, and the failure shows.
    LoadApptsForMonth(1, 0);
    EXPECT_TRUE(g_ApptCache.curAppts->IsEmpty());
    EXPECT_EQ(g_ApptCache.keys.Size(), 2);  // the shown month and, by CACHELAST, the one before
    const std::string log = device_.ReadFile(kLog);
    EXPECT_NE(log.find("GetCurrentAppt: Default Folder Error"), std::string::npos);
    EXPECT_NE(log.find("ReLoadApptPOOM: pItemCollection == NULL"), std::string::npos);
}

TEST_F(MonthCacheTest, SplitMonthLoadsThreeMonthsShownOneLast) {
    AddAppt({u"February", DateRec(2009, 2, 10, 9, 0), 30});
    AddAppt({u"March", DateRec(2009, 3, 10, 9, 0), 30});
    AddAppt({u"April", DateRec(2009, 4, 10, 9, 0), 30});
    g_Settings.nextMonthPrev = 1;
    g_Settings.splitMonth = 1;
    g_Settings.cacheLast = 1;
    Show(2009, 3);
    LoadApptsForMonth(1, 0);
    ASSERT_EQ(g_ApptCache.keys.Size(), 3);
    EXPECT_EQ(g_ApptCache.keys[0].month, 2);
    EXPECT_EQ(g_ApptCache.keys[2].month, 4);
    EXPECT_EQ(g_ApptCache.curAppts, g_ApptCache.apptLists[1].get());
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"March"}));
    // Switching the split month on later finds the next month cached and keeps the shown one current.
    ReLoadNextMonthAppts();
    EXPECT_EQ(g_ApptCache.curAppts, g_ApptCache.apptLists[1].get());
    EXPECT_EQ(g_ApptCache.curSpans, g_ApptCache.spanLists[1].get());
}

TEST_F(MonthCacheTest, MidnightRuleDependsOnTheSystemVersion) {
    struct Case {
        DWORD osMajor;
        int spans;
    } const cases[] = {{3, 1}, {4, 0}, {5, 0}};
    for (const Case& c : cases) {
        SetOsMajor(c.osMajor);
        if (c.osMajor == 3) AddAppt({u"Late", DateRec(2009, 3, 5, 22, 0), 120});
        ReLoadApptPOOM(2009, 3, 1);
        EXPECT_EQ(g_ApptCache.curSpans->Size(), c.spans) << "version " << c.osMajor;
        EXPECT_EQ(g_ApptCache.curAppts->Size(), 1);
    }
}

TEST_F(MonthCacheTest, SpansOfThePreviousMonthAreCarriedOver) {
    const LONG trip = AddAppt({u"Trip", DateRec(2009, 2, 20, 10, 0), 12 * 24 * 60});
    ReLoadApptPOOM(2009, 2, 0);
    ASSERT_EQ(g_ApptCache.curSpans->Size(), 1);
    ReLoadApptPOOM(2009, 3, 0);
    // Carried from February, then read again from March's own window, which reaches back to the 23rd.
    ASSERT_EQ(g_ApptCache.curSpans->Size(), 1);
    EXPECT_EQ((*g_ApptCache.curSpans)[0].oid, trip);
    EXPECT_TRUE(g_ApptCache.curAppts->IsEmpty());
}

// February 25 lies in March's window: March's own query gives the span, so it is not carried too.
TEST_F(MonthCacheTest, SpanStartingInsideTheNextWindowIsNotCarriedTwice) {
    const LONG week = AddAppt({u"Week away", DateRec(2009, 2, 25, 10, 0), 8 * 24 * 60});
    ReLoadApptPOOM(2009, 2, 0);
    ReLoadApptPOOM(2009, 3, 0);
    ASSERT_EQ(g_ApptCache.curSpans->Size(), 1);
    EXPECT_EQ((*g_ApptCache.curSpans)[0].oid, week);
}

// A trip from 20 March is no part of April's window, yet its span was carried into April's spans.
TEST_F(MonthCacheTest, RemovedApptLeavesNoSpanCarriedIntoTheNextMonth) {
    const LONG trip = AddAppt({u"Trip", DateRec(2009, 3, 20, 10, 0), 14 * 24 * 60});
    ReLoadApptPOOM(2009, 3, 0);
    ReLoadApptPOOM(2009, 4, 0);
    ASSERT_EQ(g_ApptCache.curSpans->Size(), 1);
    EXPECT_EQ(RemoveApptFromMonthBuckets(trip, 2009, 3, 20, 1), 1);
    EXPECT_TRUE(g_ApptCache.curSpans->IsEmpty());
    ReLoadApptPOOM(2009, 3, 0);
    EXPECT_TRUE(g_ApptCache.curAppts->IsEmpty());
    EXPECT_TRUE(g_ApptCache.curSpans->IsEmpty());
}

// The split month reads April before March, when March's spans are not there to carry yet.
TEST_F(MonthCacheTest, SplitMonthsNextMonthGetsTheSpanRunningIntoIt) {
    const LONG trip = AddAppt({u"Trip", DateRec(2009, 3, 10, 10, 0), 30 * 24 * 60});
    g_Settings.nextMonthPrev = 1;
    g_Settings.splitMonth = 1;
    Show(2009, 3);
    LoadApptsForMonth(1, 0);
    const SpanArray& april = *g_ApptCache.spanLists[FindMonthBucket(2009, 4)];
    ASSERT_EQ(april.Size(), 1);
    EXPECT_EQ(april[0].oid, trip);
    // Reading March again carries nothing twice.
    ReLoadApptPOOM(2009, 3, 1);
    EXPECT_EQ(april.Size(), 1);
}

TEST_F(MonthCacheTest, OpenByOidSelectsTheStartDate) {
    const LONG oid = AddAppt({u"Far", DateRec(2011, 7, 9, 8, 0), 30});
    Show(2009, 3);
    OpenApptMonthByOid(oid);
    EXPECT_EQ(g_SelectedDate.wYear, 2011);
    EXPECT_EQ(g_SelectedDate.wMonth, 7);
    EXPECT_EQ(g_SelectedDate.wDay, 9);
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"Far"}));
    OpenApptMonthByOid(oid + 12345);  // no such appointment: nothing changes
    EXPECT_EQ(g_SelectedDate.wYear, 2011);
}

TEST_F(MonthCacheTest, AllAppointmentsAndMultiDaySpans) {
    AddAppt({u"One", DateRec(2009, 3, 5, 9, 0), 30});
    const LONG late = AddAppt({u"Late", DateRec(2009, 3, 5, 22, 0), 120});
    const LONG long_ = AddAppt({u"Long", DateRec(2010, 1, 1, 10, 0), 2280});
    ReloadAllAppts();
    EXPECT_EQ(g_ApptCache.curAppts, &g_AllApptsArray);
    EXPECT_EQ(g_ApptCache.curSpans, &g_MultiDaySpans);
    EXPECT_EQ(g_AllApptsArray.Size(), 3);
    ASSERT_EQ(g_MultiDaySpans.Size(), 1);
    EXPECT_EQ(g_MultiDaySpans[0].oid, long_);
    EXPECT_EQ(g_MultiDaySpans[0].minutes, 2279);
    (void)late;
}

TEST_F(MonthCacheTest, RegionalProbeSwitchesToTheFixedDateText) {
    AddAppt({u"March", DateRec(2009, 3, 10, 9, 0), 30});
    platform::DeviceProfile profile = platform::Profile();
    profile.shortDate = u"MMMM d, yyyy";  // a date text the store's query cannot read
    device_.SetProfile(profile);
    Show(2009, 3);
    LoadApptsForMonth(1, 0);
    EXPECT_TRUE(g_ApptCache.curAppts->IsEmpty());
    ProbeRegionalDate();
    EXPECT_EQ(g_Settings.regional, 1);
    EXPECT_EQ(g_Settings.initRegion, 0);
    EXPECT_EQ(Subjects(), (std::vector<std::u16string>{u"March"}));
    g_Settings.regional = 0;  // the probe runs once only
    ProbeRegionalDate();
    EXPECT_EQ(g_Settings.regional, 0);
}

TEST_F(MonthCacheTest, RegionalProbeOnAnEmptyStoreKeepsTheLocaleText) {
    Show(2009, 3);
    LoadApptsForMonth(1, 0);
    ProbeRegionalDate();
    EXPECT_EQ(g_Settings.regional, 0);
    EXPECT_EQ(g_Settings.initRegion, 0);
}

}  // namespace
