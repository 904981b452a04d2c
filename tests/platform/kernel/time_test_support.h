// Helpers for the time tests: SYSTEMTIME literals and comparison, and a time zone set for one test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <ostream>
#include <string>

#include "platform/time.h"

inline SYSTEMTIME MakeTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(y);
    t.wMonth = static_cast<WORD>(mo);
    t.wDay = static_cast<WORD>(d);
    t.wHour = static_cast<WORD>(h);
    t.wMinute = static_cast<WORD>(mi);
    t.wSecond = static_cast<WORD>(s);
    t.wMilliseconds = static_cast<WORD>(ms);
    return t;
}

// Same moment; the weekday is compared only when the expected value names one.
inline bool SameMoment(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

inline std::string Show(const SYSTEMTIME& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u (dow %u)", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return text;
}

#define EXPECT_SAME_MOMENT(expected, actual) \
    EXPECT_TRUE(SameMoment(expected, actual)) << "expected " << Show(expected) << ", got " << Show(actual)

// The machine's time zone for one test, as a POSIX rule so that no zone files are needed.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* rule) {
        if (const char* old = std::getenv("TZ")) previous_ = old, hadPrevious_ = true;
        setenv("TZ", rule, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadPrevious_) setenv("TZ", previous_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string previous_;
    bool hadPrevious_ = false;
};

inline constexpr const char* kNewYorkZone = "EST5EDT,M3.2.0,M11.1.0";
inline constexpr const char* kBerlinZone = "CET-1CEST,M3.5.0,M10.5.0/3";

inline ULONGLONG TicksOf(const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }
inline FILETIME FileTimeOf(ULONGLONG ticks) {
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}
