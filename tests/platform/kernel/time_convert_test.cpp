// FILETIME and OLE date conversions, and the time zone as the platform describes it.
#include <cmath>

#include "platform/system.h"
#include "platform/testing.h"
#include "time_test_support.h"

namespace {

constexpr ULONGLONG kTicksPerSecond = 10'000'000;
constexpr ULONGLONG kUnixEpochTicks = 116444736000000000ull;

TEST(FileTime, ConvertsCalendarFieldsBothWays) {
    const struct {
        SYSTEMTIME time;
        ULONGLONG ticks;
        int dayOfWeek;
    } cases[] = {
        {MakeTime(1601, 1, 1), 0, 1},
        {MakeTime(1970, 1, 1), kUnixEpochTicks, 4},
        {MakeTime(2009, 3, 5, 12, 34, 56, 789), 128807300967890000ull, 4},
        {MakeTime(2000, 2, 29, 23, 59, 59, 999), 125963423999990000ull, 2},
        {MakeTime(30827, 12, 31, 23, 59, 59, 999), 0x7FFF35F4F06C58F0ull, 5},
    };
    for (const auto& c : cases) {
        FILETIME ft{};
        ASSERT_TRUE(SystemTimeToFileTime(&c.time, &ft)) << Show(c.time);
        EXPECT_EQ(TicksOf(ft), c.ticks) << Show(c.time);
        SYSTEMTIME back{};
        ASSERT_TRUE(FileTimeToSystemTime(&ft, &back));
        EXPECT_SAME_MOMENT(c.time, back);
        EXPECT_EQ(back.wDayOfWeek, c.dayOfWeek) << Show(c.time);
    }
}

TEST(FileTime, RefusesFieldsOutOfRange) {
    const SYSTEMTIME invalid[] = {
        MakeTime(1600, 12, 31), MakeTime(2009, 13, 1), MakeTime(2009, 0, 1),  MakeTime(2009, 2, 29),
        MakeTime(1900, 2, 29),  MakeTime(2009, 4, 31), MakeTime(2009, 1, 0),  MakeTime(2009, 1, 1, 24),
        MakeTime(2009, 1, 1, 0, 60), MakeTime(2009, 1, 1, 0, 0, 60), MakeTime(2009, 1, 1, 0, 0, 0, 1000),
    };
    for (const auto& t : invalid) {
        FILETIME ft{};
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&t, &ft)) << Show(t);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    const FILETIME topBit = FileTimeOf(0x8000000000000000ull);
    SYSTEMTIME out{};
    EXPECT_FALSE(FileTimeToSystemTime(&topBit, &out));
}

TEST(FileTime, CompareOrdersByBothHalves) {
    const FILETIME a = FileTimeOf(0x00000001FFFFFFFFull);
    const FILETIME b = FileTimeOf(0x0000000200000000ull);
    EXPECT_EQ(CompareFileTime(&a, &b), -1);
    EXPECT_EQ(CompareFileTime(&b, &a), 1);
    EXPECT_EQ(CompareFileTime(&a, &a), 0);
}

TEST(FileTime, LocalTimeFollowsTheZoneAtThatMoment) {
    const struct {
        const char* zone;
        SYSTEMTIME utc;
        SYSTEMTIME local;
    } cases[] = {
        {kNewYorkZone, MakeTime(2009, 1, 15, 12, 0, 0), MakeTime(2009, 1, 15, 7, 0, 0)},
        {kNewYorkZone, MakeTime(2009, 7, 15, 12, 0, 0), MakeTime(2009, 7, 15, 8, 0, 0)},
        {kNewYorkZone, MakeTime(2009, 1, 1, 3, 30, 0), MakeTime(2008, 12, 31, 22, 30, 0)},
        {kBerlinZone, MakeTime(2009, 12, 31, 23, 30, 0), MakeTime(2010, 1, 1, 0, 30, 0)},
        {kBerlinZone, MakeTime(2009, 6, 30, 22, 0, 0), MakeTime(2009, 7, 1, 0, 0, 0)},
        {"UTC0", MakeTime(2009, 6, 30, 22, 0, 0), MakeTime(2009, 6, 30, 22, 0, 0)},
    };
    for (const auto& c : cases) {
        const ScopedTimeZone zone(c.zone);
        FILETIME utc{};
        FILETIME local{};
        FILETIME back{};
        ASSERT_TRUE(SystemTimeToFileTime(&c.utc, &utc));
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        SYSTEMTIME shown{};
        ASSERT_TRUE(FileTimeToSystemTime(&local, &shown));
        EXPECT_SAME_MOMENT(c.local, shown) << c.zone;
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(TicksOf(back), TicksOf(utc)) << c.zone << " " << Show(c.utc);
    }
}

