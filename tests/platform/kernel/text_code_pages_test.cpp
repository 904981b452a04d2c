// Code-page conversions: UTF-8 and Windows-1252 through the platform calls and the runtime's
// wcstombs/mbstowcs, with their length and buffer rules.
#include <gtest/gtest.h>

#include <string>

#include "platform/system.h"
#include "platform/testing.h"
#include "platform/text.h"

namespace {

platform::DeviceProfile WithCodePage(UINT page) {
    platform::DeviceProfile profile;
    profile.ansiCodePage = page;
    return profile;
}

std::string ToBytes(UINT page, std::u16string_view text) {
    const int n = WideCharToMultiByte(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    EXPECT_EQ(WideCharToMultiByte(page, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr), n);
    return out;
}

std::u16string FromBytes(UINT page, std::string_view bytes) {
    const int n = MultiByteToWideChar(page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    EXPECT_EQ(MultiByteToWideChar(page, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n), n);
    return out;
}

TEST(CodePages, Utf8RoundTripsEveryPlaneAndSurrogatePairs) {
    const std::u16string text = u"a\u00e9\u20ac\u4e2d\U0001F600z";
    const std::string bytes = ToBytes(CP_UTF8, text);
    EXPECT_EQ(bytes, "a\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80z");
    EXPECT_EQ(FromBytes(CP_UTF8, bytes), text);
    // A lone surrogate cannot be written as UTF-8; it becomes U+FFFD, or an error when asked.
    const WCHAR lone[] = {u'a', 0xD800, u'b'};
    EXPECT_EQ(ToBytes(CP_UTF8, std::u16string_view(lone, 3)), "a\xEF\xBF\xBD" "b");
    char out[16];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, out, 16, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePages, InvalidUtf8BecomesReplacementOrAnError) {
    for (const std::string bad : {"\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(FromBytes(CP_UTF8, bad).find(u'\xFFFD'), 0u);
        WCHAR out[8];
        SetLastError(0);
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bad.data(), static_cast<int>(bad.size()), out, 8), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    }
}

TEST(CodePages, Windows1252MapsItsSpecialRangeAndReplacesWhatItLacks) {
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {0x41, u'A'},     {0x80, 0x20AC}, {0x85, 0x2026}, {0x8A, 0x0160}, {0x91, 0x2018}, {0x92, 0x2019},
        {0x96, 0x2013},   {0x99, 0x2122}, {0x9F, 0x0178}, {0x81, 0x0081}, {0x9D, 0x009D}, {0xA0, 0x00A0},
        {0xE9, 0x00E9},   {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(FromBytes(CP_1252, byte), std::u16string(1, c.character)) << int{c.byte};
        EXPECT_EQ(ToBytes(CP_1252, std::u16string(1, c.character)), byte) << int{c.byte};
    }
    BOOL used = FALSE;
    char out[8];
    const std::u16string missing = u"\u4e2d\U0001F600\u0080x";
    EXPECT_EQ(WideCharToMultiByte(CP_1252, 0, missing.c_str(), -1, out, 8, nullptr, &used), 5);
    EXPECT_EQ(std::string(out), "???x");
    EXPECT_TRUE(used);
    EXPECT_EQ(WideCharToMultiByte(CP_1252, 0, u"\u4e2d", 1, out, 8, "*", &used), 1);
    EXPECT_EQ(out[0], '*');
}

TEST(CodePages, LengthAndBufferRules) {
    char bytes[8] = "#######";
    // -1 takes the terminator along and counts it.
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"ab", -1, nullptr, 0, nullptr, nullptr), 3);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"ab", -1, bytes, 8, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(bytes), "ab");
    // An explicit length writes no terminator.
    std::fill(std::begin(bytes), std::end(bytes), '#');
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"ab", 2, bytes, 8, nullptr, nullptr), 2);
    EXPECT_EQ(bytes[2], '#');
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u00e9\u00e9", -1, bytes, 4, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    WCHAR wide[4];
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", -1, nullptr, 0), 3);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", -1, wide, 2), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    const struct {
        int result;
    } invalid[] = {
        {WideCharToMultiByte(CP_UTF8, 0, u"a", 0, bytes, 8, nullptr, nullptr)},
        {WideCharToMultiByte(CP_UTF8, 0, nullptr, -1, bytes, 8, nullptr, nullptr)},
        {WideCharToMultiByte(437, 0, u"a", -1, bytes, 8, nullptr, nullptr)},
        {MultiByteToWideChar(CP_UTF8, 0, "a", -2, wide, 4)},
        {MultiByteToWideChar(CP_UTF8, 0, "a", -1, nullptr, 4)},
    };
    for (const auto& c : invalid) EXPECT_EQ(c.result, 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePages, AnsiPageFollowsTheProfile) {
    platform::testing::TestDevice device(WithCodePage(65001));
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(ToBytes(CP_ACP, u"\u00e9"), "\xC3\xA9");
    device.SetProfile(WithCodePage(1252));
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_1252));
    EXPECT_EQ(ToBytes(CP_ACP, u"\u00e9\u20ac"), "\xE9\x80");
}

