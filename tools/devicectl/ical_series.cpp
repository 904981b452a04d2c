// Calendar times in their zones, and series of another zone kept as a local start and pattern.
#include "devicectl/ical_series.h"

#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "platform/time.h"

namespace devicectl {

using platform::pim::RecurrenceData;

namespace {

constexpr std::int64_t kOleDayOf1970 = 25569;
constexpr std::int64_t kSeconds1601To1970 = 11644473600LL;
constexpr std::int64_t kTicksPerSecond = 10000000LL;
constexpr int kDaysPerWeek = 7;
constexpr int kLastSafeMonthDay = 28;
constexpr int kHorizonYears = 10;

FILETIME FileTimeOf(std::int64_t seconds) {
    const auto ticks = static_cast<std::uint64_t>((seconds + kSeconds1601To1970) * kTicksPerSecond);
    FILETIME t;
    t.dwLowDateTime = static_cast<DWORD>(ticks);
    t.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return t;
}

std::int64_t SecondsOf(const FILETIME& t) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / kTicksPerSecond) - kSeconds1601To1970;
}

std::int64_t UtcOfDeviceWall(std::int64_t wall) {
    const FILETIME local = FileTimeOf(wall);
    FILETIME utc{};
    return LocalFileTimeToFileTime(&local, &utc) ? SecondsOf(utc) : wall;
}

LONG RotateMask(LONG mask, std::int64_t days) {
    const int by = static_cast<int>(((days % kDaysPerWeek) + kDaysPerWeek) % kDaysPerWeek);
    LONG out = 0;
    for (int d = 0; d < kDaysPerWeek; ++d)
        if (mask & (1 << d)) out |= 1 << ((d + by) % kDaysPerWeek);
    return out;
}

// The first day of the year ten years after the later of the series' start and today.
std::int64_t HorizonDay(std::int64_t startOleDay) {
    const auto later = std::max(startOleDay, platform::pim::OleDay(platform::pim::OleNow()));
    const int year = platform::pim::FromOleDate(static_cast<double>(later)).year + kHorizonYears;
    return platform::pim::DaysFromCivil(year, 1, 1) + kOleDayOf1970;
}

std::vector<std::int64_t> PatternDaysBefore(const RecurrenceData& r, std::int64_t endDay) {
    std::vector<std::int64_t> days;
    platform::pim::ForEachPatternDay(r, platform::pim::OleDay(r.patternStart), [&](std::int64_t d) {
        if (d >= endDay) return false;
        days.push_back(d);
        return true;
    });
    return days;
}

}  // namespace

std::optional<Stamp> ParseStamp(const std::string& text, const TimeZone* zone, const TimeZone* utc) {
    std::string digits;
    bool z = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
        else if ((c == 'Z' || c == 'z') && !z) z = true;
        else if (c != 'T' && c != 't' && c != '-' && c != ':') return std::nullopt;
    }
    if (digits.size() != 8 && digits.size() != 12 && digits.size() != 14) return std::nullopt;
    auto number = [&](std::size_t at, std::size_t n) { return std::stoi(digits.substr(at, n)); };
    const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
    const int hour = digits.size() >= 12 ? number(8, 2) : 0;
    const int minute = digits.size() >= 12 ? number(10, 2) : 0;
    const int second = digits.size() == 14 ? number(12, 2) : 0;
    if (year < 1601 || year > 9999 || month < 1 || month > 12 || day < 1 || day > platform::pim::DaysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    Stamp s;
    s.dateOnly = digits.size() == 8;
    s.wall = platform::pim::DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    if (!s.dateOnly) s.zone = z ? utc : zone;
    return s;
}

std::int64_t DeviceWallOfUtc(std::int64_t utc) {
    const FILETIME universal = FileTimeOf(utc);
    FILETIME local{};
    return FileTimeToLocalFileTime(&universal, &local) ? SecondsOf(local) : utc;
}

std::int64_t UtcOf(const Stamp& s) { return s.zone ? s.zone->UtcOfWall(s.wall) : UtcOfDeviceWall(s.wall); }

std::int64_t WallIn(const Stamp& s, const TimeZone* zone) {
    if (s.dateOnly || s.zone == zone) return s.wall;
    const std::int64_t utc = UtcOf(s);
    return zone ? zone->WallOfUtc(utc) : DeviceWallOfUtc(utc);
}

