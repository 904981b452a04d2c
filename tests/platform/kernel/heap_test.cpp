// The heap calls: sizes kept with each block, zeroing, content kept across a new size, foreign
// pointers refused, and LocalAlloc over the process heap.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/memory.h"
#include "platform/system.h"

namespace {

bool AllZero(const void* block, SIZE_T bytes) {
    const auto* p = static_cast<const unsigned char*>(block);
    for (SIZE_T i = 0; i < bytes; ++i)
        if (p[i] != 0) return false;
    return true;
}

TEST(Heap, KnowsEachBlocksSizeAndZeroesWhenAsked) {
    const HANDLE heap = GetProcessHeap();
    ASSERT_NE(heap, nullptr);
    void* block = HeapAlloc(heap, HEAP_ZERO_MEMORY, 100);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(HeapSize(heap, 0, block), 100u);
    EXPECT_TRUE(AllZero(block, 100));
    void* empty = HeapAlloc(heap, 0, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(HeapSize(heap, 0, empty), 0u);
    EXPECT_TRUE(HeapFree(heap, 0, empty));
    EXPECT_TRUE(HeapFree(heap, 0, block));
}

TEST(Heap, ReAllocKeepsTheContentAndZeroesTheNewPart) {
    const HANDLE heap = GetProcessHeap();
    auto* block = static_cast<char*>(HeapAlloc(heap, 0, 16));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "0123456789abcdef", 16);
    auto* grown = static_cast<char*>(HeapReAlloc(heap, HEAP_ZERO_MEMORY, block, 4096));
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(std::memcmp(grown, "0123456789abcdef", 16), 0);
    EXPECT_TRUE(AllZero(grown + 16, 4096 - 16));
    EXPECT_EQ(HeapSize(heap, 0, grown), 4096u);

    EXPECT_EQ(HeapReAlloc(heap, HEAP_REALLOC_IN_PLACE_ONLY, grown, 8192), nullptr) << "cannot grow in place";
    auto* shrunk = static_cast<char*>(HeapReAlloc(heap, HEAP_REALLOC_IN_PLACE_ONLY, grown, 8));
    EXPECT_EQ(shrunk, grown);
    EXPECT_EQ(HeapSize(heap, 0, shrunk), 8u);
    EXPECT_TRUE(HeapFree(heap, 0, shrunk));
}

TEST(Heap, RefusesPointersItDidNotGiveOut) {
    const HANDLE heap = GetProcessHeap();
    int onStack = 0;
    SetLastError(0);
    EXPECT_FALSE(HeapFree(heap, 0, &onStack));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(HeapSize(heap, 0, &onStack), static_cast<SIZE_T>(-1));

    void* block = HeapAlloc(heap, 0, 32);
    ASSERT_TRUE(HeapFree(heap, 0, block));
    EXPECT_FALSE(HeapFree(heap, 0, block)) << "a second free is refused";

    const HANDLE own = HeapCreate(0, 0, 0);
    void* other = HeapAlloc(own, 0, 8);
    EXPECT_FALSE(HeapFree(heap, 0, other)) << "a block of another heap";
    EXPECT_EQ(HeapSize(own, 0, other), 8u);
    EXPECT_TRUE(HeapDestroy(own));  // frees what is left
    EXPECT_EQ(HeapAlloc(own, 0, 8), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(HeapDestroy(heap)) << "the process heap stays";
}

TEST(LocalAlloc, ZeroInitAndReAllocRules) {
    HLOCAL block = LocalAlloc(LPTR, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(AllZero(block, 64));
    EXPECT_EQ(LocalSize(block), 64u);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, block), 64u);
    std::memset(block, 0x5A, 64);

    EXPECT_EQ(LocalReAlloc(block, 128, LMEM_ZEROINIT), nullptr) << "a fixed block does not move";
    HLOCAL moved = LocalReAlloc(block, 128, LMEM_MOVEABLE | LMEM_ZEROINIT);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(moved)[63], 0x5A);
    EXPECT_TRUE(AllZero(static_cast<char*>(moved) + 64, 64));
    EXPECT_EQ(LocalFree(moved), nullptr);
    int onStack = 0;
    EXPECT_EQ(LocalFree(&onStack), &onStack);
    EXPECT_EQ(LocalFree(nullptr), nullptr);
}

}  // namespace
