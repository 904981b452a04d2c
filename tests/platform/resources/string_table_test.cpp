// The string table: blocks of 16, copying with truncation, and the pointer form.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/resources.h"
#include "platform/system.h"
#include "res_fixture.h"

namespace {

using restest::Module;

std::u16string Load(HINSTANCE m, UINT id, int chars = 128) {
    std::u16string buffer(static_cast<std::size_t>(chars), u'#');
    const int n = LoadStringW(m, id, buffer.data(), chars);
    return buffer.substr(0, static_cast<std::size_t>(n));
}

TEST(StringTable, FindsStringsOnBothSidesOfBlockEdges) {
    Module fixture(restest::FakeModule(20), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    struct Case {
        UINT id;
        const char16_t* text;
    };
    const Case cases[] = {
        {1, u"one"},          {15, u"fifteen"},    {16, u"sixteen"},
        {17, u"seventeen"},   {31, u"thirty-one"}, {4095, u"last of its block"},
    };
    for (const Case& c : cases) EXPECT_EQ(Load(fixture.Handle(), c.id), c.text) << c.id;
}

TEST(StringTable, MissingStringsGiveZeroAndAnEmptyBuffer) {
    Module fixture(restest::FakeModule(21), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    // 0, 2, 14: empty slots of block 1; 18, 30: of block 2; 32, 4094, 4096: blocks that do not
    // exist; 65536 + 1 would alias string 1 if the id were cut to a word.
    for (const UINT id : {0u, 2u, 14u, 18u, 30u, 32u, 4094u, 4096u, 65537u}) {
        WCHAR buffer[8] = {u'x', u'x'};
        SetLastError(0);
        EXPECT_EQ(LoadStringW(fixture.Handle(), id, buffer, 8), 0) << id;
        EXPECT_EQ(buffer[0], 0) << id;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND)) << id;
    }
    SetLastError(0);
    WCHAR buffer[8];
    EXPECT_EQ(LoadStringW(restest::FakeModule(98), 1, buffer, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

TEST(StringTable, CopiesAtMostOneLessThanTheBufferAndTerminates) {
    Module fixture(restest::FakeModule(22), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    const std::u16string full = u"A string long enough to be cut";  // string 20, 30 characters
    struct Case {
        int chars;
        int copied;
    };
    const Case cases[] = {{1, 0}, {2, 1}, {10, 9}, {30, 29}, {31, 30}, {64, 30}};
    for (const Case& c : cases) {
        std::u16string buffer(static_cast<std::size_t>(c.chars) + 1, u'#');
        EXPECT_EQ(LoadStringW(fixture.Handle(), 20, buffer.data(), c.chars), c.copied) << c.chars;
        EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(c.copied)), full.substr(0, static_cast<std::size_t>(c.copied)));
        EXPECT_EQ(buffer[static_cast<std::size_t>(c.copied)], 0) << c.chars;
        EXPECT_EQ(buffer[static_cast<std::size_t>(c.chars)], u'#') << "wrote past the buffer of " << c.chars;
    }
}

TEST(StringTable, ZeroCharsGivesAReadOnlyPointerInPlace) {
    Module fixture(restest::FakeModule(23), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    LPCWSTR inPlace = nullptr;
    EXPECT_EQ(LoadStringW(fixture.Handle(), 17, reinterpret_cast<LPWSTR>(&inPlace), 0), 9);
    ASSERT_NE(inPlace, nullptr);
    EXPECT_EQ(std::u16string(inPlace, 9), u"seventeen");
    // The pointer is into the stored block (strings 16 to 31), not into a copy.
    const HRSRC block = FindResourceW(fixture.Handle(), MAKEINTRESOURCEW(2), RT_STRING);
    ASSERT_NE(block, nullptr);
    const auto* begin = static_cast<const BYTE*>(LockResource(LoadResource(fixture.Handle(), block)));
    const auto* at = reinterpret_cast<const BYTE*>(inPlace);
    EXPECT_GE(at, begin);
    EXPECT_LT(at, begin + SizeofResource(fixture.Handle(), block));

    inPlace = u"stale";
    EXPECT_EQ(LoadStringW(fixture.Handle(), 18, reinterpret_cast<LPWSTR>(&inPlace), 0), 0);
    EXPECT_EQ(inPlace, nullptr);
}

TEST(StringTable, BadArgumentsAndBrokenBlocksFailQuietly) {
    Module fixture(restest::FakeModule(24), restest::FixtureFile());
    ASSERT_TRUE(fixture.Registered());
    WCHAR buffer[4];
    EXPECT_EQ(LoadStringW(fixture.Handle(), 1, nullptr, 4), 0);
    EXPECT_EQ(LoadStringW(fixture.Handle(), 1, buffer, -1), 0);

    // A block whose length word claims more than the block holds.
    std::vector<BYTE> file = restest::EmptyFile();
    std::vector<BYTE> block;
    restest::PutWord(block, 0);    // string 0: empty
    restest::PutWord(block, 200);  // string 1: 200 characters, but only two follow
    restest::PutWord(block, u'h');
    restest::PutWord(block, u'i');
    restest::PutEntry(file, 6, 1, block);
    Module broken(restest::FakeModule(25), restest::Align(file));
    ASSERT_TRUE(broken.Registered());
    EXPECT_EQ(LoadStringW(broken.Handle(), 1, buffer, 4), 0);
    EXPECT_EQ(LoadStringW(broken.Handle(), 2, buffer, 4), 0);
}

}  // namespace
