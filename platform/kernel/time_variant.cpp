// OLE dates: days since 30 December 1899 with the time of day as the fraction, exact to the second.
// Before 1899 the whole part counts days back while the fraction still counts the time forward
// from that day's midnight: -1.25 is 29 December 1899 at 06:00.
#include <cmath>

#include "kernel/calendar.h"
#include "platform/time.h"

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

std::int64_t OleEpochDay() { return platform::DayNumber(1899, 12, 30); }

}  // namespace

INT SystemTimeToVariantTime(LPSYSTEMTIME time, double* out) {
    if (!time || !out) return FALSE;
    SYSTEMTIME t = *time;
    t.wMilliseconds = 0;  // the OLE date resolves to the second
    if (!platform::IsValidSystemTime(t, kMinYear, kMaxYear)) return FALSE;
    const auto days = static_cast<double>(platform::DayNumber(t.wYear, t.wMonth, t.wDay) - OleEpochDay());
    const double fraction = (t.wHour * 3600 + t.wMinute * 60 + t.wSecond) / static_cast<double>(platform::kSecondsPerDay);
    *out = days < 0 ? days - fraction : days + fraction;
    return TRUE;
}

INT VariantTimeToSystemTime(double date, LPSYSTEMTIME out) {
    if (!out || !std::isfinite(date)) return FALSE;
    // Far outside the range the day count below would not fit.
    if (date < -700000.0 || date > 3000000.0) return FALSE;
    const double whole = std::trunc(date);
    // The fraction counts forward from the day in both directions; round it to the nearest second.
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(date - whole) * platform::kSecondsPerDay));
    auto day = static_cast<std::int64_t>(whole);
    if (seconds >= platform::kSecondsPerDay) {
        seconds -= platform::kSecondsPerDay;
        ++day;
    }
    const std::int64_t dayNumber = day + OleEpochDay();
    const platform::CivilDate civil = platform::DateOfDayNumber(dayNumber);
    if (civil.year < kMinYear || civil.year > kMaxYear) return FALSE;
    *out = platform::SystemTimeOfMs(dayNumber * platform::kMsPerDay + seconds * platform::kMsPerSecond);
    return TRUE;
}
