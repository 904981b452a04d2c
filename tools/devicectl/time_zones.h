// Time zones of calendar files: the system's zone database (IANA names), a file's own VTIMEZONE
// rules, and the Windows zone names mapped to IANA ones. Times are seconds since 1 January 1970:
// "wall" seconds count a zone's clock as if it were UTC.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace devicectl {

constexpr std::int64_t kSecondsPerDay = 86400;
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);

// A change of the rule part of a zone: month, week of the month (1-4, 5 the last), weekday
// (0 Sunday) and the wall-clock second of the day it happens at (may be negative or past a day).
struct ZoneChange {
    int month = 1;
    int week = 1;
    int weekday = 0;
    std::int64_t second = 7200;
};

class TimeZone {
public:
    static TimeZone Fixed(int offsetSeconds);
    // From /usr/share/zoneinfo; nothing for an unknown or unsafe name.
    static std::optional<TimeZone> FromSystem(const std::string& name);
    // The yearly rule of a POSIX TZ text ("CET-1CEST,M3.5.0,M10.5.0/3").
    static std::optional<TimeZone> FromPosixRule(const std::string& rule);

    int OffsetAtUtc(std::int64_t utc) const;
    // A wall time that falls in a gap takes the offset before it; a doubled one means its first moment.
    std::int64_t UtcOfWall(std::int64_t wall) const;
    std::int64_t WallOfUtc(std::int64_t utc) const { return utc + OffsetAtUtc(utc); }

    // Built from fixed changes, then a yearly standard/daylight rule from the last change on.
    std::vector<std::pair<std::int64_t, int>> changes;  // UTC moment, offset from then on
    int initialOffset = 0;
    bool yearly = false;
    int standardOffset = 0;
    int daylightOffset = 0;
    ZoneChange daylightStarts;
    ZoneChange daylightEnds;

private:
    int RuleOffsetAt(std::int64_t utc) const;
};

// The IANA name of a Windows zone name ("W. Europe Standard Time"), if it is one.
std::optional<std::string> IanaOfWindowsZone(const std::string& windowsName);

}  // namespace devicectl
