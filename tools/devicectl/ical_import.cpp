// iCalendar files: events become appointments, to-dos become tasks; RRULE becomes the item's pattern
// and EXDATE its deleted occurrences.
#include <cstdlib>
#include <map>

#include "devicectl/pim_import.h"
#include "pim/item_core.h"
#include "pim/item_fields.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "platform/text.h"
#include "platform/time.h"

namespace devicectl {

using platform::pim::ItemData;
using platform::pim::ItemKind;

namespace {

constexpr int kLastInstance = 5;

struct Weekday {
    const char* code;
    LONG bit;
};
constexpr Weekday kWeekdays[] = {{"SU", olSunday},   {"MO", olMonday}, {"TU", olTuesday}, {"WE", olWednesday},
                                 {"TH", olThursday}, {"FR", olFriday}, {"SA", olSaturday}};

std::u16string Text(const ContentLine& line) { return platform::FromUtf8(Unescape(line.value)); }

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

// "P1DT2H", "-PT15M", "PT90M": minutes, negative before; nothing past what the store can keep.
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

// RRULE into the item's pattern; `anchor` is the series start. False for what the store cannot keep.
bool ApplyRule(const std::string& rule, DATE anchor, platform::pim::RecurrenceData& r, std::string& why) {
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
        const auto until = ParseIcalDate(parts["UNTIL"]);
        if (!until) {
            why = "bad UNTIL";
            return false;
        }
        r.noEndDate = false;
        r.patternEnd = static_cast<double>(platform::pim::OleDay(*until));
    }
    return true;
}

class CalendarReader {
public:
    explicit CalendarReader(const std::vector<ContentLine>& lines) : lines_(lines) {}

    std::optional<Items> Read(ImportError& error) {
        Items items;
        uids_.clear();
        moved_.clear();
        bool inCalendar = false;
        for (i_ = 0; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            const std::string what = Upper(line.value);
            if (line.name == "BEGIN" && what == "VCALENDAR" && !inCalendar) {
                inCalendar = true;
            } else if (line.name == "END" && what == "VCALENDAR" && inCalendar) {
                inCalendar = false;
            } else if (!inCalendar) {
                return Fail(error, line.number, "expected BEGIN:VCALENDAR");
            } else if (line.name == "BEGIN" && (what == "VEVENT" || what == "VTODO")) {
                auto item = ReadItem(what == "VEVENT" ? ItemKind::Appointment : ItemKind::Task, error);
                if (!item) return std::nullopt;
                uids_.push_back(currentUid_);
                items.push_back(std::move(*item));
            } else if (line.name == "BEGIN") {
                if (!Skip(what, error)) return std::nullopt;
            }
        }
        if (inCalendar) return Fail(error, lines_.empty() ? 1 : lines_.back().number, "missing END:VCALENDAR");
        if (items.empty() && lines_.empty()) return Fail(error, 1, "empty file");
        MarkMovedOccurrences(items);
        return items;
    }

private:
    // An event with a RECURRENCE-ID stands in for one occurrence of the series of its UID: that
    // occurrence leaves the series, as EXDATE takes one out, so the meeting shows once.
    void MarkMovedOccurrences(Items& items) const {
        for (const auto& [uid, movedDay] : moved_)
            for (std::size_t k = 0; k < items.size(); ++k) {
                const std::int64_t day = movedDay;  // clang 14 cannot capture a structured binding
                if (uids_[k] != uid || !items[k].recurrence.Set()) continue;
                platform::pim::ExceptionData e;
                e.originalDay = day;
                e.deleted = true;
                std::erase_if(items[k].exceptions, [&](const auto& x) { return x.originalDay == day; });
                items[k].exceptions.push_back(e);
            }
    }

    static std::nullopt_t Fail(ImportError& error, int line, std::string message) {
        error = {line, std::move(message)};
        return std::nullopt;
    }

    // Passes over a component this store does not keep (time zones, journals...).
    bool Skip(const std::string& name, ImportError& error) {
        const int begin = lines_[i_].number;
        for (++i_; i_ < lines_.size(); ++i_) {
            const std::string what = Upper(lines_[i_].value);
            if (lines_[i_].name == "BEGIN") {
                if (!Skip(what, error)) return false;
                continue;
            }
            if (lines_[i_].name == "END") {
                if (what == name) return true;
                error = {lines_[i_].number, "END:" + what + " inside " + name};
                return false;
            }
        }
        error = {begin, "missing END:" + name};
        return false;
    }

