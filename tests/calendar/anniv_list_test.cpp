// The anniversary list: sorted insertion by month and day, the scan start of the search and the
// age text of the rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/anniv_list.h"
#include "core/iso_week.h"

namespace {

AnnivEntry Entry(const char16_t* name, int year, int month, int day, LONG kind = kAnnivBirthday) {
    AnnivEntry entry;
    entry.name = name;
    entry.date = DateRec(year, month, day);
    entry.kind = kind;
    return entry;
}

std::u16string Names(const AnnivArray& list) {
    std::u16string names;
    for (const AnnivEntry& e : list) names += e.name + u" ";
    return names;
}

TEST(AnnivList, AddSortedKeepsArrivalOrderWithinADay) {
    AnnivArray list;
    AnnivArrAddSorted(list, Entry(u"Ann", 1970, 3, 3));
    AnnivArrAddSorted(list, Entry(u"Bob", 1980, 1, 1));
    AnnivArrAddSorted(list, Entry(u"Cy", 1960, 3, 3));
    AnnivArrAddSorted(list, Entry(u"Di", 1990, 2, 2));
    EXPECT_EQ(Names(list), u"Bob Di Ann Cy ");
}

// A load appends every entry and puts them in order once: the order one sorted insert each gives,
// also beside entries the list held before.
TEST(AnnivList, EntriesSortedAfterAppendingLieAsInsertedOneByOne) {
    const std::vector<AnnivEntry> held = {Entry(u"Eve", 1950, 3, 3), Entry(u"Flo", 1951, 12, 31)};
    const std::vector<AnnivEntry> coming = {Entry(u"Ann", 1970, 3, 3), Entry(u"Bob", 1980, 1, 1),
                                            Entry(u"Cy", 1960, 3, 3),  Entry(u"Di", 1990, 12, 31),
                                            Entry(u"Ed", 1991, 2, 29), Entry(u"Fay", 1992, 1, 1)};
    AnnivArray oneByOne, appended;
    for (const AnnivEntry& e : held) {
        AnnivArrAddSorted(oneByOne, e);
        AnnivArrAddSorted(appended, e);
    }
    for (const AnnivEntry& e : coming) AnnivArrAddSorted(oneByOne, e);
    for (const AnnivEntry& e : coming) appended.Append(e);
    AnnivArrSortAppended(appended, static_cast<int>(held.size()));
    EXPECT_EQ(Names(appended), Names(oneByOne));
    EXPECT_EQ(Names(appended), u"Bob Fay Ed Eve Ann Cy Flo Di ");
}

TEST(AnnivList, BirthdayAndAnniversaryOfOneContactOnOneDay) {
    AnnivArray list;
    AnnivArrAddSorted(list, Entry(u"Ann", 1970, 6, 1, kAnnivBirthday));
    AnnivArrAddSorted(list, Entry(u"Ann", 1995, 6, 1, kAnnivAnniversary));
    ASSERT_EQ(list.Size(), 2);
    EXPECT_EQ(list[0].kind, kAnnivBirthday);
    EXPECT_EQ(list[1].kind, kAnnivAnniversary);
}

// A scan from the lower bound finds exactly the entries of a day, in a list long enough to halve.
TEST(AnnivList, SearchStartsAtOrBeforeTheDay) {
    AnnivArray list;
    EXPECT_EQ(AnnivLowerBound(list, 5, 5), 0);
    for (int month = 1; month <= 12; ++month) {
        for (int day : {1, 10, 20}) {
            if (month == 2 && day == 20) continue;
            AnnivArrAddSorted(list, Entry(u"x", 1970, month, day));
        }
    }
    AnnivArrAddSorted(list, Entry(u"y", 1971, 7, 10));
    struct Case {
        int month, day, found;
    };
    constexpr Case cases[] = {{1, 1, 1}, {7, 10, 2}, {12, 20, 1}, {2, 29, 0}, {2, 20, 0}, {12, 31, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day);
        const int start = AnnivLowerBound(list, c.month, c.day);
        for (int i = 0; i < start; ++i) {
            const WORD m = list[i].date.wMonth;
            EXPECT_TRUE(m < c.month || (m == c.month && list[i].date.wDay < c.day));
        }
        int found = 0;
        for (int i = start; i < list.Size(); ++i) found += AnnivIsOn(list[i], c.month, c.day) ? 1 : 0;
        EXPECT_EQ(found, c.found);
    }
    EXPECT_EQ(AnnivFindByDate(list, DateRec(2009, 7, 10)), AnnivLowerBound(list, 7, 10));
}

TEST(AnnivList, EntryOutsideTheListIsEmpty) {
    AnnivArray list;
    AnnivArrAddSorted(list, Entry(u"Ann", 1970, 3, 3));
    EXPECT_EQ(GetAnnivEntryAt(list, 0).name, u"Ann");
    for (int index : {-1, 1}) {
        const AnnivEntry empty = GetAnnivEntryAt(list, index);
        EXPECT_TRUE(empty.name.empty());
        EXPECT_EQ(empty.kind, kAnnivBirthday);
        EXPECT_EQ(empty.contactOid, -1);
    }
    EXPECT_EQ(list.RemoveAt(1), -1);
    EXPECT_EQ(list.InsertAt(2, Entry(u"x", 1, 1, 1)), -1);
}

TEST(AnnivList, AgeText) {
    const AnnivEntry ann = Entry(u"Ann Lee", 2009, 3, 3);
    EXPECT_EQ(FormatAnnivAgeText(ann, 2009), u"Ann Lee (0 yrs)");
    EXPECT_EQ(FormatAnnivAgeText(ann, 2010), u"Ann Lee (1 yr)");
    EXPECT_EQ(FormatAnnivAgeText(ann, 2049), u"Ann Lee (40 yrs)");
}

TEST(IsoWeek, WeeksAroundTheTurnOfTheYear) {
    struct Case {
        int year, month, day, week;
    };
    constexpr Case cases[] = {
        {2009, 1, 1, 1},   {2008, 12, 29, 1}, {2010, 1, 3, 53},  {2010, 1, 4, 1},  {2009, 3, 5, 10},
        {2025, 12, 29, 1}, {2027, 1, 1, 53},  {2021, 1, 3, 53},  {2015, 12, 31, 53}, {2012, 12, 31, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoWeekNumber(c.year, c.month, c.day), c.week) << c.year << "-" << c.month << "-" << c.day;
    }
}

}  // namespace
