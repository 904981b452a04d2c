// The machine's time zone as the platform describes it: bias in minutes, names, and the yearly
// change dates in the "which weekday of the month" form (wYear 0, wDay 1-5, 5 meaning the last).
#include <algorithm>
#include <ctime>

#include "kernel/calendar.h"
#include "kernel/clock_control.h"
#include "platform/text.h"
#include "platform/time.h"

namespace {

using platform::kMsPerSecond;
using platform::kSecondsPerDay;

constexpr std::int64_t kSeconds1601To1970 = platform::kDays1601To1970 * kSecondsPerDay;

struct ZoneAt {
    std::int64_t offset;  // seconds east of UTC
    bool daylight;
};

ZoneAt ZoneAtUnix(std::int64_t unixSeconds) {
    const auto t = static_cast<std::time_t>(unixSeconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return {0, false};
    return {tm.tm_gmtoff, tm.tm_isdst > 0};
}

// The first second at or after lo (where the zone is as at lo) whose summer-time state differs; lo < hi.
std::int64_t FindChange(std::int64_t lo, std::int64_t hi) {
    const bool before = ZoneAtUnix(lo).daylight;
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (ZoneAtUnix(mid).daylight == before) lo = mid;
        else hi = mid;
    }
    return hi;
}

// A change moment on the local clock as the weekday-in-month rule the platform stores.
SYSTEMTIME ChangeRule(std::int64_t localSeconds) {
    SYSTEMTIME t = platform::SystemTimeOfMs((localSeconds + kSeconds1601To1970) * kMsPerSecond);
    const int ordinal = (t.wDay - 1) / 7 + 1;
    const bool last = t.wDay + 7 > platform::DaysInMonthOf(t.wYear, t.wMonth);
    t.wYear = 0;
    t.wDay = static_cast<WORD>(last ? 5 : ordinal);
    t.wMilliseconds = 0;
    return t;
}

void CopyName(WCHAR (&out)[32], const char* name) {
    const std::u16string wide = platform::FromUtf8(name ? name : "");
    const std::size_t n = std::min<std::size_t>(wide.size(), 31);
    std::copy_n(wide.begin(), n, out);
    out[n] = 0;
}

}  // namespace

DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION out) {
    if (!out) return TIME_ZONE_ID_INVALID;
    *out = TIME_ZONE_INFORMATION{};
    const std::int64_t now = platform::CurrentUtcMs() / kMsPerSecond - kSeconds1601To1970;
    platform::RefreshTimeZone();
    CopyName(out->StandardName, tzname[0]);
    CopyName(out->DaylightName, tzname[1]);

    // Look through the year around now for the moments summer time begins and ends.
    const std::int64_t yearStart = now - 183 * kSecondsPerDay;
    std::int64_t toDaylight = -1;
    std::int64_t toStandard = -1;
    ZoneAt standard = ZoneAtUnix(now);
    ZoneAt daylight = standard;
    for (std::int64_t day = 0; day < 366; ++day) {
        const std::int64_t lo = yearStart + day * kSecondsPerDay;
        const ZoneAt a = ZoneAtUnix(lo);
        const ZoneAt b = ZoneAtUnix(lo + kSecondsPerDay);
        (a.daylight ? daylight : standard) = a;
        if (a.daylight == b.daylight) continue;
        const std::int64_t change = FindChange(lo, lo + kSecondsPerDay);
        if (b.daylight) toDaylight = change;
        else toStandard = change;
        (b.daylight ? daylight : standard) = b;
    }
    out->Bias = static_cast<LONG>(-standard.offset / 60);
    if (toDaylight < 0 || toStandard < 0 || !daylight.daylight || standard.daylight) return TIME_ZONE_ID_UNKNOWN;
    out->DaylightBias = static_cast<LONG>(-(daylight.offset - standard.offset) / 60);
    out->DaylightDate = ChangeRule(toDaylight + standard.offset);
    out->StandardDate = ChangeRule(toStandard + daylight.offset);
    return ZoneAtUnix(now).daylight ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}