    std::optional<ItemData> ReadItem(ItemKind kind, ImportError& error) {
        const int begin = lines_[i_].number;
        const std::string name = kind == ItemKind::Appointment ? "VEVENT" : "VTODO";
        ItemData item = platform::pim::NewItem(kind);
        if (kind == ItemKind::Appointment) item.SetInt(PIMPR_REMINDER_SET, 0);
        std::optional<DATE> start, end, due;
        std::optional<long> duration;
        bool allDay = false;
        std::optional<std::pair<int, std::string>> rule;
        std::vector<std::pair<int, std::string>> exdates;
        std::optional<long> reminder;
        currentUid_.clear();
        std::optional<std::int64_t> movedDay;  // RECURRENCE-ID: the UID may come after it
        for (++i_; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            const std::string what = Upper(line.value);
            if (line.name == "END") {
                if (what != name) return Fail(error, line.number, "END:" + what + " inside " + name);
                break;
            }
            if (line.name == "BEGIN") {
                if (what == "VALARM") {
                    if (!ReadAlarm(reminder, error)) return std::nullopt;
                } else if (!Skip(what, error)) {
                    return std::nullopt;
                }
                continue;
            }
            const bool dateOnlyParam = Upper(line.params.count("VALUE") ? line.params.at("VALUE") : "") == "DATE";
            auto date = [&](std::optional<DATE>& slot, bool* dateOnly) -> bool {
                bool only = false;
                slot = ParseIcalDate(line.value, &only);
                if (dateOnly) *dateOnly = only || dateOnlyParam;
                return slot.has_value();
            };
            if (line.name == "SUMMARY") {
                item.SetText(PIMPR_SUBJECT, Text(line));
            } else if (line.name == "LOCATION" && kind == ItemKind::Appointment) {
                item.SetText(PIMPR_LOCATION, Text(line));
            } else if (line.name == "DESCRIPTION") {
                item.SetText(PIMPR_BODY_TEXT, Text(line));
            } else if (line.name == "CATEGORIES") {
                for (const std::string& c : SplitEscaped(line.value, ','))
                    for (auto& n : platform::pim::SplitCategories(platform::FromUtf8(c))) item.categories.push_back(n);
            } else if (line.name == "CLASS") {
                item.SetInt(PIMPR_SENSITIVITY, what == "PUBLIC" ? olNormal : olPrivate);
            } else if (line.name == "DTSTART") {
                if (!date(start, &allDay)) return Fail(error, line.number, "bad date " + line.value);
            } else if (line.name == "DTEND" && kind == ItemKind::Appointment) {
                if (!date(end, nullptr)) return Fail(error, line.number, "bad date " + line.value);
            } else if (line.name == "DUE" && kind == ItemKind::Task) {
                if (!date(due, nullptr)) return Fail(error, line.number, "bad date " + line.value);
            } else if (line.name == "DURATION") {
                duration = ParseDuration(line.value);
                if (!duration || *duration < 0) return Fail(error, line.number, "bad duration " + line.value);
            } else if (line.name == "RRULE") {
                rule = std::make_pair(line.number, line.value);
            } else if (line.name == "UID") {
                currentUid_ = line.value;
            } else if (line.name == "RECURRENCE-ID") {
                const auto original = ParseIcalDate(line.value);
                if (!original) return Fail(error, line.number, "bad date " + line.value);
                movedDay = platform::pim::OleDay(*original);
            } else if (line.name == "EXDATE") {
                for (const std::string& d : SplitEscaped(line.value, ',')) exdates.emplace_back(line.number, d);
            } else if (line.name == "TRANSP" && kind == ItemKind::Appointment) {
                item.SetInt(PIMPR_BUSY_STATUS, what == "TRANSPARENT" ? olFree : olBusy);
            } else if (line.name == "PRIORITY" && kind == ItemKind::Task) {
                const int p = std::atoi(line.value.c_str());
                item.SetInt(PIMPR_IMPORTANCE, p >= 1 && p <= 4 ? olImportanceHigh : p >= 6 ? olImportanceLow
                                                                                            : olImportanceNormal);
            } else if (line.name == "STATUS" && kind == ItemKind::Task) {
                if (what == "COMPLETED") item.SetInt(PIMPR_COMPLETE, 1);
            } else if (line.name == "COMPLETED" && kind == ItemKind::Task) {
                std::optional<DATE> done;
                if (!date(done, nullptr)) return Fail(error, line.number, "bad date " + line.value);
                item.SetInt(PIMPR_COMPLETE, 1);
                item.SetDate(PIMPR_DATE_COMPLETED, *done);
            }
        }
        if (i_ >= lines_.size()) return Fail(error, begin, "missing END:" + name);
        const int endLine = lines_[i_].number;

        DATE anchor = 0;
        if (kind == ItemKind::Appointment) {
            if (!start) return Fail(error, endLine, "VEVENT without DTSTART");
            long minutes = allDay ? platform::pim::kMinutesPerDay : 0;
            if (end) minutes = static_cast<long>(platform::pim::OleMinutes(*end) - platform::pim::OleMinutes(*start));
            else if (duration) minutes = *duration;
            if (minutes < 0) return Fail(error, endLine, "DTEND before DTSTART");
            item.SetDate(PIMPR_START, *start);
            item.SetInt(PIMPR_DURATION, minutes);
            item.SetInt(PIMPR_ALL_DAY_EVENT, allDay ? 1 : 0);
            if (reminder) {
                item.SetInt(PIMPR_REMINDER_SET, 1);
                item.SetInt(PIMPR_REMINDER_MINUTES_BEFORE_START, *reminder);
            }
            anchor = *start;
        } else {
            // The store keeps no start without a due date: a to-do with a start only is due then.
            if (start && !due) due = start;
            if (start) item.SetDate(PIMPR_START_DATE, *start);
            if (due) item.SetDate(PIMPR_DUE_DATE, *due);
            anchor = due ? *due : start ? *start : platform::pim::OleNow();
        }
        if (rule) {
            std::string why;
            if (!ApplyRule(rule->second, anchor, item.recurrence, why)) return Fail(error, rule->first, why);
            for (const auto& [number, text] : exdates) {
                const auto day = ParseIcalDate(text);
                if (!day) return Fail(error, number, "bad date " + text);
                platform::pim::ExceptionData e;
                e.originalDay = platform::pim::OleDay(*day);
                e.deleted = true;
                item.exceptions.push_back(e);
            }
        }
        if (FAILED(platform::pim::PrepareForSave(item)))
            return Fail(error, begin, name + " cannot be kept: invalid dates or reminder");
        if (movedDay) moved_.emplace_back(currentUid_, *movedDay);
        return item;
    }

