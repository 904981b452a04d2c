// Gregorian day numbers and the machine's time zone, for the time calls.
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>

#include "kernel/calendar.h"

namespace platform {
namespace {

constexpr std::int64_t kSeconds1601To1970 = kDays1601To1970 * kSecondsPerDay;

// Floor division: day and second counts before the epoch round toward the past.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1 January 1970; eras of 400 years keep the arithmetic exact for any year.
std::int64_t DaysFrom1970(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::int64_t GmtOffsetOf(std::int64_t unixSeconds) {
    const auto t = static_cast<std::time_t>(unixSeconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return 0;
    return tm.tm_gmtoff;
}

}  // namespace

// With TZ unset, tzset looks at /etc/localtime again on every call, and a list of thousands of
// items makes thousands of time calls while it loads: a changed TZ takes effect at once, a change of
// the machine's zone file within a second.
void RefreshTimeZone() {
    using Clock = std::chrono::steady_clock;
    static std::mutex lock;
    static std::optional<Clock::time_point> lastLook;
    static std::optional<std::string> lastTz;
    const char* tz = std::getenv("TZ");
    const Clock::time_point now = Clock::now();
    const std::lock_guard guard(lock);
    const bool sameTz = tz ? lastTz && *lastTz == tz : !lastTz;
    if (lastLook && sameTz && now - *lastLook < std::chrono::seconds(1)) return;
    tzset();
    lastLook = now;
    lastTz = tz ? std::optional<std::string>(tz) : std::nullopt;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonthOf(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t DayNumber(int year, int month, int day) { return DaysFrom1970(year, month, day) + kDays1601To1970; }

CivilDate DateOfDayNumber(std::int64_t dayNumber) {
    const std::int64_t z = dayNumber - kDays1601To1970 + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day, DayOfWeekOf(dayNumber)};
}

// 1 January 1601 was a Monday.
int DayOfWeekOf(std::int64_t dayNumber) { return static_cast<int>(((dayNumber + 1) % 7 + 7) % 7); }

bool IsValidSystemTime(const SYSTEMTIME& t, int minYear, int maxYear) {
    return t.wYear >= minYear && t.wYear <= maxYear && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= DaysInMonthOf(t.wYear, t.wMonth) && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 &&
           t.wMilliseconds < 1000;
}

std::int64_t MsOfSystemTime(const SYSTEMTIME& t) {
    const std::int64_t seconds = t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
    return DayNumber(t.wYear, t.wMonth, t.wDay) * kMsPerDay + seconds * kMsPerSecond + t.wMilliseconds;
}

SYSTEMTIME SystemTimeOfMs(std::int64_t ms) {
    const std::int64_t day = FloorDiv(ms, kMsPerDay);
    const std::int64_t inDay = ms - day * kMsPerDay;
    const CivilDate date = DateOfDayNumber(day);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(date.year);
    t.wMonth = static_cast<WORD>(date.month);
    t.wDayOfWeek = static_cast<WORD>(date.dayOfWeek);
    t.wDay = static_cast<WORD>(date.day);
    t.wHour = static_cast<WORD>(inDay / 3600000);
    t.wMinute = static_cast<WORD>(inDay / 60000 % 60);
    t.wSecond = static_cast<WORD>(inDay / 1000 % 60);
    t.wMilliseconds = static_cast<WORD>(inDay % 1000);
    return t;
}

std::int64_t UtcOffsetAtUtc(std::int64_t utcMs) {
    RefreshTimeZone();
    return GmtOffsetOf(FloorDiv(utcMs, kMsPerSecond) - kSeconds1601To1970);
}

// The offset at the moment the wall clock showed localMs: guess with the offset at the same
// figures read as UTC, then correct once with the offset at the guessed moment. In the hour a
// summer-time change skips or repeats, this picks one of the two readings.
std::int64_t UtcOffsetAtLocal(std::int64_t localMs) {
    RefreshTimeZone();
    const std::int64_t localSeconds = FloorDiv(localMs, kMsPerSecond) - kSeconds1601To1970;
    const std::int64_t first = GmtOffsetOf(localSeconds);
    const std::int64_t second = GmtOffsetOf(localSeconds - first);
    if (second == first) return first;
    // Across a change the corrected offset holds only if it maps back to the same wall time.
    return GmtOffsetOf(localSeconds - second) == second ? second : first;
}

}  // namespace platform
