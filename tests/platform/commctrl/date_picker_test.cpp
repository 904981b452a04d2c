// The date and time picker: its value and "no date" state, refused values, the keys and digits that
// change one field, the check box under the stylus, the time format and the range.
#include <algorithm>
#include <string>

#include "commctrl_fixture.h"
#include "platform/testing_commctrl.h"

namespace {

using qvtest::ControlTest;

SYSTEMTIME Date(WORD y, WORD m, WORD d, WORD h = 0, WORD min = 0, WORD s = 0) {
    SYSTEMTIME t{};
    t.wYear = y;
    t.wMonth = m;
    t.wDay = d;
    t.wHour = h;
    t.wMinute = min;
    t.wSecond = s;
    return t;
}

std::u16string Shown(HWND dp) {
    WCHAR buffer[64] = {};
    GetWindowTextW(dp, buffer, 64);
    return buffer;
}

struct DatePickerTest : ControlTest {
    HWND Picker(DWORD style = DTS_SHORTDATEFORMAT | DTS_SHOWNONE) { return Make(DATETIMEPICK_CLASSW, style, 150, 22); }
    static LRESULT Set(HWND dp, const SYSTEMTIME& t) {
        return SendMessageW(dp, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
    }
    static SYSTEMTIME Get(HWND dp, LRESULT* result = nullptr) {
        SYSTEMTIME t{};
        const LRESULT r = SendMessageW(dp, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        if (result) *result = r;
        return t;
    }
};

TEST_F(DatePickerTest, NoDateStateReadsBackAndNeedsTheShowNoneStyle) {
    const HWND dp = Picker();
    ASSERT_TRUE(Set(dp, Date(2026, 3, 14)));
    LRESULT result = -5;
    SYSTEMTIME t = Get(dp, &result);
    EXPECT_EQ(result, GDT_VALID);
    EXPECT_EQ(t.wDay, 14);
    EXPECT_EQ(t.wDayOfWeek, 6);  // a Saturday
    EXPECT_EQ(Shown(dp), u"3/14/2026");

    EXPECT_TRUE(SendMessageW(dp, DTM_SETSYSTEMTIME, GDT_NONE, 0));
    Get(dp, &result);
    EXPECT_EQ(result, GDT_NONE);
    EXPECT_EQ(Shown(dp), u"");
    EXPECT_EQ(SendMessageW(dp, DTM_GETSYSTEMTIME, 0, 0), GDT_ERROR);

    const HWND plain = Picker(DTS_SHORTDATEFORMAT);
    EXPECT_FALSE(SendMessageW(plain, DTM_SETSYSTEMTIME, GDT_NONE, 0));
    Get(plain, &result);
    EXPECT_EQ(result, GDT_VALID);
}

TEST_F(DatePickerTest, ImpossibleValuesAreRefusedAndTheOldValueStays) {
    const HWND dp = Picker();
    Set(dp, Date(2024, 1, 31));
    const SYSTEMTIME bad[] = {Date(2023, 2, 29), Date(2024, 13, 1), Date(2024, 4, 31), Date(2024, 1, 1, 24),
                              Date(1500, 1, 1), Date(2024, 0, 10)};
    for (const SYSTEMTIME& b : bad) EXPECT_FALSE(Set(dp, b)) << b.wYear << "-" << b.wMonth << "-" << b.wDay;
    EXPECT_FALSE(SendMessageW(dp, DTM_SETSYSTEMTIME, GDT_VALID, 0));
    EXPECT_FALSE(SendMessageW(dp, DTM_SETSYSTEMTIME, 7, 0));
    EXPECT_EQ(Get(dp).wDay, 31);
    EXPECT_TRUE(Set(dp, Date(2024, 2, 29)));
}

TEST_F(DatePickerTest, KeysStepTheChosenFieldAndTellTheParent) {
    const HWND dp = Picker();  // M/d/yyyy: the month comes first
    Set(dp, Date(2024, 1, 31));
    Key(dp, VK_UP);  // January 31 + one month: the day is kept inside February
    EXPECT_EQ(Shown(dp), u"2/29/2024");
    ASSERT_EQ(Log().Of(DTN_DATETIMECHANGE).size(), 1u);
    EXPECT_EQ(Log().Of(DTN_DATETIMECHANGE)[0].dateFlags, static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(Log().Of(DTN_DATETIMECHANGE)[0].time.wMonth, 2);
    Key(dp, VK_DOWN);
    Key(dp, VK_DOWN);
    EXPECT_EQ(Shown(dp), u"12/29/2024");  // wraps within the field
    Key(dp, VK_RIGHT);  // the day
    Key(dp, VK_UP);
    Key(dp, VK_UP);
    Key(dp, VK_UP);
    EXPECT_EQ(Get(dp).wDay, 1);  // 29, 30, 31, then 1
    Key(dp, VK_RIGHT);  // the year
    Key(dp, VK_UP);
    EXPECT_EQ(Get(dp).wYear, 2025);
    Key(dp, VK_RIGHT);  // wraps to the month
    Key(dp, VK_UP);
    EXPECT_EQ(Get(dp).wMonth, 1);
}

TEST_F(DatePickerTest, TypedDigitsBuildTheFieldOrStartAnew) {
    const HWND dp = Picker();
    Set(dp, Date(2024, 5, 15));
    Key(dp, VK_RIGHT);  // the day
    struct Case {
        const char16_t* typed;
        WORD day;
    };
    const Case cases[] = {{u"12", 12}, {u"45", 5}, {u"3", 3}, {u"07", 7}};
    for (const Case& c : cases) {
        SendMessageW(dp, WM_KILLFOCUS, 0, 0);  // a fresh start for the field
        for (const char16_t* p = c.typed; *p; ++p) SendMessageW(dp, WM_CHAR, *p, 0);
        EXPECT_EQ(Get(dp).wDay, c.day) << std::string(c.typed, c.typed + 2);
    }
    Key(dp, VK_RIGHT);
    for (const char16_t ch : std::u16string(u"2031")) SendMessageW(dp, WM_CHAR, ch, 0);
    EXPECT_EQ(Get(dp).wYear, 2031);
    SendMessageW(dp, WM_CHAR, u'x', 0);
    EXPECT_EQ(Get(dp).wYear, 2031);
}

TEST_F(DatePickerTest, CheckBoxUnderTheStylusAndSpaceToggleNoDate) {
    const HWND dp = Picker();
    Set(dp, Date(2026, 7, 4));
    Tap(dp, 5, 11);
    LRESULT result = 0;
    Get(dp, &result);
    EXPECT_EQ(result, GDT_NONE);
    ASSERT_EQ(Log().Of(DTN_DATETIMECHANGE).size(), 1u);
    EXPECT_EQ(Log().Of(DTN_DATETIMECHANGE)[0].dateFlags, static_cast<DWORD>(GDT_NONE));
    Key(dp, VK_SPACE);
    const SYSTEMTIME back = Get(dp, &result);
    EXPECT_EQ(result, GDT_VALID);
    EXPECT_EQ(back.wDay, 4);  // the date it had comes back
    EXPECT_EQ(Log().Of(NM_SETFOCUS).size(), 1u);
}

TEST_F(DatePickerTest, TimeFormatShowsTwelveHourTimeAndTypesAmPm) {
    const HWND dp = Picker(DTS_TIMEFORMAT);
    Set(dp, Date(2026, 1, 1, 15, 5, 0));
    EXPECT_EQ(Shown(dp), u"3:05:00 PM");
    Key(dp, VK_LEFT);  // wraps to the AM/PM field
    SendMessageW(dp, WM_CHAR, u'a', 0);
    EXPECT_EQ(Get(dp).wHour, 3);
    SendMessageW(dp, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"HH':'mm"));
    EXPECT_EQ(Shown(dp), u"03:05");
    Key(dp, VK_DOWN);
    EXPECT_EQ(Get(dp).wHour, 2);
}

TEST_F(DatePickerTest, NarrowTimePickerDropsTheSecondsRatherThanCuttingTheText) {
    const HWND dp = Make(DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | DTS_SHOWNONE, 60, 22);
    Set(dp, Date(2026, 1, 1, 20, 30, 15));
    EXPECT_EQ(Shown(dp), u"8:30 PM");
    Key(dp, VK_LEFT);  // wraps to the AM/PM field, which stays there
    SendMessageW(dp, WM_CHAR, u'a', 0);
    EXPECT_EQ(Get(dp).wHour, 8);
    EXPECT_EQ(Get(dp).wSecond, 15);  // kept, only not shown

    MoveWindow(dp, 0, 0, 150, 22, TRUE);
    EXPECT_EQ(Shown(dp), u"8:30:15 AM");
    MoveWindow(dp, 0, 0, 60, 22, TRUE);
    EXPECT_EQ(Shown(dp), u"8:30 AM");
    SendMessageW(dp, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"h:mm:ss tt"));  // the caller's own format stays
    EXPECT_EQ(Shown(dp), u"8:30:15 AM");
}

TEST_F(DatePickerTest, RangeKeepsStepsInside) {
    const HWND dp = Picker();
    SYSTEMTIME range[2] = {Date(2024, 1, 1), Date(2024, 12, 31)};
    ASSERT_TRUE(SendMessageW(dp, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
    Set(dp, Date(2024, 12, 31));
    Key(dp, VK_RIGHT);
    Key(dp, VK_RIGHT);  // the year
    Key(dp, VK_UP);
    EXPECT_EQ(Get(dp).wYear, 2024);
    SYSTEMTIME out[2] = {};
    EXPECT_EQ(SendMessageW(dp, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(out)), GDTR_MIN | GDTR_MAX);
    EXPECT_EQ(out[1].wMonth, 12);
}

}  // namespace

namespace {

TEST_F(DatePickerTest, TextIsGreyWithoutAValueOrWhenSwitchedOff) {
    const HWND dp = Picker();
    Set(dp, Date(2026, 8, 8));
    // The darkest pixel of the text shows its colour: black when live, grey otherwise.
    const auto darkest = [&] {
        int least = 255 * 3;
        for (int x = 30; x < 140; ++x)
            for (int y = 4; y < 18; ++y) {
                const COLORREF c = platform::testing::ControlPixel(dp, x, y);
                least = std::min(least, GetRValue(c) + GetGValue(c) + GetBValue(c));
            }
        return least;
    };
    EXPECT_EQ(darkest(), 0);
    EnableWindow(dp, FALSE);
    EXPECT_GT(darkest(), 0);
    EnableWindow(dp, TRUE);
    SendMessageW(dp, DTM_SETSYSTEMTIME, GDT_NONE, 0);
    EXPECT_GT(darkest(), 0);
}

}  // namespace
