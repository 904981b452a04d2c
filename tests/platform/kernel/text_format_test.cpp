// The platform's formatting: the conversions and flags, the 1024-character limit of wsprintfW,
// and the runtime's bounded forms.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/testing.h"
#include "platform/text.h"

namespace {

std::string Narrow(const std::u16string& s) { return platform::ToUtf8(s); }

TEST(Format, ConversionsAndFlags) {
    const WCHAR wide[] = u"Caf\u00e9";
    const char narrow[] = "plain";
    const struct {
        std::u16string actual;
        const WCHAR* expected;
    } cases[] = {
        {platform::FormatW(u"%d|%i|%d", 42, -7, INT_MIN), u"42|-7|-2147483648"},
        {platform::FormatW(u"%u|%u", 3000000000u, -1), u"3000000000|4294967295"},
        {platform::FormatW(u"%ld|%lu|%lx", static_cast<LONG>(-5), static_cast<DWORD>(0xFFFFFFFF), static_cast<LONG>(-1)),
         u"-5|4294967295|ffffffff"},
        {platform::FormatW(u"%x|%X|%#x|%#X|%#x|%o|%#o", 255, 255, 255, 255, 0, 8, 8), u"ff|FF|0xff|0XFF|0|10|010"},
        {platform::FormatW(u"%02d:%02d|%5d|%-5d|%05d|%-05d|", 7, 30, 42, 42, -42, 42), u"07:30|   42|42   |-0042|42   |"},
        {platform::FormatW(u"%+d|%+d|% d|% d", 5, -5, 5, -5), u"+5|-5| 5|-5"},
        {platform::FormatW(u"%.3d|%6.3d|%.0d|%.0d|", 7, -7, 0, 1), u"007|  -007||1|"},
        {platform::FormatW(u"%*d|%-*d|%.*d", 4, 1, 3, 2, 3, 5), u"   1|2  |005"},
        {platform::FormatW(u"%I64d|%lld|%I64u|%I64x", -9000000000LL, 9000000000LL, 18446744073709551615ULL,
                           0x123456789ABCULL),
         u"-9000000000|9000000000|18446744073709551615|123456789abc"},
        {platform::FormatW(u"%hd|%hu", 70000, 70000), u"4464|4464"},
        {platform::FormatW(u"[%s][%5s][%-5s][%.2s][%5.1s]", u"ab", u"ab", u"ab", u"abc", u"abc"),
         u"[ab][   ab][ab   ][ab][    a]"},
        {platform::FormatW(u"%s|%ls|%S|%hs", wide, wide, narrow, narrow), u"Caf\u00e9|Caf\u00e9|plain|plain"},
        {platform::FormatW(u"%s|%S", static_cast<const WCHAR*>(nullptr), static_cast<const char*>(nullptr)),
         u"(null)|(null)"},
        {platform::FormatW(u"%c%c|%3c|%-3c|%C", u'o', u'\u00e9', u'x', u'y', 'z'), u"o\u00e9|  x|y  |z"},
        {platform::FormatW(u"100%%|%q|%"), u"100%|q|"},
        {platform::FormatW(u"%.2f|%8.3f|%-8.1f|%e|%g|%g", 3.14159, 2.5, -1.25, 12345.678, 0.0001, 1e20),
         u"3.14|   2.500|-1.2    |1.234568e+04|0.0001|1e+20"},
        {platform::FormatW(u"%d%n|%d", 1, static_cast<int*>(nullptr), 2), u"1|2"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(c.actual), Narrow(c.expected));
}

TEST(Format, PointersAreFixedWidthHex) {
    const void* p = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(0xBEEF));
    EXPECT_EQ(platform::FormatW(u"%p", p), sizeof(void*) == 8 ? u"000000000000BEEF" : u"0000BEEF");
}

TEST(Format, NarrowTextsComeThroughTheAnsiPage) {
    platform::DeviceProfile profile;
    platform::testing::TestDevice device(profile);
    EXPECT_EQ(platform::FormatW(u"%S", "\xC3\xA9t\xC3\xA9"), u"\u00e9t\u00e9");
    profile.ansiCodePage = 1252;
    device.SetProfile(profile);
    EXPECT_EQ(platform::FormatW(u"%S|%C", "\xE9t\xE9 \x80", '\x80'), u"\u00e9t\u00e9 \u20ac|\u20ac");
}

TEST(Wsprintf, ReturnsTheLengthAndTerminates) {
    WCHAR out[64];
    EXPECT_EQ(wsprintfW(out, u"%d:%02d%s", 9, 5, u"a"), 5);
    EXPECT_EQ(std::u16string(out), u"9:05a");
    EXPECT_EQ(wsprintfW(out, u""), 0);
    EXPECT_EQ(out[0], 0);
}

// The buffer is 1024 characters with its terminator: a longer text is cut, never written past it.
TEST(Wsprintf, NeverWritesPastItsLimit) {
    const std::u16string longText(3000, u'x');
    std::u16string buffer(1100, u'#');
    EXPECT_EQ(wsprintfW(buffer.data(), u"%s", longText.c_str()), 1023);
    EXPECT_EQ(buffer[1022], u'x');
    EXPECT_EQ(buffer[1023], 0);
    EXPECT_EQ(buffer[1024], u'#');

    // A surrogate pair is never cut in half at the limit.
    const std::u16string pairs = std::u16string(1022, u'a') + u"\U0001F600";
    EXPECT_EQ(wsprintfW(buffer.data(), u"%s", pairs.c_str()), 1022);
    EXPECT_EQ(buffer[1022], 0);
}

TEST(Snwprintf, CutsAndReportsMinusOneWhenTheTextDoesNotFit) {
    const struct {
        std::size_t size;
        int result;
        const WCHAR* written;
        bool terminated;
    } cases[] = {
        {10, 5, u"12345", true},
        {6, 5, u"12345", true},
        {5, 5, u"12345", false},  // exactly full: no terminator
        {3, -1, u"123", false},
        {0, -1, u"", false},
    };
    for (const auto& c : cases) {
        WCHAR out[16];
        std::fill(std::begin(out), std::end(out), u'#');
        EXPECT_EQ(_snwprintf(out, c.size, u"%d", 12345), c.result) << c.size;
        const std::size_t n = wcslen(c.written);
        EXPECT_EQ(std::u16string(out, n), c.written) << c.size;
        EXPECT_EQ(out[n], c.terminated ? u'\0' : u'#') << c.size;
    }
}

TEST(StringCchPrintf, AlwaysTerminatesAndSaysWhenItCut) {
    const struct {
        std::size_t size;
        HRESULT result;
        const WCHAR* written;
    } cases[] = {
        {10, S_OK, u"12345"},
        {6, S_OK, u"12345"},
        {5, STRSAFE_E_INSUFFICIENT_BUFFER, u"1234"},
        {1, STRSAFE_E_INSUFFICIENT_BUFFER, u""},
    };
    for (const auto& c : cases) {
        WCHAR out[16];
        std::fill(std::begin(out), std::end(out), u'#');
        EXPECT_EQ(StringCchPrintfW(out, c.size, u"%d", 12345), c.result) << c.size;
        EXPECT_EQ(std::u16string(out), c.written) << c.size;
    }
    WCHAR out[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(StringCchPrintfW(out, 0, u"%d", 1), STRSAFE_E_INVALID_PARAMETER);
    EXPECT_EQ(out[0], u'#');
    // A pair of surrogates is never cut in half.
    EXPECT_EQ(StringCchPrintfW(out, 3, u"a%s", u"\U0001F600"), STRSAFE_E_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::u16string(out), u"a");
}

TEST(Swprintf, WritesWholeTextsOfAnyLength) {
    const std::u16string longText(3000, u'y');
    std::u16string buffer(3100, u'#');
    EXPECT_EQ(swprintf(buffer.data(), u"<%s>", longText.c_str()), 3002);
    EXPECT_EQ(buffer[3001], u'>');
    EXPECT_EQ(buffer[3002], 0);
}

}  // namespace