DATE OleOfWall(std::int64_t wall) {
    return platform::pim::OleFromMinutes(FloorDiv(wall, 60) + kOleDayOf1970 * platform::pim::kMinutesPerDay);
}

std::int64_t OleDayOfWallDay(std::int64_t day) { return day + kOleDayOf1970; }
std::int64_t WallDayOfOleDay(std::int64_t oleDay) { return oleDay - kOleDayOf1970; }

void ShiftPattern(RecurrenceData& r, std::int64_t days) {
    if (days == 0) return;
    r.patternStart += static_cast<double>(days);
    if (!r.noEndDate && r.occurrences == 0 && !platform::pim::IsNoDate(r.patternEnd)) r.patternEnd += static_cast<double>(days);
    if (r.type == olRecursWeekly || r.type == olRecursMonthNth || r.type == olRecursYearNth)
        r.dayOfWeekMask = RotateMask(r.dayOfWeekMask, days);
    if ((r.type == olRecursMonthly || r.type == olRecursYearly) && r.dayOfMonth + days >= 1 &&
        r.dayOfMonth + days <= kLastSafeMonthDay)
        r.dayOfMonth = static_cast<LONG>(r.dayOfMonth + days);
}

bool IsPatternDay(const RecurrenceData& r, std::int64_t day) {
    bool found = false;
    platform::pim::ForEachPatternDay(r, day, [&](std::int64_t d) {
        if (d < day) return true;
        found = d == day;
        return false;
    });
    return found;
}

KeptSeries KeepSeries(const SourceSeries& source, platform::pim::ItemData& series) {
    KeptSeries kept;
    series.recurrence = source.pattern;
    series.SetInt(PIMPR_DURATION, source.duration);
    const std::int64_t firstDay = platform::pim::OleDay(source.pattern.patternStart);
    const std::int64_t firstWall = WallDayOfOleDay(firstDay) * kSecondsPerDay + source.timeOfDay;
    if (!source.zone) {
        series.SetDate(PIMPR_START, OleOfWall(firstWall));
        return kept;
    }
    // Where each occurrence falls on the device's clock, and the shift most of them have.
    const std::int64_t horizon = HorizonDay(firstDay);
    struct Truth {
        std::int64_t day;
        std::int64_t local;
    };
    std::vector<Truth> truth;
    std::map<std::int64_t, int> shifts;
    std::optional<std::int64_t> common;
    for (const std::int64_t d : PatternDaysBefore(source.pattern, horizon)) {
        const std::int64_t wall = WallDayOfOleDay(d) * kSecondsPerDay + source.timeOfDay;
        const std::int64_t local = DeviceWallOfUtc(source.zone->UtcOfWall(wall));
        truth.push_back({d, local});
        const int n = ++shifts[local - wall];
        if (!common || n > shifts[*common]) common = local - wall;
    }
    const std::int64_t offset = common.value_or(DeviceWallOfUtc(source.zone->UtcOfWall(firstWall)) - firstWall);
    const std::int64_t localTime = source.timeOfDay + offset;
    kept.shift = FloorDiv(localTime, kSecondsPerDay);
    const std::int64_t storedTime = localTime - kept.shift * kSecondsPerDay;
    ShiftPattern(series.recurrence, kept.shift);
    series.SetDate(PIMPR_START, OleOfWall(firstWall + offset));
    // Occurrences whose clock differs are kept moved; what the pattern cannot give stands alone.
    const std::vector<std::int64_t> stored = PatternDaysBefore(series.recurrence, horizon + kept.shift);
    for (std::size_t i = 0; i < std::max(stored.size(), truth.size()); ++i) {
        if (i >= stored.size()) {
            kept.ownStarts.push_back(truth[i].local);
            continue;
        }
        platform::pim::ExceptionData e;
        e.originalDay = stored[i];
        if (i >= truth.size()) {
            e.deleted = true;
            series.exceptions.push_back(e);
            continue;
        }
        kept.days[truth[i].day] = stored[i];
        if (WallDayOfOleDay(stored[i]) * kSecondsPerDay + storedTime == truth[i].local) continue;
        e.start = OleOfWall(truth[i].local);
        e.duration = source.duration;
        series.exceptions.push_back(e);
    }
    return kept;
}

}  // namespace devicectl
