// swscanf: fields, widths, skipped fields, sets, and what it returns at a mismatch or the end.
#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace {

TEST(Swscanf, ReadsNumbersOfEverySize) {
    int d = 0, i = 0, x = 0;
    unsigned u = 0;
    LONG l = 0;
    long long ll = 0;
    short h = 0;
    EXPECT_EQ(swscanf(u" -12 0x1f ff 4000000000 -7 9000000000 70000", u"%d %i %x %u %ld %I64d %hd", &d, &i, &x, &u,
                      &l, &ll, &h),
              7);
    EXPECT_EQ(d, -12);
    EXPECT_EQ(i, 31);
    EXPECT_EQ(x, 255);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(l, -7);
    EXPECT_EQ(ll, 9000000000LL);
    EXPECT_EQ(h, static_cast<short>(70000));

    int a = 0, b = 0, c = 0;
    EXPECT_EQ(swscanf(u"2009-03-05", u"%d-%d-%d", &a, &b, &c), 3);
    EXPECT_EQ(a * 10000 + b * 100 + c, 20090305);
    EXPECT_EQ(swscanf(u"12345", u"%2d%3d", &a, &b), 2);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 345);
    EXPECT_EQ(swscanf(u"010 017", u"%i %o", &a, &b), 2);
    EXPECT_EQ(a, 8);
    EXPECT_EQ(b, 15);
}

TEST(Swscanf, ReadsTextsCharactersAndSets) {
    WCHAR word[16] = {};
    WCHAR rest[16] = {};
    WCHAR two[4] = {u'#', u'#', u'#', u'#'};
    char narrow[16] = {};
    EXPECT_EQ(swscanf(u"  hello world", u"%s %S", word, narrow), 2);
    EXPECT_EQ(std::u16string(word), u"hello");
    EXPECT_EQ(std::string(narrow), "world");
    EXPECT_EQ(swscanf(u"abcdef", u"%3s%s", word, rest), 2);
    EXPECT_EQ(std::u16string(word), u"abc");
    EXPECT_EQ(std::u16string(rest), u"def");
    EXPECT_EQ(swscanf(u" xy", u"%2c", two), 1);
    EXPECT_EQ(std::u16string(two, 3), u" x#") << "%c takes blanks and writes no terminator";
    EXPECT_EQ(swscanf(u"key=some value;", u"%[a-z]=%[^;]", word, rest), 2);
    EXPECT_EQ(std::u16string(word), u"key");
    EXPECT_EQ(std::u16string(rest), u"some value");
    EXPECT_EQ(swscanf(u"]]x", u"%[]]", word), 1);
    EXPECT_EQ(std::u16string(word), u"]]");
}

TEST(Swscanf, SkipsFieldsAndCountsCharacters) {
    int a = 0, b = 0, consumed = 0;
    EXPECT_EQ(swscanf(u"1 2 3", u"%d %*d %d%n", &a, &b, &consumed), 2);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(consumed, 5);
    double f = 0;
    float g = 0;
    EXPECT_EQ(swscanf(u"2.5 -1e2", u"%lf %f", &f, &g), 2);
    EXPECT_DOUBLE_EQ(f, 2.5);
    EXPECT_FLOAT_EQ(g, -100.0f);
    int pct = 0;
    EXPECT_EQ(swscanf(u"50%", u"%d%%", &pct), 1);
    EXPECT_EQ(pct, 50);
}

TEST(Swscanf, StopsAtAMismatchAndReportsTheEndOfInput) {
    int a = -1, b = -1;
    const struct {
        int result;
        int expected;
    } cases[] = {
        {swscanf(u"12 x", u"%d %d", &a, &b), 1},
        {swscanf(u"abc", u"%d", &a), 0},
        {swscanf(u"", u"%d", &a), -1},
        {swscanf(u"   ", u"%d", &a), -1},
        {swscanf(u"7", u"%d %d", &a, &b), 1},
        {swscanf(u"7:", u"%d-%d", &a, &b), 1},
        {swscanf(u"-", u"%d", &a), 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result, cases[i].expected) << "case " << i;
}

}  // namespace
