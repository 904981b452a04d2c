// Calendar arithmetic shared by the clock, the FILETIME and OLE date conversions and the date texts:
// proleptic Gregorian day numbers, and the local time zone of the machine through the C runtime.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace platform {

inline constexpr std::int64_t kMsPerSecond = 1000;
inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kMsPerDay = kSecondsPerDay * kMsPerSecond;
inline constexpr std::int64_t kFileTimeTicksPerMs = 10000;
inline constexpr std::int64_t kFileTimeTicksPerSecond = 10000000;
// Days from 1 January 1601 (where FILETIME counts from) to 1 January 1970.
inline constexpr std::int64_t kDays1601To1970 = 134774;

bool IsLeapYear(int year);
int DaysInMonthOf(int year, int month);
// Days since 1 January 1601 of a date (month 1 to 12, any year from 1 on); negative before 1601.
std::int64_t DayNumber(int year, int month, int day);
struct CivilDate {
    int year;
    int month;
    int day;
    int dayOfWeek;  // 0 Sunday
};
CivilDate DateOfDayNumber(std::int64_t dayNumber);
int DayOfWeekOf(std::int64_t dayNumber);

// True when the fields name a real date and time of day (milliseconds below 1000); the weekday is
// not looked at.
bool IsValidSystemTime(const SYSTEMTIME& time, int minYear, int maxYear);

// Milliseconds since 1 January 1601 of a SYSTEMTIME and back (the weekday is computed).
std::int64_t MsOfSystemTime(const SYSTEMTIME& time);
SYSTEMTIME SystemTimeOfMs(std::int64_t ms);

// Offset of local time from UTC, in seconds, at a UTC moment and at a local wall time (given as
// milliseconds since 1601), by the machine's time zone.
// tzset, unless it ran less than a second ago with the same TZ.
void RefreshTimeZone();
std::int64_t UtcOffsetAtUtc(std::int64_t utcMs);
std::int64_t UtcOffsetAtLocal(std::int64_t localMs);

}  // namespace platform
