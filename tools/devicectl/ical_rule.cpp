// Durations and recurrence rules of calendar files.
#include "devicectl/ical_rule.h"

#include <cstdlib>
#include <map>
#include <vector>

#include "devicectl/content_lines.h"
#include "pim/recurrence.h"

namespace devicectl {

namespace {

constexpr int kLastInstance = 5;

struct Weekday {
    const char* code;
    LONG bit;
};
constexpr Weekday kWeekdays[] = {{"SU", olSunday},   {"MO", olMonday}, {"TU", olTuesday}, {"WE", olWednesday},
                                 {"TH", olThursday}, {"FR", olFriday}, {"SA", olSaturday}};

bool AllDigits(const std::string& s) {
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

// The largest values the store takes: a rule's interval and count, and a duration in minutes (the
// store keeps it in 32 bits).
constexpr long kMaxInterval = 9999;
constexpr long kMaxCount = 99999;
constexpr long long kMaxDurationMinutes = 0x7FFFFFFF;

// A whole number of at most `max`, from digits alone; nothing for anything else or a larger one.
std::optional<long> BoundedNumber(const std::string& text, long max) {
    if (!AllDigits(text)) return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
        if (value > max) return std::nullopt;
    }
    return static_cast<long>(value);
}

}  // namespace

std::optional<long> ParseDuration(const std::string& text) {
    std::size_t i = 0;
    long sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) sign = text[i++] == '-' ? -1 : 1;
    if (i >= text.size() || text[i++] != 'P') return std::nullopt;
    long long minutes = 0;
    bool any = false;
    while (i < text.size()) {
        if (text[i] == 'T') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (start == i || i >= text.size()) return std::nullopt;
        const auto n = BoundedNumber(text.substr(start, i - start), static_cast<long>(kMaxDurationMinutes));
        if (!n) return std::nullopt;
        long long part = 0;
        switch (text[i++]) {
        case 'W': part = *n * 7LL * 1440; break;
        case 'D': part = *n * 1440LL; break;
        case 'H': part = *n * 60LL; break;
        case 'M': part = *n; break;
        case 'S': part = *n / 60; break;
        default: return std::nullopt;
        }
        minutes += part;
        if (minutes > kMaxDurationMinutes) return std::nullopt;
        any = true;
    }
    if (!any) return std::nullopt;
    return static_cast<long>(sign * minutes);
}

namespace {

// A rule's BYDAY entry: "TU", "2TU", "-1FR".
bool ParseByDay(const std::string& entry, LONG& bit, int& ordinal) {
    std::size_t i = 0;
    while (i < entry.size() && (entry[i] == '-' || entry[i] == '+' || (entry[i] >= '0' && entry[i] <= '9'))) ++i;
    ordinal = i ? std::atoi(entry.substr(0, i).c_str()) : 0;
    const std::string code = entry.substr(i);
    for (const Weekday& w : kWeekdays)
        if (code == w.code) {
            bit = w.bit;
            return true;
        }
    return false;
}

}  // namespace

bool ApplyRule(const std::string& rule, DATE anchor, platform::pim::RecurrenceData& r, std::string& until,
               std::string& why) {
    std::map<std::string, std::string> parts;
    for (const std::string& part : SplitEscaped(rule, ';')) {
        const std::size_t eq = part.find('=');
        if (eq == std::string::npos) {
            why = "malformed recurrence rule";
            return false;
        }
        parts[Upper(part.substr(0, eq))] = Upper(part.substr(eq + 1));
    }
    static constexpr const char* kKnown[] = {"FREQ", "INTERVAL", "COUNT", "UNTIL", "BYDAY", "BYMONTHDAY", "BYMONTH",
                                             "BYSETPOS", "WKST"};
    for (const auto& [key, value] : parts) {
        bool known = false;
        for (const char* k : kKnown) known = known || key == k;
        if (!known) {
            why = "unsupported recurrence part " + key;
            return false;
        }
    }
    const std::string freq = parts["FREQ"];
    LONG mask = 0;
    int ordinal = 0;
    if (parts.count("BYDAY")) {
        for (const std::string& entry : SplitEscaped(parts["BYDAY"], ',')) {
            LONG bit = 0;
            int n = 0;
            if (!ParseByDay(entry, bit, n)) {
                why = "bad BYDAY " + entry;
                return false;
            }
            mask |= bit;
            if (n) ordinal = n;
        }
    }
    if (parts.count("BYSETPOS")) ordinal = std::atoi(parts["BYSETPOS"].c_str());
    const LONG instance = ordinal < 0 ? kLastInstance : ordinal;
    LONG type = -1;
    if (freq == "DAILY") type = olRecursDaily;
    else if (freq == "WEEKLY") type = olRecursWeekly;
    else if (freq == "MONTHLY") type = mask && instance ? olRecursMonthNth : olRecursMonthly;
    else if (freq == "YEARLY") type = mask && instance ? olRecursYearNth : olRecursYearly;
    if (type < 0) {
        why = "unsupported recurrence frequency " + freq;
        return false;
    }
    if (ordinal < -1 || ordinal > kLastInstance) {
        why = "unsupported occurrence in month";
        return false;
    }
    platform::pim::ApplyPatternDefaults(r, type, anchor);
    if (parts.count("INTERVAL")) {
        const auto interval = BoundedNumber(parts["INTERVAL"], kMaxInterval);
        if (!interval || *interval < 1) {
            why = "bad INTERVAL " + parts["INTERVAL"] + " (1 to " + std::to_string(kMaxInterval) + ")";
            return false;
        }
        r.interval = *interval;
    }
    if (mask) r.dayOfWeekMask = mask;
    if (instance) r.instance = instance;
    if (parts.count("BYMONTHDAY")) {
        const int day = std::atoi(parts["BYMONTHDAY"].c_str());
        if (day < 1 || day > 31) {
            why = "unsupported BYMONTHDAY";
            return false;
        }
        r.dayOfMonth = day;
    }
    if (parts.count("BYMONTH")) {
        const int month = std::atoi(parts["BYMONTH"].c_str());
        if (month < 1 || month > 12) {
            why = "bad BYMONTH";
            return false;
        }
        r.monthOfYear = month;
    }
    if (parts.count("COUNT")) {
        const auto count = BoundedNumber(parts["COUNT"], kMaxCount);
        if (!count || *count < 1) {
            why = "bad COUNT " + parts["COUNT"] + " (1 to " + std::to_string(kMaxCount) + ")";
            return false;
        }
        r.noEndDate = false;
        r.occurrences = *count;
    } else if (parts.count("UNTIL")) {
        until = parts["UNTIL"];
    }
    return true;
}

}  // namespace devicectl
