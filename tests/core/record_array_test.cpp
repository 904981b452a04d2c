// The record array: the capacity rule of whole grow steps, index checks and element moves.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/appt_record.h"
#include "core/cts_record.h"
#include "core/record_array.h"
#include "core/tsk_record.h"

namespace {

// A growing array moves its records only when they cannot throw while moving; otherwise every
// growth copies each record with its category strings, which made loading 20,000 appointments slow.
static_assert(std::is_nothrow_move_constructible_v<ApptRecord>);
static_assert(std::is_nothrow_move_constructible_v<TskRecord>);
static_assert(std::is_nothrow_move_constructible_v<CtsRecord>);

RecordArray<int> Counting(int n) {
    RecordArray<int> a;
    for (int i = 0; i < n; ++i) a.Append(i);
    return a;
}

TEST(RecordArray, CapacityGrowsAndShrinksByWholeSteps) {
    struct Case {
        int fromSize;  // reached by SetSize from a new array
        int newSize;
        int growStep;
        int capacity;
        bool keepsBuffer;
    };
    constexpr Case cases[] = {
        {0, 1, 64, 64, false},    {0, 64, 64, 64, false},  {0, 65, 64, 128, false},
        {100, 0, 64, 0, false},   {100, 40, 64, 128, true}, {100, 36, 64, 64, false},
        {100, 128, 64, 128, true}, {100, 129, 64, 192, false}, {10, 0, 64, 64, true},
        {0, 10, 3, 12, false},    {5, 5, 64, 64, true},
    };
    for (const Case& c : cases) {
        RecordArray<int> a;
        a.SetSize(c.fromSize, 64);
        const int* before = a.Data();
        a.SetSize(c.newSize, c.growStep);
        EXPECT_EQ(a.Size(), c.newSize) << c.fromSize << " -> " << c.newSize;
        EXPECT_EQ(a.Capacity(), c.capacity) << c.fromSize << " -> " << c.newSize;
        EXPECT_EQ(a.GrowStep(), c.growStep);
        if (c.keepsBuffer) {
            EXPECT_EQ(a.Data(), before) << c.fromSize << " -> " << c.newSize;
        }
    }
}

TEST(RecordArray, SetSizeIgnoresNegativeSizeAndSmallGrowStep) {
    RecordArray<int> a = Counting(3);
    a.SetSize(-1, 64);
    a.SetSize(10, 0);
    EXPECT_EQ(a.Size(), 3);
    EXPECT_EQ(a.Capacity(), 64);
    EXPECT_EQ(a.GrowStep(), 64);
}

TEST(RecordArray, ReallocationKeepsTheLeadingElements) {
    RecordArray<std::string> a;
    for (int i = 0; i < 70; ++i) a.Append(std::to_string(i));
    EXPECT_EQ(a.Capacity(), 128);
    a.SetSize(5, 64);
    ASSERT_EQ(a.Capacity(), 64);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], std::to_string(i));
    a.SetSize(6, 64);
    EXPECT_EQ(a[5], "");  // a default-constructed element, the old buffer was freed
}

