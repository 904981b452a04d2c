// Times of calendar files and how a series given in its own zone is kept by the store, which holds a
// local start and a pattern: the pattern keeps the local time most occurrences have, and the
// occurrences where the series' zone and the device's change their clocks on other days are kept
// as moved occurrences (up to ten years ahead of the later of the start and today).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "devicectl/time_zones.h"
#include "pim/item_data.h"

namespace devicectl {

// A DATE or DATE-TIME value: its wall-clock seconds in `zone` (none: the device's own clock).
struct Stamp {
    std::int64_t wall = 0;
    bool dateOnly = false;
    const TimeZone* zone = nullptr;

    std::int64_t Day() const { return FloorDiv(wall, kSecondsPerDay); }
    std::int64_t TimeOfDay() const { return wall - Day() * kSecondsPerDay; }
};

// "YYYYMMDD" or "YYYYMMDDTHHMM[SS][Z]" (also with '-' and ':'); `utc` is the zone a final Z names.
std::optional<Stamp> ParseStamp(const std::string& text, const TimeZone* zone, const TimeZone* utc);

std::int64_t UtcOf(const Stamp& s);
// The device's wall clock at a UTC moment, and back.
std::int64_t DeviceWallOfUtc(std::int64_t utc);
// The same moment on another zone's wall clock (none: the device's); dates stay as they are.
std::int64_t WallIn(const Stamp& s, const TimeZone* zone);
DATE OleOfWall(std::int64_t wall);
std::int64_t OleDayOfWallDay(std::int64_t day);
std::int64_t WallDayOfOleDay(std::int64_t oleDay);

// Moves a pattern's days by whole days (a series whose local time falls on another date).
void ShiftPattern(platform::pim::RecurrenceData& r, std::int64_t days);

// A series as its file gives it: the pattern over days of its zone's clock and the time of day.
struct SourceSeries {
    platform::pim::RecurrenceData pattern;  // days are OLE days of the zone's wall clock
    std::int64_t timeOfDay = 0;             // seconds
    const TimeZone* zone = nullptr;         // none: floating or all-day
    LONG duration = 0;
};

// How the store keeps it: `series` gets its start, pattern and moved occurrences; occurrences the
// pattern cannot give come back as local starts of appointments of their own.
struct KeptSeries {
    std::vector<std::int64_t> ownStarts;  // wall seconds of the device
    // The stored pattern day of a pattern day of the source.
    std::int64_t StoredDay(std::int64_t sourceDay) const {
        const auto it = days.find(sourceDay);
        return it != days.end() ? it->second : sourceDay + shift;
    }
    std::map<std::int64_t, std::int64_t> days;
    std::int64_t shift = 0;
};
KeptSeries KeepSeries(const SourceSeries& source, platform::pim::ItemData& series);

// Whether a day is one of the pattern's days.
bool IsPatternDay(const platform::pim::RecurrenceData& r, std::int64_t day);

}  // namespace devicectl
