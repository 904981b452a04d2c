// Time zones from the system's zone files (TZif, with the yearly rule of their footer) and from
// POSIX rules; a gap or a doubled hour on the wall clock resolved as iCalendar asks.
#include "devicectl/time_zones.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "pim/ole_date.h"

namespace devicectl {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kLastWeek = 5;

int YearOfWall(std::int64_t wall) {
    int year = 0, month = 0, day = 0;
    platform::pim::CivilFromDays(FloorDiv(wall, kSecondsPerDay), year, month, day);
    return year;
}

// The wall second a change happens at in a year.
std::int64_t ChangeWall(const ZoneChange& c, int year) {
    const std::int64_t first = platform::pim::DaysFromCivil(year, c.month, 1);
    const int firstWeekday = static_cast<int>(((first % 7) + 7 + 4) % 7);  // 1 January 1970 was a Thursday
    int day = 1 + (c.weekday - firstWeekday + 7) % 7 + (std::min(c.week, kLastWeek) - 1) * 7;
    while (day > platform::pim::DaysInMonth(year, c.month)) day -= 7;
    return (first + day - 1) * kSecondsPerDay + c.second;
}

// "[+-]hh[:mm[:ss]]" as seconds; pos moves past it.
std::optional<std::int64_t> PosixTime(const std::string& text, std::size_t& pos) {
    int sign = 1;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) sign = text[pos++] == '-' ? -1 : 1;
    std::int64_t total = 0;
    for (int part = 0; part < 3; ++part) {
        const std::size_t begin = pos;
        std::int64_t n = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - begin < 3) n = n * 10 + (text[pos++] - '0');
        if (pos == begin) return part == 0 ? std::nullopt : std::optional<std::int64_t>(sign * total);
        total += n * (part == 0 ? kSecondsPerHour : part == 1 ? 60 : 1);
        if (pos >= text.size() || text[pos] != ':') break;
        ++pos;
    }
    return sign * total;
}

bool PosixName(const std::string& text, std::size_t& pos) {
    const std::size_t begin = pos;
    if (pos < text.size() && text[pos] == '<') {
        pos = text.find('>', pos);
        if (pos == std::string::npos) return false;
        ++pos;
        return true;
    }
    while (pos < text.size() && ((text[pos] >= 'A' && text[pos] <= 'Z') || (text[pos] >= 'a' && text[pos] <= 'z'))) ++pos;
    return pos > begin;
}

// ",Mm.w.d[/time]".
std::optional<ZoneChange> PosixChange(const std::string& text, std::size_t& pos) {
    if (pos + 1 >= text.size() || text[pos] != ',' || text[pos + 1] != 'M') return std::nullopt;
    pos += 2;
    ZoneChange c;
    char* end = nullptr;
    c.month = static_cast<int>(std::strtol(text.c_str() + pos, &end, 10));
    if (*end != '.') return std::nullopt;
    c.week = static_cast<int>(std::strtol(end + 1, &end, 10));
    if (*end != '.') return std::nullopt;
    c.weekday = static_cast<int>(std::strtol(end + 1, &end, 10));
    pos = static_cast<std::size_t>(end - text.c_str());
    if (c.month < 1 || c.month > 12 || c.week < 1 || c.week > kLastWeek || c.weekday < 0 || c.weekday > 6)
        return std::nullopt;
    if (pos < text.size() && text[pos] == '/') {
        ++pos;
        const auto t = PosixTime(text, pos);
        if (!t) return std::nullopt;
        c.second = *t;
    }
    return c;
}

std::int64_t BigEndian(const std::string& data, std::size_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(data[at + i]);
    if (bytes == 4) return static_cast<std::int32_t>(v);
    return static_cast<std::int64_t>(v);
}

bool SafeZoneName(const std::string& name) {
    if (name.empty() || name.size() > 64 || name.front() == '/' || name.find("..") != std::string::npos) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
               c == '-' || c == '+';
    });
}

}  // namespace

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

TimeZone TimeZone::Fixed(int offsetSeconds) {
    TimeZone z;
    z.initialOffset = offsetSeconds;
    return z;
}

std::optional<TimeZone> TimeZone::FromPosixRule(const std::string& rule) {
    std::size_t pos = 0;
    if (!PosixName(rule, pos)) return std::nullopt;
    const auto standard = PosixTime(rule, pos);
    if (!standard) return std::nullopt;
    TimeZone z = Fixed(static_cast<int>(-*standard));
    if (pos >= rule.size() || !PosixName(rule, pos)) return z;
    z.standardOffset = z.initialOffset;
    z.daylightOffset = z.standardOffset + kSecondsPerHour;
    if (pos < rule.size() && rule[pos] != ',') {
        const auto daylight = PosixTime(rule, pos);
        if (!daylight) return std::nullopt;
        z.daylightOffset = static_cast<int>(-*daylight);
    }
    const auto starts = PosixChange(rule, pos);
    const auto ends = starts ? PosixChange(rule, pos) : std::nullopt;
    if (!starts || !ends) return std::nullopt;
    z.yearly = true;
    z.daylightStarts = *starts;
    z.daylightEnds = *ends;
    return z;
}