TEST(FileTime, LocalConversionRefusesToLeaveTheRange) {
    const ScopedTimeZone zone(kNewYorkZone);
    const FILETIME start = FileTimeOf(0);
    FILETIME out{};
    EXPECT_FALSE(FileTimeToLocalFileTime(&start, &out));
    EXPECT_TRUE(LocalFileTimeToFileTime(&start, &out));
    EXPECT_EQ(TicksOf(out), 5 * 3600 * kTicksPerSecond);
}

TEST(TimeZone, DescribesTheMachineZoneAndItsChangeDates) {
    const struct {
        const char* zone;
        LONG bias;
        LONG daylightBias;
        WORD daylightMonth, daylightWeek, daylightHour;
        WORD standardMonth, standardWeek, standardHour;
    } cases[] = {
        {kNewYorkZone, 300, -60, 3, 2, 2, 11, 1, 2},
        {kBerlinZone, -60, -60, 3, 5, 2, 10, 5, 3},
    };
    for (const auto& c : cases) {
        const ScopedTimeZone zone(c.zone);
        TIME_ZONE_INFORMATION tz{};
        const DWORD id = GetTimeZoneInformation(&tz);
        EXPECT_TRUE(id == TIME_ZONE_ID_STANDARD || id == TIME_ZONE_ID_DAYLIGHT) << c.zone;
        EXPECT_EQ(tz.Bias, c.bias) << c.zone;
        EXPECT_EQ(tz.StandardBias, 0);
        EXPECT_EQ(tz.DaylightBias, c.daylightBias);
        EXPECT_EQ(tz.DaylightDate.wYear, 0);
        EXPECT_EQ(tz.DaylightDate.wMonth, c.daylightMonth) << c.zone;
        EXPECT_EQ(tz.DaylightDate.wDayOfWeek, 0);
        EXPECT_EQ(tz.DaylightDate.wDay, c.daylightWeek) << c.zone;
        EXPECT_EQ(tz.DaylightDate.wHour, c.daylightHour) << c.zone;
        EXPECT_EQ(tz.StandardDate.wMonth, c.standardMonth) << c.zone;
        EXPECT_EQ(tz.StandardDate.wDay, c.standardWeek) << c.zone;
        EXPECT_EQ(tz.StandardDate.wHour, c.standardHour) << c.zone;
    }
    const ScopedTimeZone utc("UTC0");
    TIME_ZONE_INFORMATION tz{};
    EXPECT_EQ(GetTimeZoneInformation(&tz), static_cast<DWORD>(TIME_ZONE_ID_UNKNOWN));
    EXPECT_EQ(tz.Bias, 0);
    EXPECT_EQ(tz.DaylightDate.wMonth, 0);
}

TEST(TimeZone, TellsWhetherSummerTimeIsInForceOnTheFrozenClock) {
    const ScopedTimeZone zone(kNewYorkZone);
    TIME_ZONE_INFORMATION tz{};
    platform::testing::FreezeClock(MakeTime(2009, 7, 1, 12, 0, 0));
    EXPECT_EQ(GetTimeZoneInformation(&tz), static_cast<DWORD>(TIME_ZONE_ID_DAYLIGHT));
    platform::testing::FreezeClock(MakeTime(2009, 12, 1, 12, 0, 0));
    EXPECT_EQ(GetTimeZoneInformation(&tz), static_cast<DWORD>(TIME_ZONE_ID_STANDARD));
    platform::testing::ThawClock();
}