TEST(RecordArray, InsertAtChecksTheIndexAndMovesLaterElementsUp) {
    RecordArray<int> a = Counting(3);
    EXPECT_EQ(a.InsertAt(3, 30), 3);  // at size: appends
    EXPECT_EQ(a.InsertAt(5, 50), -1);
    EXPECT_EQ(a.InsertAt(-1, 50), -1);
    EXPECT_EQ(a.InsertAt(0, -5), 0);
    EXPECT_EQ(a.InsertAt(2, 15), 2);
    const int want[] = {-5, 0, 15, 1, 2, 30};
    ASSERT_EQ(a.Size(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(a[i], want[i]);
}

TEST(RecordArray, InsertingAnElementOfTheArrayWhileItGrows) {
    RecordArray<std::string> a;
    for (int i = 0; i < 64; ++i) a.Append(std::string(40, static_cast<char>('a' + i % 26)));
    a.InsertAt(0, a[63]);  // the buffer is reallocated under the argument
    a.Append(a[1]);
    EXPECT_EQ(a.Size(), 66);
    EXPECT_EQ(a[0], std::string(40, 'l'));
    EXPECT_EQ(a[65], std::string(40, 'a'));
}

TEST(RecordArray, RemoveAtChecksTheIndexAndKeepsTheStaleLastElement) {
    RecordArray<std::string> a;
    for (const char* s : {"a", "b", "c", "d"}) a.Append(s);
    EXPECT_EQ(a.RemoveAt(-1), -1);
    EXPECT_EQ(a.RemoveAt(4), -1);
    EXPECT_EQ(a.RemoveAt(1), 3);
    EXPECT_EQ(a[0], "a");
    EXPECT_EQ(a[1], "c");
    EXPECT_EQ(a[2], "d");
    EXPECT_EQ(a.Data()[3], "d");  // stale but valid until overwritten
    EXPECT_EQ(a.RemoveAt(2), 2);  // the last element
    EXPECT_EQ(a.Size(), 2);
    EXPECT_EQ(a.Capacity(), 64);
}

TEST(RecordArray, SetAtChecksTheIndex) {
    RecordArray<int> a = Counting(2);
    EXPECT_EQ(a.SetAt(1, 7), 1);
    EXPECT_EQ(a[1], 7);
    EXPECT_EQ(a.SetAt(2, 9), -1);
    EXPECT_EQ(a.SetAt(-1, 9), -1);
    EXPECT_EQ(a.Size(), 2);
}

TEST(RecordArray, RemoveAllKeepsTheBufferForTheNextFill) {
    RecordArray<int> a = Counting(10);
    const int* buffer = a.Data();
    a.RemoveAll();
    EXPECT_EQ(a.Size(), 0);
    EXPECT_EQ(a.Capacity(), 64);
    EXPECT_EQ(a.Append(42), 0);
    EXPECT_EQ(a.Data(), buffer);
    EXPECT_EQ(a[0], 42);
}

TEST(RecordArray, CopiesElementByElementAndMovesWhole) {
    RecordArray<std::string> a;
    for (int i = 0; i < 100; ++i) a.Append(std::to_string(i));
    RecordArray<std::string> copy(a);
    EXPECT_EQ(copy.Size(), 100);
    EXPECT_EQ(copy.Capacity(), 128);
    EXPECT_NE(copy.Data(), a.Data());
    copy[0] = "changed";
    EXPECT_EQ(a[0], "0");

    RecordArray<std::string> moved(std::move(copy));
    EXPECT_EQ(moved.Size(), 100);
    EXPECT_EQ(moved[0], "changed");
    EXPECT_EQ(copy.Size(), 0);  // NOLINT(bugprone-use-after-move): the source is left empty
    EXPECT_EQ(copy.Capacity(), 0);

    a = moved;
    EXPECT_EQ(a[0], "changed");
    EXPECT_EQ(a[99], "99");
    int sum = 0;
    for (const std::string& s : a) sum += static_cast<int>(s.size());
    EXPECT_GT(sum, 0);
}

// Slots past the size up to the capacity are elements like the others (the wallet wipes them all):
// one never used reads fresh, a written one keeps its value while the buffer stays, and one that a
// reallocation left out is fresh again.
TEST(RecordArray, EverySlotUpToTheCapacityReadsAndWrites) {
    RecordArray<std::u16string> a;
    a.Append(u"Work");
    ASSERT_EQ(a.Capacity(), 64);
    const RecordArray<std::u16string>& view = a;
    EXPECT_EQ(view[63], u"");
    EXPECT_EQ(a[40], u"");
    a[40] = u"stale";
    a.SetSize(41, 64);
    EXPECT_EQ(a[0], u"Work");
    EXPECT_EQ(a[40], u"stale");
    a.RemoveAll();
    a.SetSize(64, 64);
    EXPECT_EQ(a[40], u"stale");
    EXPECT_EQ(a[63], u"");
    a.SetSize(65, 64);  // a new buffer of 128: the first 64 are kept
    EXPECT_EQ(a[40], u"stale");
    EXPECT_EQ(a[100], u"");
    a.SetSize(1, 64);  // down to one step: slot 40 is fresh again
    a.SetSize(41, 64);
    EXPECT_EQ(a[40], u"");
}

// A list filled record by record and emptied for the next fill stays where it is.
TEST(RecordArray, RefillWithinTheCapacityKeepsTheBuffer) {
    RecordArray<std::string> a;
    for (int i = 0; i < 200; ++i) a.Append(std::to_string(i));
    ASSERT_EQ(a.Capacity(), 256);
    const std::string* buffer = a.Data();
    a.RemoveAll();
    for (int i = 0; i < 256; ++i) a.Append(std::to_string(-i));
    EXPECT_EQ(a.Data(), buffer);
    EXPECT_EQ(a[255], "-255");
}

}  // namespace
