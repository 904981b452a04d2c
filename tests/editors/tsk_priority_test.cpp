// Letter and number priorities, their choice rows, and the sorted insert of a task.
#include "core/tsk_priority.h"

#include <gtest/gtest.h>

namespace {

TEST(TskPriorityTest, LetterIndexAndCharacter) {
    const struct {
        LONG index;
        WCHAR letter;
    } cases[] = {{0, 0}, {1, u'A'}, {3, u'C'}, {26, u'Z'}};
    for (const auto& c : cases) {
        EXPECT_EQ(AbcPrioToLetter(c.index), c.letter);
        EXPECT_EQ(LetterToAbcPrio(c.letter), c.index);
    }
}

TEST(TskPriorityTest, ChoiceRows) {
    ValSnap row;
    row.indexValue = 7;
    FillLetterChoices(row);
    ASSERT_EQ(row.choices.Size(), 27);
    EXPECT_EQ(row.choices[0], u"None");
    EXPECT_EQ(row.choices[1], u"A");
    EXPECT_EQ(row.choices[26], u"Z");
    EXPECT_EQ(row.indexValue, 0);
    FillNumberChoices(row, 0, 99);
    ASSERT_EQ(row.choices.Size(), 100);
    EXPECT_EQ(row.choices[99], u"99");
    FillIntervalChoices(row, true);
    EXPECT_EQ(row.choices.Size(), 50);
    EXPECT_EQ(row.choices[0], u"1");
    FillIntervalChoices(row, false);
    EXPECT_EQ(row.choices.Size(), 89);
}

TskRecord Task(const char16_t* subject, LONG importance) {
    TskRecord task;
    task.subject = subject;
    task.importance = importance;
    return task;
}

TEST(TskPriorityTest, SortedInsertGoesAfterEqualTasks) {
    TskArray tasks;
    // Name ascending only.
    const auto insert = [&](const char16_t* subject) {
        return InsertTskRecordSorted(tasks, Task(subject, 1), 0, kTskSortName, kTskSortName, kTskSortName, 1, 1, 1);
    };
    EXPECT_EQ(insert(u"Banana"), 0);  // into an empty array
    EXPECT_EQ(insert(u"cherry"), 1);
    EXPECT_EQ(insert(u"Apple"), 0);   // before the first that compares greater without case
    EXPECT_EQ(insert(u"banana"), 2);  // equal keys: after the equal one
    EXPECT_EQ(insert(u"Zest"), 4);
    // A start position past the count appends.
    EXPECT_EQ(InsertTskRecordSorted(tasks, Task(u"Aaa", 1), 9, kTskSortName, kTskSortName, kTskSortName, 1, 1, 1), 5);
    // Priority descending, then name.
    TskArray byPriority;
    for (const auto& t : {Task(u"low", 0), Task(u"high", 2), Task(u"normal", 1), Task(u"also high", 2)})
        InsertTskRecordSorted(byPriority, t, 0, kTskSortPriority, kTskSortName, kTskSortCompleted, 0, 1, 1);
    EXPECT_EQ(byPriority[0].subject, u"also high");
    EXPECT_EQ(byPriority[1].subject, u"high");
    EXPECT_EQ(byPriority[3].subject, u"low");
}

TEST(TskPriorityTest, SetSizeShrinkingByMoreThanAStepReallocates) {
    TskArray tasks;
    TskArrSetSize(tasks, 130, 64);
    EXPECT_EQ(tasks.Capacity(), 192);
    TskArrSetSize(tasks, 10, 64);
    EXPECT_EQ(tasks.Capacity(), 64);
    EXPECT_EQ(tasks.Size(), 10);
    TskArrSetSize(tasks, -1, 64);
    EXPECT_EQ(tasks.Size(), 10);
}

}  // namespace
