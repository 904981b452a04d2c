// Finding files: the pattern rules, what a search reports for each entry, and its errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kernel/file_find.h"
#include "platform/kernel.h"
#include "platform/testing.h"

namespace {

using platform::testing::TestDevice;

TEST(FindPattern, MatchesAsTheDeviceDoes) {
    const struct {
        const char16_t* pattern;
        const char16_t* name;
        bool matches;
    } cases[] = {
        {u"*.zqw", u"Home.ZQW", true},    {u"*.zqw", u"home.zqw.bak", false}, {u"*.*", u"README", true},
        {u"*.*", u"a.b.c", true},         {u"*", u"anything", true},          {u"a?c", u"ABC", true},
        {u"a?c", u"ac", false},           {u"a?c", u"abbc", false},           {u"*ab", u"aab", true},
        {u"a*b*c", u"aXXbYYc", true},     {u"a*b*c", u"aXXbYY", false},       {u"note.*", u"note", true},
        {u"note.*", u"notes", false},     {u"*.", u"noext", true},            {u"*.", u"a.txt", false},
        {u"*.htm*", u"a.HTML", true},     {u"Ä*", u"äpfel", true},            {u"exact.txt", u"EXACT.TXT", true},
        {u"exact.txt", u"exact.txt2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.pattern) + " / " + platform::ToUtf8(c.name));
        EXPECT_EQ(platform::MatchesFindPattern(c.pattern, c.name), c.matches);
    }
}

class FindFiles : public ::testing::Test {
protected:
    void SetUp() override {
        device.WriteFile(u"\\My Documents\\Home.zqw", "12345");
        device.WriteFile(u"\\My Documents\\work.ZQW", "");
        device.WriteFile(u"\\My Documents\\list.txt", "x");
        device.WriteFile(u"\\My Documents\\.hidden", "");
        device.WriteFile(u"\\My Documents\\Theme.zqw\\inside", "");  // a folder with a file's name
        ASSERT_TRUE(SetFileAttributesW(u"\\My Documents\\work.ZQW", FILE_ATTRIBUTE_READONLY));
    }

    std::vector<WIN32_FIND_DATAW> FindAll(const char16_t* pattern) {
        std::vector<WIN32_FIND_DATAW> all;
        WIN32_FIND_DATAW data{};
        const HANDLE search = FindFirstFileW(pattern, &data);
        if (search == INVALID_HANDLE_VALUE) return all;
        do all.push_back(data);
        while (FindNextFileW(search, &data));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        EXPECT_TRUE(FindClose(search));
        return all;
    }

    static std::vector<std::u16string> Names(const std::vector<WIN32_FIND_DATAW>& found) {
        std::vector<std::u16string> names;
        for (const auto& f : found) names.emplace_back(f.cFileName);
        return names;
    }

    TestDevice device;
};

TEST_F(FindFiles, ReportsMatchingEntriesWithTheirFacts) {
    const auto found = FindAll(u"\\my documents\\*.ZQW");
    ASSERT_EQ(Names(found), (std::vector<std::u16string>{u"Home.zqw", u"Theme.zqw", u"work.ZQW"}));
    EXPECT_EQ(found[0].dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(found[0].nFileSizeLow, 5u);
    EXPECT_EQ(found[0].nFileSizeHigh, 0u);
    EXPECT_NE(found[0].ftLastWriteTime.dwHighDateTime, 0u);
    EXPECT_NE(found[0].ftCreationTime.dwHighDateTime, 0u);
    EXPECT_EQ(found[1].dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(found[2].dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
}

TEST_F(FindFiles, AllEntriesButNeverDotAndDotDot) {
    const auto found = FindAll(u"\\My Documents\\*.*");
    EXPECT_EQ(Names(found), (std::vector<std::u16string>{u".hidden", u"Home.zqw", u"list.txt", u"Theme.zqw", u"work.ZQW"}));
    EXPECT_TRUE(found[0].dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Names(FindAll(u"\\*")), std::vector<std::u16string>{u"My Documents"});
    EXPECT_EQ(Names(FindAll(u"/My Documents/Theme.zqw")), std::vector<std::u16string>{u"Theme.zqw"});
}

TEST_F(FindFiles, FailuresTellAnEmptyMatchFromAMissingFolder) {
    WIN32_FIND_DATAW data{};
    const struct {
        const char16_t* pattern;
        DWORD error;
    } cases[] = {
        {u"\\My Documents\\*.pwi", ERROR_NO_MORE_FILES},
        {u"\\My Documents\\Theme.zqw\\x*", ERROR_NO_MORE_FILES},
        {u"\\My Documents\\missing.txt", ERROR_FILE_NOT_FOUND},
        {u"\\Nowhere\\*.*", ERROR_PATH_NOT_FOUND},
        {u"\\My Documents\\list.txt\\*", ERROR_PATH_NOT_FOUND},
        {u"\\My*\\*.txt", ERROR_INVALID_NAME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::ToUtf8(c.pattern));
        SetLastError(0);
        EXPECT_EQ(FindFirstFileW(c.pattern, &data), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(FindFiles, SearchHandlesAreCheckedAndEndWithNoMoreFiles) {
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW(u"\\My Documents\\list.txt", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_FALSE(FindNextFileW(search, &data));
    EXPECT_TRUE(FindClose(search));
    EXPECT_FALSE(FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(FindClose(search));

    const HANDLE file = CreateFileW(u"\\My Documents\\list.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(FindNextFileW(file, &data));
    EXPECT_FALSE(FindClose(file));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(CloseHandle(file));
}

}  // namespace
