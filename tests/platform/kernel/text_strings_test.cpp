// The wide string calls, character classes and the platform's case changes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/text.h"

namespace {

TEST(WideStrings, CopiesRespectTheirBounds) {
    WCHAR out[8];
    std::fill(std::begin(out), std::end(out), u'#');
    wcsncpy(out, u"ab", 5);
    EXPECT_EQ(std::u16string(out, 6), std::u16string(u"ab\0\0\0#", 6)) << "padded with zeros up to n";
    std::fill(std::begin(out), std::end(out), u'#');
    wcsncpy(out, u"abcdef", 3);
    EXPECT_EQ(std::u16string(out, 4), u"abc#") << "not terminated when the source is longer";

    std::fill(std::begin(out), std::end(out), u'#');
    EXPECT_EQ(lstrcpynW(out, u"abcdef", 4), out);
    EXPECT_EQ(std::u16string(out), u"abc");
    EXPECT_EQ(lstrcpynW(out, u"ab", 8), out);
    EXPECT_EQ(std::u16string(out), u"ab");

    WCHAR joined[16] = u"ab";
    wcsncat(joined, u"cdef", 2);
    EXPECT_EQ(std::u16string(joined), u"abcd");
    lstrcatW(joined, u"!");
    EXPECT_EQ(std::u16string(joined), u"abcd!");
    EXPECT_EQ(lstrlenW(joined), 5);
    EXPECT_EQ(lstrlenW(nullptr), 0);
}

TEST(WideStrings, SearchesFindFirstLastAndTerminator) {
    WCHAR text[] = u"a\\b\\c.txt";
    EXPECT_EQ(wcschr(text, u'\\'), text + 1);
    EXPECT_EQ(wcsrchr(text, u'\\'), text + 3);
    EXPECT_EQ(wcschr(text, u'\0'), text + 9);
    EXPECT_EQ(wcschr(text, u'z'), nullptr);
    EXPECT_EQ(wcsstr(text, u".txt"), text + 5);
    EXPECT_EQ(wcsstr(text, u""), text);
    EXPECT_EQ(wcsstr(text, u"txtx"), nullptr);
    EXPECT_EQ(wcsspn(u"123abc", u"0123456789"), 3u);
    EXPECT_EQ(wcscspn(u"abc,def", u",;"), 3u);
}

TEST(WideStrings, ComparisonsOrderAsThePlatform) {
    const struct {
        int actual;
        int expected;
    } cases[] = {
        {wcscmp(u"abc", u"abd"), -1},       {wcscmp(u"abc", u"abc"), 0},     {wcscmp(u"b", u"B"), 1},
        {wcsncmp(u"abcX", u"abcY", 3), 0}, {_wcsicmp(u"\u00c9t\u00c9", u"\u00e9T\u00e9"), 0},
        {_wcsicmp(u"apple", u"Banana"), -1}, {_wcsnicmp(u"ABCx", u"abcy", 3), 0},
        {lstrcmpiW(u"HELLO", u"hello"), 0}, {lstrcmpW(u"apple", u"Banana"), -1},  // letters before case
        {lstrcmpW(u"a", u"A"), -1},          {lstrcmpW(u"A", u"a"), 1},        {lstrcmpW(u"ab", u"ab"), 0},
        {lstrcmpW(u"ab", u"abc"), -1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
}

TEST(WideStrings, DupAndCaseChanges) {
    WCHAR* copy = _wcsdup(u"Caf\u00e9 \u0414");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::u16string(_wcsupr(copy)), u"CAF\u00c9 \u0414");
    EXPECT_EQ(std::u16string(_wcslwr(copy)), u"caf\u00e9 \u0434");
    std::free(copy);

    WCHAR text[] = u"MiXeD";
    EXPECT_EQ(CharLowerW(text), text);
    EXPECT_EQ(std::u16string(text), u"mixed");
    EXPECT_EQ(CharUpperBuffW(text, 2), 2u);
    EXPECT_EQ(std::u16string(text), u"MIxed");
    // One character passed in place of a pointer comes back converted the same way.
    const LPWSTR one = CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(u'\u00e9')));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(one), static_cast<ULONG_PTR>(u'\u00c9'));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(u'Q')))),
              static_cast<ULONG_PTR>(u'q'));
}

TEST(CharacterClasses, ClassifyAcrossScripts) {
    const struct {
        WCHAR c;
        bool alpha, digit, space, upper, lower, punct;
    } cases[] = {
        {u'A', true, false, false, true, false, false},       {u'z', true, false, false, false, true, false},
        {u'5', false, true, false, false, false, false},      {u' ', false, false, true, false, false, false},
        {u'\t', false, false, true, false, false, false},     {u'.', false, false, false, false, false, true},
        {u'\u00e9', true, false, false, false, true, false},  {u'\u00c9', true, false, false, true, false, false},
        {u'\u00df', true, false, false, false, true, false},  {u'\u00d7', false, false, false, false, false, true},
        {u'\u03a9', true, false, false, true, false, false},  {u'\u0436', true, false, false, false, true, false},
        {u'\u4e2d', true, false, false, false, false, false}, {u'\u00a0', false, false, true, false, false, false},
        {u'\u2014', false, false, false, false, false, true}, {u'\u0661', false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        const int code = c.c;
        EXPECT_EQ(iswalpha(c.c) != 0, c.alpha) << code;
        EXPECT_EQ(IsCharAlphaW(c.c) != 0, c.alpha) << code;
        EXPECT_EQ(iswdigit(c.c) != 0, c.digit) << code;
        EXPECT_EQ(iswalnum(c.c) != 0, c.alpha || c.digit) << code;
        EXPECT_EQ(iswspace(c.c) != 0, c.space) << code;
        EXPECT_EQ(iswupper(c.c) != 0, c.upper) << code;
        EXPECT_EQ(iswlower(c.c) != 0, c.lower) << code;
        EXPECT_EQ(iswpunct(c.c) != 0, c.punct) << code;
    }
    EXPECT_TRUE(iswxdigit(u'f'));
    EXPECT_FALSE(iswxdigit(u'g'));
}

}  // namespace
