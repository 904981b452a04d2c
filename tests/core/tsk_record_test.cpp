// Task records: day tests, the three-key sort, categories and search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tsk_record.h"
#include "platform/testing.h"

namespace {

TskRecord Task(const char16_t* subject) {
    TskRecord task;
    task.subject = subject;
    return task;
}

TskRecord Due(const char16_t* subject, DateRec due) {
    TskRecord task = Task(subject);
    task.hasDue = 1;
    task.due = due;
    return task;
}

// The subjects in the order the sorted insert of the task list gives.
std::u16string SortedSubjects(const std::vector<TskRecord>& tasks, LONG k1, LONG k2, LONG k3, bool a1, bool a2,
                              bool a3) {
    TskArray sorted;
    for (const TskRecord& t : tasks) sorted.InsertAt(TskSortedInsertPos(sorted, t, k1, k2, k3, a1, a2, a3), t);
    std::u16string order;
    for (const TskRecord& t : sorted) order += t.subject + u" ";
    return order;
}

TEST(TskRecord, NewTaskHoldsTheCurrentTimeInEachDate) {
    platform::testing::FreezeClock(SYSTEMTIME{2009, 3, 0, 5, 10, 30, 0, 0});
    const TskRecord task;
    platform::testing::ThawClock();
    for (const DateRec* d : {&task.start, &task.due, &task.completed, &task.fourthDate}) {
        EXPECT_EQ(d->wYear, 2009);
        EXPECT_EQ(d->wDay, 5);
        EXPECT_EQ(d->wDayOfWeek, 4);
        EXPECT_EQ(d->wMinute, 30);
    }
    EXPECT_EQ(task.importance, 1);
    EXPECT_EQ(task.icon, -1);
    EXPECT_EQ(task.oid, -1);
}

TEST(TskRecord, WithoutDueDateNoDayTestHolds) {
    TskRecord task = Task(u"Open");
    task.start = DateRec(2009, 3, 1);
    for (int day : {1, 15, 31}) {
        EXPECT_TRUE(TskDueAfterDay(task, 2009, 3, day));
        EXPECT_FALSE(TskDueBeforeDay(task, 2009, 3, day));
        EXPECT_FALSE(TskDueOn(task, 2009, 3, day));
        EXPECT_FALSE(IsTskActiveOn(task, 2009, 3, day));
    }
}

TEST(TskRecord, ActiveFromStartToDueDay) {
    TskRecord task = Due(u"Report", DateRec(2009, 3, 5, 17, 0, 0));
    task.start = DateRec(2009, 3, 1, 8, 0, 0);
    struct Case {
        int month, day;
        bool active, dueBefore;
    };
    constexpr Case cases[] = {
        {2, 28, false, false}, {3, 1, true, false}, {3, 3, true, false},
        {3, 5, true, false},   {3, 6, false, true}, {4, 1, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTskActiveOn(task, 2009, c.month, c.day), c.active) << c.month << "/" << c.day;
        EXPECT_EQ(TskDueBeforeDay(task, 2009, c.month, c.day), c.dueBefore) << c.month << "/" << c.day;
    }
    EXPECT_TRUE(TskStartsBeforeDay(task, 2009, 3, 2));
    EXPECT_FALSE(TskStartsBeforeDay(task, 2009, 3, 1));

    task.start = DateRec(kNoDateYear, 1, 1);
    for (int day : {1, 3, 5}) EXPECT_FALSE(IsTskActiveOn(task, 2009, 3, day));
}

TEST(TskRecord, SortByDueDateKeepsUndatedTasksLast) {
    const std::vector<TskRecord> tasks = {
        Task(u"none1"), Due(u"late", DateRec(2009, 5, 1)), Task(u"none2"), Due(u"early", DateRec(2009, 1, 1)),
    };
    EXPECT_EQ(SortedSubjects(tasks, kTskSortDueDate, kTskSortDueDate, kTskSortDueDate, true, true, true),
              u"early late none1 none2 ");
    EXPECT_EQ(SortedSubjects(tasks, kTskSortDueDate, kTskSortDueDate, kTskSortDueDate, false, false, false),
              u"late early none1 none2 ");
}

TEST(TskRecord, CompareByEachKey) {
    TskRecord a = Task(u"apple");
    TskRecord b = Task(u"Banana");
    EXPECT_EQ(TskCompare(a, b, kTskSortName, true), -1);  // b belongs after a
    EXPECT_EQ(TskCompare(a, b, kTskSortName, false), 1);
    EXPECT_EQ(TskCompare(a, Task(u"APPLE"), kTskSortName, true), 0);
    EXPECT_EQ(TskCompare(a, b, kTskSortCategory, true), 0);
    EXPECT_EQ(TskCompare(a, b, 99, true), 0);

    b.importance = 2;
    EXPECT_EQ(TskCompare(a, b, kTskSortPriority, true), -1);
    b.sensitivity = 1;
    EXPECT_EQ(TskCompare(a, b, kTskSortSensitivity, false), 1);
    b.complete = 1;
    EXPECT_EQ(TskCompare(a, b, kTskSortCompleted, true), -1);  // open tasks first
    EXPECT_EQ(TskCompare(a, b, kTskSortCompleted, false), 1);

    a.prefixLetter = u'B';
    a.prefixNumber = 1;
    b.prefixLetter = u'A';
    b.prefixNumber = 9;
    EXPECT_EQ(TskCompare(a, b, kTskSortAdvPriority, true), 1);
    b.prefixLetter = u'B';
    EXPECT_EQ(TskCompare(a, b, kTskSortAdvPriority, true), -1);

    const TskRecord d1 = Due(u"x", DateRec(2009, 3, 5, 8, 0, 0));
    const TskRecord d2 = Due(u"y", DateRec(2009, 3, 5, 20, 0, 0));
    EXPECT_EQ(TskCompare(d1, d2, kTskSortDueDate, true), 0);  // the same day
}

TEST(TskRecord, CategoryFirstKeySortsByTheOtherKeysThenName) {
    // Keys (Category, Name, Completed) become (Name, Completed, Name): the third repeats the first.
    TskRecord doneB = Task(u"b");
    doneB.complete = 1;
    const std::vector<TskRecord> tasks = {doneB, Task(u"c"), Task(u"a"), Task(u"b")};
    EXPECT_EQ(SortedSubjects(tasks, kTskSortCategory, kTskSortName, kTskSortCompleted, true, true, true),
              u"a b b c ");
    const TskArray one = [&] {
        TskArray sorted;
        sorted.Append(doneB);
        return sorted;
    }();
    // The open "b" goes before the completed one: the second key decides.
    EXPECT_EQ(TskSortedInsertPos(one, Task(u"b"), kTskSortCategory, kTskSortName, kTskSortCompleted, true, true,
                                 true),
              0);
}

TEST(TskRecord, EqualTasksKeepTheirInsertionOrder) {
    TskRecord first = Task(u"same");
    first.oid = 1;
    TskRecord second = Task(u"same");
    second.oid = 2;
    TskArray sorted;
    sorted.Append(first);
    EXPECT_EQ(TskSortedInsertPos(sorted, second, kTskSortName, kTskSortName, kTskSortName, true, true, true), 1);
}

TEST(TskRecord, ThreeKeySort) {
    auto make = [](const char16_t* s, LONG importance, LONG complete) {
        TskRecord t = Task(s);
        t.importance = importance;
        t.complete = complete;
        return t;
    };
    const std::vector<TskRecord> tasks = {make(u"d", 1, 1), make(u"c", 2, 0), make(u"b", 1, 0), make(u"a", 1, 1),
                                          make(u"e", 0, 0)};
    // The default keys: Priority descending, Name ascending, Completed ascending.
    EXPECT_EQ(SortedSubjects(tasks, kTskSortPriority, kTskSortName, kTskSortCompleted, false, true, true),
              u"c a b d e ");
    // Priority, then Completed, then Name.
    EXPECT_EQ(SortedSubjects(tasks, kTskSortPriority, kTskSortCompleted, kTskSortName, false, true, true),
              u"c b a d e ");
}

TEST(TskRecord, SplitCommaListTrimsAndSkipsEmptyPieces) {
    TskRecord task;
    task.categories.Append(u"Old");
    SplitCommaList(task, u"  Work ,, Home  ");
    EXPECT_EQ(JoinCommaList(task), u"Old,Work,Home");
    SplitCommaList(task, u"");
    EXPECT_EQ(task.categories.Size(), 3);
    EXPECT_TRUE(TskHasCategory(task, u"home"));
}

TEST(TskRecord, SearchLooksAtTheSubjectOnly) {
    TskRecord task = Task(u"Call Bob");
    task.notes = u"about the garden";
    EXPECT_TRUE(MatchSearchText(task, u"BOB"));
    EXPECT_FALSE(MatchSearchText(task, u"garden"));
}

}  // namespace
