// Date and time texts: names, times of day in 12- and 24-hour form, appointment times, the numeric
// date formats and call durations.
#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/date_text.h"
#include "platform/text.h"
#include "platform/time.h"

namespace {

// Restores the date format after a test changes it.
class DateTextTest : public testing::Test {
protected:
    void TearDown() override { g_Settings = AppSettings(); }
};

FILETIME LocalFileTime(int year, int month, int day, int hour, int minute, int second) {
    const SYSTEMTIME local{static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
                           static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    FILETIME localFt{};
    SystemTimeToFileTime(&local, &localFt);
    FILETIME utc{};
    LocalFileTimeToFileTime(&localFt, &utc);
    return utc;
}

TEST_F(DateTextTest, MonthAndWeekdayNames) {
    EXPECT_EQ(GetMonthName(1), u"January");
    EXPECT_EQ(GetMonthName(12), u"December");
    EXPECT_EQ(GetShortMonthName(3), u"March");
    EXPECT_EQ(GetShortMonthName(7), u"July");
    EXPECT_EQ(GetShortMonthName(9), u"Sept");
    EXPECT_EQ(GetShortMonthName(8), u"Aug");
    for (int bad : {0, 13, -1}) {
        EXPECT_EQ(GetMonthName(bad), u"");
        std::u16string out = u"x";
        FormatMonthName(out, bad, true);
        EXPECT_EQ(out, u"");
    }
    std::u16string day;
    FormatWeekdayName(day, 1, false);
    EXPECT_EQ(day, u"Sunday");
    FormatWeekdayName(day, 7, true);
    EXPECT_EQ(day, u"Sat");
    FormatWeekdayName(day, 8, true);
    EXPECT_EQ(day, u"");
}

TEST_F(DateTextTest, ParseMonthName) {
    EXPECT_EQ(ParseMonthName(u"sept"), 0);
    EXPECT_EQ(ParseMonthName(u"SEPTEMBER"), 9);
    EXPECT_EQ(ParseMonthName(u"march"), 3);
    EXPECT_EQ(ParseMonthName(u"Jan"), 0);
    EXPECT_EQ(ParseMonthName(u""), 0);
}

TEST_F(DateTextTest, FormatTime) {
    struct Case {
        int hour, minute;
        bool hours24, suffix, compact;
        const char16_t* text;
    };
    constexpr Case cases[] = {
        {0, 5, false, true, true, u"12:05a"},   {12, 0, false, true, true, u"12p"},
        {13, 30, false, true, false, u"1:30 PM"}, {0, 0, false, true, false, u"12:00 AM"},
        {11, 59, false, true, true, u"11:59a"}, {23, 0, false, true, true, u"11p"},
        {9, 0, true, false, true, u"9"},        {9, 0, true, false, false, u"9:00"},
        {0, 5, true, true, true, u"0:05"},      {21, 7, true, true, false, u"21:07"},
        {15, 0, false, false, true, u"3"},      {0, 30, false, false, false, u"12:30"},
    };
    for (const Case& c : cases) {
        std::u16string out;
        FormatTime(out, DateRec(2009, 3, 5, c.hour, c.minute, 0), c.hours24, c.suffix, c.compact);
        EXPECT_EQ(out, c.text) << c.hour << ":" << c.minute << " 24h " << c.hours24 << " suffix " << c.suffix
                               << " compact " << c.compact;
    }
}

TEST_F(DateTextTest, AppointmentTimes) {
    ApptRecord appt;
    appt.start = DateRec(2009, 3, 5, 23, 30, 0);
    appt.duration = 60;
    std::u16string out;
    FormatApptTimeRange(appt, out, false);
    EXPECT_EQ(out, u"11:30p-12:30a");
    FormatApptTimeRange(appt, out, true);
    EXPECT_EQ(out, u"23:30-0:30");

    appt.start = DateRec(2009, 3, 5, 9, 0, 0);
    appt.duration = 90;
    FormatApptStart(appt, out, false, true);
    EXPECT_EQ(out, u"9a");
    FormatApptStart(appt, out, false, false);
    EXPECT_EQ(out, u"9:00a");
    FormatApptEnd(appt, out, false, true);
    EXPECT_EQ(out, u"10:30a");
    FormatApptEnd(appt, out, true, true);
    EXPECT_EQ(out, u"10:30");
    appt.duration = 180;
    FormatApptEnd(appt, out, false, true);
    EXPECT_EQ(out, u"12p");
}

TEST_F(DateTextTest, NumericDatesInEachFormat) {
    struct Case {
        LONG format;
        const char16_t* shortDate;
        const char16_t* monthDay;
    };
    constexpr Case cases[] = {
        {0, u"05/03/2009", u"05/03"},
        {1, u"3/5/2009", u"3/5"},
        {2, u"2009-03-05", u"03/05"},
        {3, u"05.03.2009", u"05/03"},
        {4, u"", u""},
    };
    const DateRec date(2009, 3, 5);
    for (const Case& c : cases) {
        g_Settings.dateFormat = c.format;
        std::u16string out = u"stale";
        FormatShortDate(out, date);
        EXPECT_EQ(out, c.shortDate) << c.format;
        FormatMonthDay(out, date);
        EXPECT_EQ(out, c.monthDay) << c.format;
    }
}

TEST_F(DateTextTest, FileTimesInLocalTime) {
    g_Settings.dateFormat = 2;
    const FILETIME ft = LocalFileTime(2009, 12, 31, 23, 5, 0);
    std::u16string out;
    FormatFileTimeDate(out, ft);
    EXPECT_EQ(out, u"2009-12-31");
    FormatTimeFT(out, ft, false);
    EXPECT_EQ(out, u"11:05p");
    FormatTimeFT(out, ft, true);
    EXPECT_EQ(out, u"23:05");
}

TEST_F(DateTextTest, CallDurations) {
    struct Case {
        int startDay, startHour, startMinute, startSecond;
        int endDay, endHour, endMinute, endSecond;
        const char16_t* text;
        int hours, minutes, seconds;
    };
    constexpr Case cases[] = {
        {5, 23, 30, 0, 6, 0, 15, 0, u"00:45:00", 0, 45, 0},
        {5, 10, 0, 30, 5, 12, 0, 10, u"01:59:40", 1, 59, 40},
        {5, 10, 0, 0, 7, 10, 0, 0, u"48:00:00", 48, 0, 0},
        {5, 10, 0, 0, 5, 10, 0, 0, u"00:00:00", 0, 0, 0},
        {5, 10, 0, 0, 5, 9, 0, 0, u"00:00:00", 0, 0, 0},  // an end before the start counts as nothing
    };
    for (const Case& c : cases) {
        std::u16string out;
        int h = -1, m = -1, s = -1;
        FormatDurationFT(out, LocalFileTime(2009, 3, c.startDay, c.startHour, c.startMinute, c.startSecond),
                         LocalFileTime(2009, 3, c.endDay, c.endHour, c.endMinute, c.endSecond), h, m, s);
        EXPECT_EQ(out, c.text);
        EXPECT_EQ(h, c.hours);
        EXPECT_EQ(m, c.minutes);
        EXPECT_EQ(s, c.seconds);
    }
}

}  // namespace
