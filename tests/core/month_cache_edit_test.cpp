// Editing cached months in place, the day search and the birthday and anniversary marks.
#include "core/month_cache_edit.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/anniv_list.h"
#include "core/month_cache.h"

namespace {

ApptRecord Appt(LONG oid, const DateRec& start) {
    ApptRecord appt;
    appt.oid = oid;
    appt.start = start;
    return appt;
}

class MonthEditTest : public ::testing::Test {
protected:
    void SetUp() override { ClearApptMonthCache(); }
    void TearDown() override {
        ClearApptMonthCache();
        g_AnnivList.RemoveAll();
    }

    // A cached month holding the given appointment and its span; returns its arrays.
    ApptArray* AddMonth(int year, int month) {
        const int at = InsertMonthKey(year, month);
        g_ApptCache.apptLists.InsertAt(at, std::make_shared<ApptArray>());
        g_ApptCache.spanLists.InsertAt(at, std::make_shared<SpanArray>());
        return g_ApptCache.apptLists[at].get();
    }
    SpanArray* Spans(int year, int month) { return g_ApptCache.spanLists[FindMonthBucket(year, month)].get(); }
    ApptArray* Appts(int year, int month) { return g_ApptCache.apptLists[FindMonthBucket(year, month)].get(); }
};

TEST_F(MonthEditTest, RemovalReachesTheNeighbourMonthWhoseWindowHoldsTheDay) {
    struct Case {
        int day;
        int prevLeft, ownLeft, nextLeft;
    } const cases[] = {
        {27, 1, 0, 0},  // last days of a 31-day month: also in the next month's window
        {7, 0, 0, 1},   // first days: also in the previous month's window
        {15, 1, 0, 1},  // mid-month: its own month only
    };
    for (const Case& c : cases) {
        ClearApptMonthCache();
        for (int month : {2, 3, 4}) {
            AddMonth(2009, month)->Append(Appt(42, DateRec(2009, 3, c.day, 9, 0)));
            Spans(2009, month)->Append(TimeSpan{DateRec(2009, 3, c.day, 9, 0), 3000, 42});
        }
        EXPECT_EQ(RemoveApptFromMonthBuckets(42, 2009, 3, c.day, 1), 1) << c.day;
        EXPECT_EQ(Appts(2009, 2)->Size(), c.prevLeft) << c.day;
        EXPECT_EQ(Appts(2009, 3)->Size(), c.ownLeft) << c.day;
        EXPECT_EQ(Appts(2009, 4)->Size(), c.nextLeft) << c.day;
        // The span of a day before the next month's window may have been carried there: it goes too.
        EXPECT_TRUE(Spans(2009, 4)->IsEmpty()) << c.day;
        EXPECT_EQ(Spans(2009, 2)->Size(), c.prevLeft) << c.day;
    }
    // Not cached, or not there: nothing changes.
    EXPECT_EQ(RemoveApptFromMonthBuckets(42, 2010, 3, 15, 1), 0);
    EXPECT_EQ(RemoveApptFromMonthBuckets(99, 2009, 2, 15, 1), 0);
    EXPECT_EQ(Appts(2009, 2)->Size(), 1);
}

TEST_F(MonthEditTest, InsertsGoBeforeAnEqualStart) {
    ApptArray appts;
    EXPECT_EQ(InsertApptSorted(nullptr, Appt(1, DateRec(2009, 3, 5))), 0);
    EXPECT_EQ(InsertApptSorted(&appts, Appt(1, DateRec(2009, 3, 5, 10, 0))), 1);  // into an empty array
    InsertApptSorted(&appts, Appt(2, DateRec(2009, 3, 6, 10, 0)));
    InsertApptSorted(&appts, Appt(3, DateRec(2009, 3, 5, 10, 0)));
    ASSERT_EQ(appts.Size(), 3);
    EXPECT_EQ(appts[0].oid, 3);
    EXPECT_EQ(appts[1].oid, 1);
    EXPECT_EQ(appts[2].oid, 2);

    SpanArray spans;
    InsertSpanSorted(&spans, TimeSpan{DateRec(2009, 3, 5), 3000, 1});
    InsertSpanSorted(&spans, TimeSpan{DateRec(2009, 3, 5), 3000, 2});
    InsertSpanSorted(&spans, TimeSpan{DateRec(2009, 3, 9), 3000, 3});
    EXPECT_EQ(spans[0].oid, 2);
    EXPECT_EQ(spans[2].oid, 3);
    EXPECT_EQ(ReplaceSpanByOid(&spans, TimeSpan{DateRec(2009, 3, 1), 10, 3}), 1);
    EXPECT_EQ(spans[2].minutes, 10);
    EXPECT_EQ(ReplaceSpanByOid(&spans, TimeSpan{DateRec(2009, 3, 1), 10, 9}), 0);
    EXPECT_EQ(RemoveSpanByOid(&spans, 9), 0);
    EXPECT_EQ(RemoveSpanByOid(&spans, 2), 1);
    EXPECT_EQ(spans.Size(), 2);
}

TEST_F(MonthEditTest, FirstOnDateHalvesOnlyLargeArrays) {
    ApptArray small;
    for (int day = 1; day <= 11; ++day) small.Append(Appt(day, DateRec(2009, 3, day, 9, 0)));
    g_ApptCache.curAppts = &small;
    EXPECT_EQ(FindFirstOnDate(DateRec(2009, 3, 11)), 0);

    ApptArray large;
    for (int day = 1; day <= 28; ++day)
        for (int hour : {9, 12}) large.Append(Appt(day, DateRec(2009, 3, day, hour, 0)));
    g_ApptCache.curAppts = &large;
    for (int day : {3, 14, 20, 27}) {
        const int start = FindFirstOnDate(DateRec(2009, 3, day));
        ASSERT_LT(start, large.Size());
        EXPECT_LE(start, 2 * (day - 1)) << day;  // never past the day's first record
        EXPECT_GE(start, 2 * (day - 1) - 12) << day;
    }
    g_ApptCache.curAppts = nullptr;
    EXPECT_EQ(FindFirstOnDate(DateRec(2009, 3, 5)), 0);
}

// The shown month is large; the edited one is another, small month. A start index taken from the
// shown month would land past the edited month's records.
TEST_F(MonthEditTest, EditsOfAnotherMonthStartFromThatMonthsOwnRecords) {
    ApptArray* march = AddMonth(2009, 3);
    for (int day = 1; day <= 31; ++day) march->Append(Appt(100 + day, DateRec(2009, 3, day, 9, 0)));
    g_ApptCache.curAppts = march;
    ApptArray* april = AddMonth(2009, 4);
    april->Append(Appt(1, DateRec(2009, 4, 1, 9, 0)));
    april->Append(Appt(2, DateRec(2009, 4, 20, 9, 0)));

    InsertApptSorted(april, Appt(3, DateRec(2009, 4, 10, 9, 0)));
    ASSERT_EQ(april->Size(), 3);
    EXPECT_EQ((*april)[1].oid, 3);

    ApptRecord moved = Appt(1, DateRec(2009, 4, 1, 9, 0));
    moved.subject = u"changed";
    EXPECT_EQ(ReplaceApptByOid(april, moved), 1);
    EXPECT_EQ((*april)[0].subject, u"changed");
    EXPECT_EQ(ReplaceApptByOid(april, Appt(77, DateRec(2009, 4, 1))), 0);
}

TEST_F(MonthEditTest, DayMarksOfBirthdaysAndAnniversaries) {
    // An empty list, and a day with no entry in a list of other days, have no mark.
    EXPECT_EQ(GetDayMarkKind(DateRec(2009, 5, 10)), kDayMarkNone);
    const struct {
        int month, day;
        LONG kind, oid;
    } entries[] = {{3, 5, kAnnivBirthday, 1}, {3, 5, kAnnivAnniversary, 2}, {4, 1, kAnnivBirthday, 3},
                   {6, 9, kAnnivAnniversary, 4}, {12, 31, kAnnivBirthday, 5}};
    for (const auto& e : entries) {
        AnnivEntry entry;
        entry.date = DateRec(1970, e.month, e.day);
        entry.kind = e.kind;
        entry.contactOid = e.oid;
        AnnivArrAddSorted(g_AnnivList, entry);
    }
    const struct {
        DateRec date;
        LONG mark;
    } cases[] = {
        {DateRec(2009, 3, 5), kDayMarkBoth},         {DateRec(2009, 4, 1), kDayMarkBirthday},
        {DateRec(2009, 6, 9), kDayMarkAnniversary},  {DateRec(2009, 5, 10), kDayMarkNone},
        {DateRec(2009, 1, 1), kDayMarkNone},         {DateRec(2009, 12, 31), kDayMarkBirthday},
    };
    for (const auto& c : cases) EXPECT_EQ(GetDayMarkKind(c.date), c.mark) << c.date.wMonth << "/" << c.date.wDay;
    EXPECT_EQ(FindRecordByTwoKeys(2, kAnnivAnniversary), 1);
    EXPECT_EQ(FindRecordByTwoKeys(2, kAnnivBirthday), -1);
}

}  // namespace
