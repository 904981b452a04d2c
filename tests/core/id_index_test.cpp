// The sorted identifier index: binary search, ordered insertion with equal and negative keys, and
// renumbering of positions after a record left its array.
#include <gtest/gtest.h>

#include <vector>

#include "core/id_index.h"

namespace {

IdIndex Make(std::initializer_list<IdPair> pairs) {
    IdIndex index;
    for (const IdPair& p : pairs) index.Append(p);
    return index;
}

std::vector<LONG> Keys(const IdIndex& index) {
    std::vector<LONG> keys;
    for (const IdPair& p : index) keys.push_back(p.key);
    return keys;
}

TEST(IdIndex, FindAndGet) {
    const IdIndex empty;
    EXPECT_EQ(IdIndexFind(5, empty), -1);
    EXPECT_EQ(IdIndexGet(5, empty), -1);

    // Keys 5, 9, 12 with values 0, 1, 2.
    const IdIndex index = Make({{0, 5}, {1, 9}, {2, 12}});
    struct Case {
        LONG key;
        int pos;
        LONG value;
    };
    constexpr Case cases[] = {{5, 0, 0}, {9, 1, 1}, {12, 2, 2}, {10, -1, -1}, {13, -1, -1}, {4, -1, -1}, {-1, -1, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(IdIndexFind(c.key, index), c.pos) << c.key;
        EXPECT_EQ(IdIndexGet(c.key, index), c.value) << c.key;
    }
}

TEST(IdIndex, NoneIsNeverFoundEvenWhenStoredByHand) {
    const IdIndex index = Make({{3, -1}});
    EXPECT_EQ(IdIndexFind(-1, index), -1);
}

TEST(IdIndex, InsertKeepsKeyOrderAndPutsNewEqualKeysFirst) {
    IdIndex index = Make({{0, 5}, {1, 9}, {2, 12}});
    IdIndexInsert(9, 7, index);
    ASSERT_EQ(index.Size(), 4);
    EXPECT_EQ(index[1].key, 9);
    EXPECT_EQ(index[1].value, 7);
    EXPECT_EQ(index[2].value, 1);
    IdIndexInsert(20, 3, index);
    IdIndexInsert(1, 4, index);
    EXPECT_EQ(Keys(index), (std::vector<LONG>{1, 5, 9, 9, 12, 20}));
    IdIndexInsert(-1, 5, index);
    IdIndexInsert(6, -1, index);
    EXPECT_EQ(index.Size(), 6);
}

TEST(IdIndex, NegativeOidsSortFirst) {
    IdIndex index;
    const DWORD oids[] = {0x40000010, 0xC0000001, 0x80000005, 0x40000001};
    for (int i = 0; i < 4; ++i) IdIndexInsert(static_cast<LONG>(oids[i]), i, index);
    EXPECT_EQ(Keys(index), (std::vector<LONG>{static_cast<LONG>(0x80000005), static_cast<LONG>(0xC0000001),
                                               0x40000001, 0x40000010}));
    EXPECT_EQ(IdIndexGet(static_cast<LONG>(0xC0000001), index), 1);
}

TEST(IdIndex, InsertIntoLargeIndexes) {
    IdIndex index;
    for (int i = 0; i < 100; ++i) index.Append(IdPair{i, 10 * (i + 1)});
    IdIndexInsert(1, 500, index);
    EXPECT_EQ(index[0].key, 1);
    IdIndexInsert(2000, 501, index);
    EXPECT_EQ(index[index.Size() - 1].key, 2000);

    // Every key lands in order wherever the bisection starts the scan.
    IdIndex grown;
    for (LONG k = 0; k < 1000; ++k) IdIndexInsert((k * 7919) % 1000, k, grown);
    ASSERT_EQ(grown.Size(), 1000);
    for (int i = 0; i < grown.Size(); ++i) EXPECT_EQ(grown[i].key, i);
    for (LONG k = 0; k < 1000; ++k) EXPECT_EQ(IdIndexGet((k * 7919) % 1000, grown), k);
}

TEST(IdIndex, StartPosIsAtOrBeforeTheFirstKeyNotSmaller) {
    IdIndex index;
    for (int i = 0; i < 300; ++i) index.Append(IdPair{i, 2 * i});
    EXPECT_EQ(IdIndexStartPos(100, Make({{0, 5}})), 0);
    for (LONG key = -5; key < 610; key += 3) {
        const int pos = IdIndexStartPos(key, index);
        ASSERT_GE(pos, 0);
        ASSERT_LT(pos, index.Size());
        int first = 0;
        while (first < index.Size() && index[first].key < key) ++first;
        EXPECT_LE(pos, first) << key;
    }
}

TEST(IdIndex, CloseGapRenumbersLaterPositions) {
    // Records at positions 0 to 3; the record at 1 (key 9) leaves its array.
    IdIndex index = Make({{0, 5}, {1, 9}, {2, 12}, {3, 15}});
    index.RemoveAt(IdIndexFind(9, index));
    IdIndexCloseGap(1, index);
    ASSERT_EQ(index.Size(), 3);
    EXPECT_EQ(index[0].value, 0);
    EXPECT_EQ(index[1].value, 1);
    EXPECT_EQ(index[2].value, 2);
    EXPECT_EQ(Keys(index), (std::vector<LONG>{5, 12, 15}));
}

}  // namespace
