// Value snapshots: capture, change test and commit of each kind, the choice steps, ranges,
// assignment of choices, and OK versus Cancel over a set of rows.
#include <gtest/gtest.h>

#include <string>

#include "core/val_snap.h"

namespace {

TEST(ValSnap, NewSnapshotState) {
    const ValSnap snap;
    EXPECT_EQ(snap.kind, -1);
    EXPECT_EQ(snap.secondValue, -1);
    EXPECT_EQ(snap.indexValue, -1);
    EXPECT_EQ(snap.rowOption, 2);
    EXPECT_EQ(snap.dateValue.wYear, kNoDateYear);
    EXPECT_EQ(snap.dateValue.wMonth, 0);
    EXPECT_EQ(snap.dateValue.wDay, 0);
    EXPECT_EQ(snap.choices.GrowStep(), 64);
}

TEST(ValSnap, RangeRowStepsAndCommitsThroughItsOffset) {
    LONG live = 15;
    ValSnap snap;
    ValSnapSetRange(snap, 10, 20);
    ValSnapSet(snap, u"Hours", kSnapRange, &live, nullptr);
    ASSERT_EQ(snap.choices.Size(), 11);
    EXPECT_EQ(snap.choices[0], u"10");
    EXPECT_EQ(snap.choices[10], u"20");
    EXPECT_EQ(snap.indexValue, 5);
    EXPECT_FALSE(ValSnapChanged(snap));
    for (int i = 0; i < 3; ++i) ValSnapListNext(snap);
    EXPECT_EQ(snap.indexValue, 8);
    EXPECT_TRUE(ValSnapChanged(snap));
    ValSnapCommit(snap);
    EXPECT_EQ(live, 18);
    EXPECT_FALSE(ValSnapChanged(snap));
}

// A stored 0 under a range of 2 to 60 gave the index -2 and a blank choice.
TEST(ValSnap, AStoredValueOutsideTheRangeShowsTheNearestChoice) {
    const std::pair<LONG, LONG> cases[] = {{0, 0}, {-7, 0}, {61, 58}, {30, 28}};
    for (const auto& [stored, index] : cases) {
        LONG live = stored;
        ValSnap snap;
        ValSnapSetRange(snap, 2, 60);
        ValSnapSet(snap, u"Timeout After (min)", kSnapRange, &live, nullptr);
        EXPECT_EQ(snap.indexValue, index) << stored;
        // Showing the nearest choice is no change: OK keeps what is stored until the row is moved.
        EXPECT_FALSE(ValSnapChanged(snap)) << stored;
        ValSnapArray rows;
        rows.Append(snap);
        CommitChangedSnaps(rows);
        EXPECT_EQ(live, stored);
        ValSnapListNext(rows[0]);
        CommitChangedSnaps(rows);
        EXPECT_EQ(live, 2 + (index + 1) % 59) << stored;
    }
}

TEST(ValSnap, StepsWrapAndLockedRowsStay) {
    ValSnap snap;
    snap.choiceCount = 3;
    snap.indexValue = 2;
    ValSnapNext(snap);
    EXPECT_EQ(snap.indexValue, 0);
    ValSnapPrev(snap);
    EXPECT_EQ(snap.indexValue, 2);
    snap.locked = 1;
    ValSnapNext(snap);
    ValSnapListPrev(snap);
    EXPECT_EQ(snap.indexValue, 2);

    ValSnap list;
    ValSnapSetRange(list, 1, 2);
    list.indexValue = 0;
    ValSnapListPrev(list);
    EXPECT_EQ(list.indexValue, 1);
    ValSnapListNext(list);
    EXPECT_EQ(list.indexValue, 0);
}

TEST(ValSnap, EachKindCapturesComparesAndCommits) {
    LONG number = 4;
    LONG second = 9;
    std::u16string text = u"Work";
    DateRec date(2009, 3, 5, 10, 30, 0);

    struct Case {
        LONG kind;
        void* live;
        void* secondLive;
        void (*edit)(ValSnap&);
    };
    const Case cases[] = {
        {kSnapPlain, &number, nullptr, [](ValSnap& s) { s.plainValue = 1; }},
        {kSnapNumber, &number, nullptr, [](ValSnap& s) { s.numberValue = 7; }},
        {kSnapChoice, &number, nullptr, [](ValSnap& s) { s.indexValue = 2; }},
        {kSnapChoiceAlt, &number, nullptr, [](ValSnap& s) { s.indexValue = 3; }},
        {kSnapPair, &number, &second, [](ValSnap& s) { s.secondValue = 1; }},
        {kSnapPairAlt, &number, &second, [](ValSnap& s) { s.numberValue = 8; }},
        {6, &text, nullptr, [](ValSnap& s) { s.textValue = u"Home"; }},
        {21, &text, nullptr, [](ValSnap& s) { s.textValue = u"work"; }},
        {9, &date, nullptr, [](ValSnap& s) { s.dateValue.wMinute = 45; }},
        {11, &date, nullptr, [](ValSnap& s) { s.dateValue.wYear = 2010; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const LONG numberBefore = number;
        const LONG secondBefore = second;
        const std::u16string textBefore = text;
        const DateRec dateBefore = date;
        ValSnap snap;
        ValSnapSet(snap, u"Row", c.kind, c.live, c.secondLive);
        EXPECT_FALSE(ValSnapChanged(snap));
        c.edit(snap);
        EXPECT_TRUE(ValSnapChanged(snap));
        // Dropping the row (Cancel) leaves the variable as it was.
        EXPECT_EQ(number, numberBefore);
        EXPECT_EQ(second, secondBefore);
        EXPECT_EQ(text, textBefore);
        EXPECT_TRUE(DateEqual(date, dateBefore));
        ValSnapCommit(snap);
        EXPECT_FALSE(ValSnapChanged(snap));
    }
    EXPECT_EQ(number, 8);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(text, u"work");
    EXPECT_EQ(date.wYear, 2010);
    EXPECT_EQ(date.wMinute, 45);
}

TEST(ValSnap, DateRowIgnoresMilliseconds) {
    DateRec date(2009, 3, 5, 10, 30, 0);
    ValSnap snap;
    ValSnapSet(snap, u"Start", 10, &date, nullptr);
    date.wMilliseconds = 250;
    EXPECT_FALSE(ValSnapChanged(snap));
}

TEST(ValSnap, CaptionAndUnknownKindsNeverChange) {
    LONG number = 3;
    for (LONG kind : {5L, 12L, 99L}) {
        ValSnap snap;
        ValSnapSet(snap, u"Caption", kind, kind == kSnapCaption ? nullptr : &number, nullptr);
        snap.plainValue = 42;
        snap.numberValue = 42;
        snap.indexValue = 42;
        EXPECT_FALSE(ValSnapChanged(snap));
        ValSnapCommit(snap);
        EXPECT_EQ(number, 3);
    }
}

TEST(ValSnap, AssignReplacesTheChoices) {
    ValSnap source;
    ValSnapSetRange(source, 1, 2);
    source.label = u"Source";
    ValSnap target;
    ValSnapSetRange(target, 5, 9);
    target = source;
    ASSERT_EQ(target.choices.Size(), 2);
    EXPECT_EQ(target.choices[1], u"2");
    EXPECT_EQ(target.label, u"Source");
    EXPECT_EQ(target.offset, 1);
    source.choices.Append(u"3");
    EXPECT_EQ(target.choices.Size(), 2);
}

TEST(ValSnap, EmptyRangeKeepsItsOffset) {
    ValSnap snap;
    ValSnapSetRange(snap, 1, 4);
    ValSnapSetRange(snap, 3, 1);
    EXPECT_EQ(snap.choices.Size(), 0);
    EXPECT_EQ(snap.offset, 3);
}

TEST(ValSnap, CommitChangedRowsWritesOnlyWhatChanged) {
    LONG a = 1;
    LONG b = 2;
    ValSnapArray rows;
    ValSnap row;
    ValSnapSet(row, u"A", kSnapNumber, &a, nullptr);
    rows.Append(row);
    ValSnapSet(row, u"B", kSnapNumber, &b, nullptr);
    rows.Append(row);
    rows[0].numberValue = 10;
    b = 20;  // changed behind the row's back: the row's copy wins
    EXPECT_EQ(CommitChangedSnaps(rows), 1);
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, 2);
}

TEST(ValSnap, DatesFromEditorRows) {
    DateRec startDay(2009, 3, 5), startTime(2000, 1, 1, 9, 15, 0), endDay(2009, 3, 6), endTime(2000, 1, 1, 17, 0, 0);
    ValSnapArray rows;
    for (DateRec* var : {&startDay, &startTime, &endDay}) {  // no end-time row
        ValSnap row;
        ValSnapSet(row, u"", 9, var, nullptr);
        rows.Append(row);
    }
    rows[1].dateValue.wMinute = 45;
    DateRec start;
    DateRec end(2011, 1, 1, 8, 5, 0);
    SnapDatesFromRows(rows, &startDay, &startTime, &endDay, &endTime, start, end);
    EXPECT_TRUE(DateEqual(start, DateRec(2009, 3, 5, 9, 45, 0)));
    EXPECT_TRUE(DateEqual(end, DateRec(2009, 3, 6)));  // the end day row, its time from that row
}

}  // namespace
