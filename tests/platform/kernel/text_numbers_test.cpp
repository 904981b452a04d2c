// Numbers in wide texts: _wtol and its relatives, in the device's 32-bit long range.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <string>

#include "platform/text.h"

namespace {

TEST(Wtol, ReadsBlanksSignAndDigitsAndStopsAtTheRest) {
    const struct {
        const WCHAR* text;
        long value;
    } cases[] = {
        {u"42", 42},
        {u"  \t-17", -17},
        {u"+8", 8},
        {u"12abc", 12},
        {u"12 34", 12},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u"+-5", 0},
        {u"- 5", 0},
        {u"0x1A", 0},
        {u"007", 7},
        {u"2147483647", 2147483647},
        {u"2147483648", 2147483647},
        {u"-2147483648", -2147483647L - 1},
        {u"-99999999999999999999999", -2147483647L - 1},
        {u"99999999999999999999999", 2147483647},
        {u"\u00a012", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(_wtol(c.text), c.value) << platform::ToUtf8(c.text);
        EXPECT_EQ(_wtoi(c.text), static_cast<int>(c.value)) << platform::ToUtf8(c.text);
    }
    EXPECT_EQ(_wtol(nullptr), 0);
}

TEST(Wcstol, HonoursTheBaseAndReportsWhereItStopped) {
    const struct {
        const WCHAR* text;
        int base;
        long value;
        std::size_t consumed;
    } cases[] = {
        {u"  123xyz", 10, 123, 5}, {u"ff", 16, 255, 2},  {u"0xff", 16, 255, 4}, {u"0xff", 0, 255, 4},
        {u"0777", 0, 511, 4},      {u"0x", 16, 0, 1},    {u"z", 36, 35, 1},     {u"101", 2, 5, 3},
        {u"xyz", 10, 0, 0},        {u"12", 1, 0, 0},     {u"-0x10", 0, -16, 5},
    };
    for (const auto& c : cases) {
        WCHAR* end = nullptr;
        EXPECT_EQ(wcstol(c.text, &end, c.base), c.value) << platform::ToUtf8(c.text);
        EXPECT_EQ(static_cast<std::size_t>(end - c.text), c.consumed) << platform::ToUtf8(c.text);
    }
    errno = 0;
    EXPECT_EQ(wcstol(u"3000000000", nullptr, 10), 2147483647);
    EXPECT_EQ(errno, ERANGE);
}

TEST(Wcstoul, WrapsTheMinusSignAndClampsToThirtyTwoBits) {
    EXPECT_EQ(wcstoul(u"4294967295", nullptr, 10), 4294967295ul);
    EXPECT_EQ(wcstoul(u"-1", nullptr, 10), 4294967295ul);
    EXPECT_EQ(wcstoul(u"4294967296", nullptr, 10), 4294967295ul);
    EXPECT_EQ(wcstoul(u"FFFFFFFF", nullptr, 16), 4294967295ul);
}

TEST(Wcstod, ReadsDecimalNumbersWhateverTheLocale) {
    const struct {
        const WCHAR* text;
        double value;
        std::size_t consumed;
    } cases[] = {
        {u"3.25", 3.25, 4}, {u"  -0.5kg", -0.5, 6}, {u"1e3", 1000.0, 3}, {u".5", 0.5, 2},
        {u"+7.", 7.0, 3},   {u"abc", 0.0, 0},       {u"2,5", 2.0, 1},
    };
    for (const auto& c : cases) {
        WCHAR* end = nullptr;
        EXPECT_DOUBLE_EQ(wcstod(c.text, &end), c.value) << platform::ToUtf8(c.text);
        EXPECT_EQ(static_cast<std::size_t>(end - c.text), c.consumed) << platform::ToUtf8(c.text);
    }
    EXPECT_DOUBLE_EQ(_wtof(u"12.5 pounds"), 12.5);
    EXPECT_TRUE(std::isinf(wcstod(u"1e999", nullptr)));
    EXPECT_EQ(wcstod(u"1e-999", nullptr), 0.0);
}

TEST(Itow, WritesSignOnlyInDecimal) {
    WCHAR out[40];
    EXPECT_EQ(_itow(1, out, 10), out);
    const struct {
        std::u16string result;
        const WCHAR* text;
    } cases[] = {
        {_itow(-123, out, 10), u"-123"},
        {_itow(0, out, 10), u"0"},
        {_itow(-1, out, 16), u"ffffffff"},
        {_itow(255, out, 2), u"11111111"},
        {_ltow(-2147483647L - 1, out, 10), u"-2147483648"},
        {_ltow(35, out, 36), u"z"},
        {_ultow(4294967295ul, out, 10), u"4294967295"},
        {_itow(5, out, 1), u""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.text);
}

}  // namespace