TEST(RuntimeConversion, WcstombsCountsWithoutTheTerminatorAndNeverSplitsACharacter) {
    platform::testing::TestDevice device(WithCodePage(65001));
    const WCHAR* text = u"ab\u00e9\U0001F600";  // 2 + 2 + 4 bytes
    EXPECT_EQ(wcstombs(nullptr, text, 0), 8u);
    char out[16];
    std::fill(std::begin(out), std::end(out), '#');
    EXPECT_EQ(wcstombs(out, text, 16), 8u);
    EXPECT_EQ(out[8], 0);
    std::fill(std::begin(out), std::end(out), '#');
    EXPECT_EQ(wcstombs(out, text, 8), 8u);
    EXPECT_EQ(out[8], '#') << "no room, no terminator";
    std::fill(std::begin(out), std::end(out), '#');
    EXPECT_EQ(wcstombs(out, text, 6), 4u);
    EXPECT_EQ(std::string(out, 5), std::string("ab\xC3\xA9\0", 5));
}

TEST(RuntimeConversion, WcstombsFailsOnWhatWindows1252Lacks) {
    platform::testing::TestDevice device(WithCodePage(1252));
    char out[16];
    EXPECT_EQ(wcstombs(out, u"Caf\u00e9 \u20ac", 16), 6u);
    EXPECT_EQ(std::string(out), "Caf\xE9 \x80");
    EXPECT_EQ(wcstombs(out, u"ab\u4e2dc", 16), static_cast<std::size_t>(-1));
    EXPECT_EQ(std::string(out), "ab");
    EXPECT_EQ(wcstombs(nullptr, u"\u4e2d", 0), static_cast<std::size_t>(-1));
}

TEST(RuntimeConversion, MbstowcsConvertsThroughTheAnsiPage) {
    platform::testing::TestDevice device(WithCodePage(65001));
    WCHAR out[8];
    EXPECT_EQ(mbstowcs(nullptr, "a\xF0\x9F\x98\x80", 0), 3u);
    EXPECT_EQ(mbstowcs(out, "a\xF0\x9F\x98\x80", 8), 3u);
    EXPECT_EQ(std::u16string(out), u"a\U0001F600");
    EXPECT_EQ(mbstowcs(out, "a\xF0\x9F\x98\x80", 2), 1u) << "half a pair is never written";
    EXPECT_EQ(mbstowcs(out, "a\xFF", 8), static_cast<std::size_t>(-1));

    device.SetProfile(WithCodePage(1252));
    EXPECT_EQ(mbstowcs(out, "\x80\xE9", 8), 2u);
    EXPECT_EQ(std::u16string(out), u"\u20ac\u00e9");
}

// Texts of the record files go out with wcstombs and come back with mbstowcs unchanged.
TEST(RuntimeConversion, RecordTextsRoundTripInBothPages) {
    for (const UINT page : {65001u, 1252u}) {
        platform::testing::TestDevice device(WithCodePage(page));
        const std::u16string text = page == 65001 ? u"Meeting \u00e9\u4e2d\U0001F600" : u"Caf\u00e9 \u20ac \u2122";
        char bytes[64];
        const std::size_t n = wcstombs(bytes, text.c_str(), sizeof bytes);
        ASSERT_NE(n, static_cast<std::size_t>(-1));
        WCHAR back[64];
        ASSERT_EQ(mbstowcs(back, bytes, 64), text.size());
        EXPECT_EQ(std::u16string(back), text) << page;
    }
}

}  // namespace