    bool ReadAlarm(std::optional<long>& reminder, ImportError& error) {
        const int begin = lines_[i_].number;
        for (++i_; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            if (line.name == "END") {
                if (Upper(line.value) == "VALARM") return true;
                error = {line.number, "END:" + Upper(line.value) + " inside VALARM"};
                return false;
            }
            if (line.name == "TRIGGER") {
                const auto minutes = ParseDuration(line.value);
                if (!minutes) {
                    error = {line.number, "bad trigger " + line.value};
                    return false;
                }
                reminder = -*minutes;
            }
        }
        error = {begin, "missing END:VALARM"};
        return false;
    }

    const std::vector<ContentLine>& lines_;
    std::size_t i_ = 0;
    std::string currentUid_;                                // of the item being read
    std::vector<std::string> uids_;                         // one per item read, in order
    std::vector<std::pair<std::string, std::int64_t>> moved_;  // UID and original day of moved ones
};

}  // namespace

std::optional<DATE> ParseIcalDate(const std::string& text, bool* dateOnly) {
    std::string digits;
    bool utc = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
        else if (c == 'Z' || c == 'z') utc = true;
        else if (c != 'T' && c != 't' && c != '-' && c != ':' && c != ' ') return std::nullopt;
    }
    if (digits.size() != 8 && digits.size() != 12 && digits.size() != 14) return std::nullopt;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(std::atoi(digits.substr(0, 4).c_str()));
    st.wMonth = static_cast<WORD>(std::atoi(digits.substr(4, 2).c_str()));
    st.wDay = static_cast<WORD>(std::atoi(digits.substr(6, 2).c_str()));
    if (digits.size() >= 12) {
        st.wHour = static_cast<WORD>(std::atoi(digits.substr(8, 2).c_str()));
        st.wMinute = static_cast<WORD>(std::atoi(digits.substr(10, 2).c_str()));
    }
    if (dateOnly) *dateOnly = digits.size() == 8;
    DATE date = 0;
    if (!platform::pim::SystemTimeToOle(st, date)) return std::nullopt;
    if (utc) {
        const FILETIME universal = platform::pim::FileTimeFromOle(date);
        FILETIME local{};
        if (FileTimeToLocalFileTime(&universal, &local)) date = platform::pim::OleFromFileTime(local);
    }
    return date;
}

std::optional<Items> ReadCalendar(const std::string& text, ImportError& error) {
    const auto lines = ReadContentLines(text, error);
    if (!lines) return std::nullopt;
    return CalendarReader(*lines).Read(error);
}

}  // namespace devicectl
