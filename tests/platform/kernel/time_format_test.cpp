// The locale's date and time texts: pictures, the profile's short date, flags and buffer rules.
#include <string>

#include "platform/system.h"
#include "platform/testing.h"
#include "platform/text.h"
#include "time_test_support.h"

namespace {

std::u16string DateText(DWORD flags, const SYSTEMTIME& date, const WCHAR* picture = nullptr) {
    WCHAR out[128] = {};
    const int n = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &date, picture, out, 128);
    EXPECT_GT(n, 0) << "error " << GetLastError();
    EXPECT_EQ(static_cast<std::size_t>(n), wcslen(out) + 1);
    return out;
}

std::u16string TimeText(DWORD flags, const SYSTEMTIME& time, const WCHAR* picture = nullptr) {
    WCHAR out[128] = {};
    const int n = GetTimeFormatW(LOCALE_USER_DEFAULT, flags, &time, picture, out, 128);
    EXPECT_GT(n, 0) << "error " << GetLastError();
    return out;
}

TEST(DateFormat, ExpandsPictures) {
    const SYSTEMTIME date = MakeTime(2009, 3, 5, 14, 7, 9);  // a Thursday; the weekday field is left 0
    const struct {
        const WCHAR* picture;
        const WCHAR* text;
    } cases[] = {
        {u"d/M/yy", u"5/3/09"},
        {u"dd.MM.yyyy", u"05.03.2009"},
        {u"ddd, MMM d", u"Thu, Mar 5"},
        {u"dddd MMMM", u"Thursday March"},
        {u"y", u"9"},
        {u"'Day' d 'of' MMMM", u"Day 5 of March"},
        {u"'It''s' d", u"It's 5"},
        {u"yyyy-MM-dd hh:mm", u"2009-03-05 hh:mm"},  // time letters are text in a date picture
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(0, date, c.picture), c.text) << platform::ToUtf8(c.picture);
}

TEST(DateFormat, ShortDateFollowsTheProfileAndLongDateIsFixed) {
    const SYSTEMTIME date = MakeTime(2009, 3, 5);
    platform::DeviceProfile profile;
    platform::testing::TestDevice device(profile);
    EXPECT_EQ(DateText(DATE_SHORTDATE, date), u"3/5/2009");
    EXPECT_EQ(DateText(0, date), u"3/5/2009");
    EXPECT_EQ(DateText(DATE_LONGDATE, date), u"Thursday, March 05, 2009");

    profile.shortDate = u"dd.MM.yyyy";
    device.SetProfile(profile);
    EXPECT_EQ(DateText(DATE_SHORTDATE, date), u"05.03.2009");
    WCHAR picture[32] = {};
    EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, 32), 11);
    EXPECT_EQ(std::u16string(picture), u"dd.MM.yyyy");
}

TEST(DateFormat, FollowsThePlatformsBufferAndErrorRules) {
    const SYSTEMTIME date = MakeTime(2009, 3, 5);
    platform::testing::TestDevice device;
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, nullptr, 0), 9);
    WCHAR small[8] = {u'x'};
    SetLastError(0);
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, small, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    WCHAR out[32];
    const SYSTEMTIME invalid = MakeTime(2009, 2, 30);
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &invalid, nullptr, out, 32), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, u"d", out, 32), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE | DATE_LONGDATE, &date, nullptr, out, 32), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
}

TEST(DateFormat, NullDateIsToday) {
    platform::testing::TestDevice device;
    platform::testing::FreezeClock(MakeTime(2010, 12, 24, 18, 0, 0));
    WCHAR out[32];
    EXPECT_GT(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, out, 32), 0);
    EXPECT_EQ(std::u16string(out), u"12/24/2010");
    EXPECT_GT(GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, out, 32), 0);
    EXPECT_EQ(std::u16string(out), u"6:00:00 PM");
    platform::testing::ThawClock();
}

TEST(TimeFormat, DefaultPictureAndFlags) {
    const struct {
        SYSTEMTIME time;
        DWORD flags;
        const WCHAR* text;
    } cases[] = {
        {MakeTime(2009, 3, 5, 0, 5, 9), 0, u"12:05:09 AM"},
        {MakeTime(2009, 3, 5, 12, 0, 0), 0, u"12:00:00 PM"},
        {MakeTime(2009, 3, 5, 13, 30, 0), 0, u"1:30:00 PM"},
        {MakeTime(2009, 3, 5, 13, 30, 0), TIME_NOSECONDS, u"1:30 PM"},
        {MakeTime(2009, 3, 5, 13, 30, 0), TIME_NOMINUTESORSECONDS, u"1 PM"},
        {MakeTime(2009, 3, 5, 13, 30, 0), TIME_NOTIMEMARKER, u"1:30:00"},
        {MakeTime(2009, 3, 5, 13, 30, 0), TIME_FORCE24HOURFORMAT, u"13:30:00"},
        {MakeTime(2009, 3, 5, 0, 30, 0), TIME_FORCE24HOURFORMAT | TIME_NOSECONDS, u"0:30"},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeText(c.flags, c.time), c.text) << Show(c.time) << " " << c.flags;
}

TEST(TimeFormat, ExpandsPictures) {
    const SYSTEMTIME time = MakeTime(2009, 3, 5, 9, 4, 7);
    const struct {
        const WCHAR* picture;
        DWORD flags;
        const WCHAR* text;
    } cases[] = {
        {u"HH:mm:ss", 0, u"09:04:07"},
        {u"H'h'mm", 0, u"9h04"},
        {u"hh:mm t", 0, u"09:04 A"},
        {u"tt h:mm", TIME_NOTIMEMARKER, u"9:04"},
        {u"h.mm.ss", TIME_NOSECONDS, u"9.04"},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeText(c.flags, time, c.picture), c.text) << platform::ToUtf8(c.picture);

    WCHAR out[16];
    const SYSTEMTIME invalid = MakeTime(2009, 3, 5, 24, 0, 0);
    EXPECT_EQ(GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &invalid, nullptr, out, 16), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(LocaleInfo, GivesTheDeclaredSettings) {
    platform::testing::TestDevice device;
    const struct {
        DWORD type;
        const WCHAR* text;
    } cases[] = {
        {LOCALE_SSHORTDATE, u"M/d/yyyy"},
        {LOCALE_SLONGDATE, u"dddd, MMMM dd, yyyy"},
        {LOCALE_STIMEFORMAT, u"h:mm:ss tt"},
        {LOCALE_IFIRSTDAYOFWEEK, u"6"},
    };
    for (const auto& c : cases) {
        WCHAR out[64] = {};
        EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, c.type, nullptr, 0), static_cast<int>(wcslen(c.text) + 1));
        EXPECT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, c.type, out, 64), 0);
        EXPECT_EQ(std::u16string(out), c.text);
    }
    WCHAR out[64];
    EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, 0x7777, out, 64), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
}

}  // namespace