TEST(VariantTime, ConvertsTheTableBothWays) {
    const struct {
        double date;
        SYSTEMTIME time;
    } cases[] = {
        {949998.0, MakeTime(4501, 1, 1)},
        {0.0, MakeTime(1899, 12, 30)},
        {1.0, MakeTime(1899, 12, 31)},
        {2.0, MakeTime(1900, 1, 1)},
        {2.5, MakeTime(1900, 1, 1, 12, 0, 0)},
        {3.25, MakeTime(1900, 1, 2, 6, 0, 0)},
        {-1.0, MakeTime(1899, 12, 29)},
        {-1.25, MakeTime(1899, 12, 29, 6, 0, 0)},
        {-2.75, MakeTime(1899, 12, 28, 18, 0, 0)},
        {39877.0 + 86399.0 / 86400.0, MakeTime(2009, 3, 5, 23, 59, 59)},
        {39877.0 + (13 * 3600 + 30 * 60 + 1) / 86400.0, MakeTime(2009, 3, 5, 13, 30, 1)},
        {-657434.0, MakeTime(100, 1, 1)},
        {2958465.0 + 86399.0 / 86400.0, MakeTime(9999, 12, 31, 23, 59, 59)},
    };
    for (const auto& c : cases) {
        SYSTEMTIME time = c.time;
        double date = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&time, &date)) << Show(c.time);
        EXPECT_DOUBLE_EQ(date, c.date) << Show(c.time);
        SYSTEMTIME back{};
        ASSERT_TRUE(VariantTimeToSystemTime(c.date, &back)) << c.date;
        EXPECT_SAME_MOMENT(c.time, back);
    }
}

TEST(VariantTime, RoundsToTheNearestSecondAndIgnoresMilliseconds) {
    const double noon = 39877.5;
    const struct {
        double offsetSeconds;
        SYSTEMTIME time;
    } cases[] = {
        {0.4, MakeTime(2009, 3, 5, 12, 0, 0)},
        {0.6, MakeTime(2009, 3, 5, 12, 0, 1)},
        {-0.4, MakeTime(2009, 3, 5, 12, 0, 0)},
        {-0.6, MakeTime(2009, 3, 5, 11, 59, 59)},
        {12 * 3600 - 0.3, MakeTime(2009, 3, 6, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SYSTEMTIME out{};
        ASSERT_TRUE(VariantTimeToSystemTime(noon + c.offsetSeconds / 86400.0, &out));
        EXPECT_SAME_MOMENT(c.time, out) << c.offsetSeconds;
    }
    SYSTEMTIME withMs = MakeTime(2009, 3, 5, 12, 0, 0, 999);
    double date = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&withMs, &date));
    EXPECT_EQ(date, noon);
}

TEST(VariantTime, RefusesDatesOutsideItsRange) {
    SYSTEMTIME out{};
    for (const double date : {-657435.0, 2958466.0, 1e300, std::nan("")})
        EXPECT_FALSE(VariantTimeToSystemTime(date, &out)) << date;
    SYSTEMTIME invalid[] = {MakeTime(99, 12, 31), MakeTime(10000, 1, 1), MakeTime(2009, 2, 29),
                            MakeTime(2009, 13, 1), MakeTime(2009, 1, 1, 24)};
    for (auto& t : invalid) {
        double date = 0;
        EXPECT_FALSE(SystemTimeToVariantTime(&t, &date)) << Show(t);
    }
}

// Every second of a few days, in the present, before 1899 and around the "no date" of 4501,
// converts to a date and back to the same second.
TEST(VariantTime, EverySecondSurvivesTheRoundTrip) {
    for (const SYSTEMTIME first : {MakeTime(2009, 3, 5), MakeTime(1899, 12, 28), MakeTime(4500, 12, 31)}) {
        FILETIME ft{};
        ASSERT_TRUE(SystemTimeToFileTime(&first, &ft));
        const ULONGLONG start = TicksOf(ft);
        int mismatches = 0;
        for (ULONGLONG second = 0; second < 2 * 86400 && mismatches < 5; ++second) {
            const FILETIME at = FileTimeOf(start + second * kTicksPerSecond);
            SYSTEMTIME time{};
            ASSERT_TRUE(FileTimeToSystemTime(&at, &time));
            double date = 0;
            ASSERT_TRUE(SystemTimeToVariantTime(&time, &date));
            SYSTEMTIME back{};
            ASSERT_TRUE(VariantTimeToSystemTime(date, &back));
            if (!SameMoment(time, back) || back.wDayOfWeek != time.wDayOfWeek) {
                ++mismatches;
                ADD_FAILURE() << Show(time) << " came back as " << Show(back);
            }
        }
    }
}

}  // namespace