std::optional<TimeZone> TimeZone::FromSystem(const std::string& name) {
    if (!SafeZoneName(name)) return std::nullopt;
    const char* dir = std::getenv("TZDIR");
    const std::filesystem::path path = std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + name;
    // A folder of the zone data ("Europe/") opens as a file but cannot be read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::size_t kHeader = 44;
    if (data.size() < kHeader || data.compare(0, 4, "TZif") != 0) return std::nullopt;
    std::size_t at = 0;
    int timeBytes = 4;
    // Counts: UT/local flags, standard/wall flags, leap seconds, changes, types, abbreviation bytes.
    auto counts = [&](std::size_t header, std::int64_t (&c)[6]) {
        for (int i = 0; i < 6; ++i) c[i] = BigEndian(data, header + 20 + 4 * i, 4);
    };
    std::int64_t c[6];
    counts(0, c);
    auto blockSize = [&](int bytes) {
        return static_cast<std::size_t>(c[3] * bytes + c[3] + c[4] * 6 + c[5] + c[2] * (bytes + 4) + c[1] + c[0]);
    };
    if (data[4] >= '2') {
        at = kHeader + blockSize(4);
        if (data.size() < at + kHeader || data.compare(at, 4, "TZif") != 0) return std::nullopt;
        counts(at, c);
        timeBytes = 8;
    }
    const std::size_t body = at + kHeader;
    if (data.size() < body + blockSize(timeBytes) || c[4] < 1) return std::nullopt;
    const std::size_t indexes = body + static_cast<std::size_t>(c[3]) * timeBytes;
    const std::size_t types = indexes + static_cast<std::size_t>(c[3]);
    auto typeOffset = [&](std::int64_t type) {
        return static_cast<int>(BigEndian(data, types + static_cast<std::size_t>(type) * 6, 4));
    };
    TimeZone z;
    z.initialOffset = typeOffset(0);
    for (std::int64_t i = 0; i < c[3]; ++i) {
        const std::int64_t type = static_cast<unsigned char>(data[indexes + static_cast<std::size_t>(i)]);
        if (type >= c[4]) return std::nullopt;
        z.changes.emplace_back(BigEndian(data, body + static_cast<std::size_t>(i) * timeBytes, timeBytes), typeOffset(type));
    }
    // The footer's rule goes on after the last change.
    const std::size_t footer = body + blockSize(timeBytes);
    if (timeBytes == 8 && footer + 1 < data.size() && data[footer] == '\n') {
        const std::size_t end = data.find('\n', footer + 1);
        if (const auto rule = FromPosixRule(data.substr(footer + 1, end - footer - 1))) {
            if (rule->yearly) {
                z.yearly = true;
                z.standardOffset = rule->standardOffset;
                z.daylightOffset = rule->daylightOffset;
                z.daylightStarts = rule->daylightStarts;
                z.daylightEnds = rule->daylightEnds;
            } else if (z.changes.empty()) {
                z.initialOffset = rule->initialOffset;
            }
        }
    }
    return z;
}

int TimeZone::RuleOffsetAt(std::int64_t utc) const {
    const int year = YearOfWall(utc + standardOffset);
    const std::int64_t starts = ChangeWall(daylightStarts, year) - standardOffset;
    const std::int64_t ends = ChangeWall(daylightEnds, year) - daylightOffset;
    const bool daylight = starts < ends ? utc >= starts && utc < ends : !(utc >= ends && utc < starts);
    return daylight ? daylightOffset : standardOffset;
}

int TimeZone::OffsetAtUtc(std::int64_t utc) const {
    const auto after = std::upper_bound(changes.begin(), changes.end(), utc,
                                        [](std::int64_t t, const std::pair<std::int64_t, int>& c) { return t < c.first; });
    if (yearly && after == changes.end()) return RuleOffsetAt(utc);
    return after == changes.begin() ? initialOffset : std::prev(after)->second;
}

std::int64_t TimeZone::UtcOfWall(std::int64_t wall) const {
    const int before = OffsetAtUtc(wall - kSecondsPerDay);
    const int after = OffsetAtUtc(wall + kSecondsPerDay);
    std::optional<std::int64_t> best;
    for (const int offset : {before, after}) {
        const std::int64_t utc = wall - offset;
        if (OffsetAtUtc(utc) == offset && (!best || utc < *best)) best = utc;
    }
    return best ? *best : wall - before;
}

}  // namespace devicectl
