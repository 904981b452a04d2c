// iCalendar files: events become appointments, to-dos become tasks; RRULE becomes the item's pattern,
// EXDATE its deleted occurrences and an event with a RECURRENCE-ID its changed one. Times are taken
// in their own zones and kept on the device's clock; what the store cannot keep is left out and named.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "devicectl/ical_rule.h"
#include "devicectl/ical_series.h"
#include "devicectl/pim_import.h"
#include "pim/item_core.h"
#include "pim/item_fields.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "platform/text.h"
#include "platform/time.h"

namespace devicectl {

using platform::pim::ExceptionData;
using platform::pim::ItemData;
using platform::pim::ItemKind;
using platform::pim::RecurrenceData;

namespace {

constexpr int kLastWeek = 5;

std::u16string Text(const ContentLine& line) { return platform::FromUtf8(Unescape(line.value)); }

std::string Param(const ContentLine& line, const char* name) {
    const auto it = line.params.find(name);
    return it == line.params.end() ? std::string() : it->second;
}

// A component with its properties and the components inside it.
struct Component {
    std::string name;
    int begin = 0;
    std::vector<const ContentLine*> props;
    std::vector<Component> children;
};

bool IsItem(const std::string& name) { return name == "VEVENT" || name == "VTODO"; }

// "+0100", "-0500", "+013000" as seconds.
std::optional<int> ParseOffset(const std::string& text) {
    if (text.size() != 5 && text.size() != 7) return std::nullopt;
    if (text[0] != '+' && text[0] != '-') return std::nullopt;
    int seconds = 0;
    for (std::size_t i = 1; i < text.size(); i += 2) {
        if (text[i] < '0' || text[i] > '9' || text[i + 1] < '0' || text[i + 1] > '9') return std::nullopt;
        const int n = (text[i] - '0') * 10 + (text[i + 1] - '0');
        seconds += n * (i == 1 ? 3600 : i == 3 ? 60 : 1);
    }
    return text[0] == '-' ? -seconds : seconds;
}

// A VTIMEZONE's STANDARD or DAYLIGHT part.
struct Observance {
    bool daylight = false;
    std::int64_t start = 0;  // on the clock before it
    int from = 0;
    int to = 0;
    std::optional<ZoneChange> yearly;
};

// The yearly change of an observance's RRULE ("FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU").
std::optional<ZoneChange> YearlyChange(const std::string& rule, std::int64_t timeOfDay) {
    ZoneChange c;
    c.second = timeOfDay;
    bool month = false, day = false;
    for (const std::string& part : SplitEscaped(Upper(rule), ';')) {
        if (part.rfind("BYMONTH=", 0) == 0) {
            c.month = std::atoi(part.c_str() + 8);
            month = c.month >= 1 && c.month <= 12;
        } else if (part.rfind("BYDAY=", 0) == 0) {
            const std::string v = part.substr(6);
            static constexpr const char* kDays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
            if (v.size() < 2) return std::nullopt;
            const int n = v.size() > 2 ? std::atoi(v.substr(0, v.size() - 2).c_str()) : 1;
            for (int d = 0; d < 7; ++d)
                if (v.compare(v.size() - 2, 2, kDays[d]) == 0) {
                    c.weekday = d;
                    day = true;
                }
            if (n == -1) c.week = kLastWeek;
            else if (n >= 1 && n <= 4) c.week = n;
            else return std::nullopt;
        }
    }
    if (!month || !day) return std::nullopt;
    return c;
}

std::optional<TimeZone> ZoneOfComponent(const Component& vtimezone) {
    std::vector<Observance> parts;
    for (const Component& child : vtimezone.children) {
        if (child.name != "STANDARD" && child.name != "DAYLIGHT") continue;
        Observance o;
        o.daylight = child.name == "DAYLIGHT";
        std::optional<Stamp> start;
        std::optional<int> from, to;
        std::string rule;
        for (const ContentLine* p : child.props) {
            if (p->name == "DTSTART") start = ParseStamp(p->value, nullptr, nullptr);
            else if (p->name == "TZOFFSETFROM") from = ParseOffset(p->value);
            else if (p->name == "TZOFFSETTO") to = ParseOffset(p->value);
            else if (p->name == "RRULE") rule = p->value;
        }
        if (!start || !to) continue;
        o.start = start->wall;
        o.to = *to;
        o.from = from.value_or(*to);
        if (!rule.empty()) o.yearly = YearlyChange(rule, start->TimeOfDay());
        parts.push_back(o);
    }
    if (parts.empty()) return std::nullopt;
    // The latest yearly rule of each kind describes the zone today.
    const Observance* standard = nullptr;
    const Observance* daylight = nullptr;
    for (const Observance& o : parts) {
        if (!o.yearly) continue;
        const Observance*& slot = o.daylight ? daylight : standard;
        if (!slot || o.start > slot->start) slot = &o;
    }
    TimeZone zone = TimeZone::Fixed(0);
    if (standard && daylight) {
        zone.yearly = true;
        zone.standardOffset = standard->to;
        zone.daylightOffset = daylight->to;
        zone.daylightStarts = *daylight->yearly;
        zone.daylightEnds = *standard->yearly;
        zone.initialOffset = standard->to;
        return zone;
    }
    std::sort(parts.begin(), parts.end(), [](const Observance& a, const Observance& b) { return a.start - a.from < b.start - b.from; });
    zone.initialOffset = parts.front().from;
    for (const Observance& o : parts) zone.changes.emplace_back(o.start - o.from, o.to);
    return zone;
}

// The zones a file's TZIDs name, each looked up once.
class ZoneBook {
public:
    ZoneBook(const std::vector<Component>& components, std::vector<ImportError>& notes) : notes_(notes) {
        for (const Component& c : components)
            if (c.name == "VTIMEZONE")
                for (const ContentLine* p : c.props)
                    if (p->name == "TZID") own_.emplace(p->value, &c);
    }

    const TimeZone* Utc() const { return &utc_; }

    // None (the device's clock) for a zone nobody knows, said once.
    const TimeZone* Find(const std::string& tzid, int line) {
        auto found = zones_.find(tzid);
        if (found == zones_.end()) {
            found = zones_.emplace(tzid, Resolve(tzid)).first;
            if (!found->second) notes_.push_back({line, "unknown time zone " + tzid + ": its times are taken as the device's"});
        }
        return found->second ? &*found->second : nullptr;
    }

private:
    std::optional<TimeZone> Resolve(const std::string& tzid) const {
        if (auto zone = TimeZone::FromSystem(tzid)) return zone;
        // "/example.org/20050126_1/Europe/Berlin": the IANA name at its end.
        for (std::size_t slash = tzid.find('/'); slash != std::string::npos; slash = tzid.find('/', slash + 1))
            if (auto zone = TimeZone::FromSystem(tzid.substr(slash + 1))) return zone;
        if (const auto own = own_.find(tzid); own != own_.end())
            if (auto zone = ZoneOfComponent(*own->second)) return zone;
        if (const auto iana = IanaOfWindowsZone(tzid)) return TimeZone::FromSystem(*iana);
        return std::nullopt;
    }

    std::vector<ImportError>& notes_;
    std::map<std::string, const Component*> own_;
    std::map<std::string, std::optional<TimeZone>> zones_;
    TimeZone utc_ = TimeZone::Fixed(0);
};

struct Dated {
    int line = 0;
    Stamp stamp;
    std::optional<long> minutes;  // of an RDATE period
};

// One VEVENT or VTODO as the file gives it.
struct Entry {
    ItemKind kind = ItemKind::Appointment;
    int begin = 0;
    ItemData item;
    std::string uid;
    std::optional<Stamp> start, end, due;
    int startLine = 0;
    std::optional<long> duration;
    long minutes = 0;  // of an appointment
    std::optional<std::pair<int, std::string>> rule;
    std::vector<Dated> exdates, rdates;
    std::optional<Dated> recurrenceId;
    bool thisAndFuture = false;
    bool cancelled = false;
    std::optional<long> reminder;
    int reminderLine = 0;
};

class CalendarReader {
public:
    CalendarReader(const std::vector<Component>& components, std::vector<ImportError>& notes, CalendarCounts& counts)
        : components_(components), notes_(notes), counts_(counts), zones_(components, notes) {}

    Items Read() {
        std::vector<Entry> entries;
        entries.reserve(components_.size());
        for (const Component& c : components_) {
            if (!IsItem(c.name)) continue;
            if (auto e = ReadEntry(c)) entries.push_back(std::move(*e));
            else ++counts_.skippedItems;
        }
        // Changed occurrences go with the series of their UID.
        std::map<std::string, Entry*> masters;
        std::map<const Entry*, std::vector<Entry*>> changes;
        const bool anyChange = std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return e.recurrenceId.has_value(); });
        if (anyChange) {
            for (Entry& e : entries)
                if (!e.recurrenceId && !e.uid.empty() && e.kind == ItemKind::Appointment) masters.emplace(e.uid, &e);
            for (Entry& e : entries)
                if (e.recurrenceId && e.kind == ItemKind::Appointment)
                    if (const auto m = masters.find(e.uid); m != masters.end()) changes[m->second].push_back(&e);
        }
        static const std::vector<Entry*> kNone;
        Items items;
        items.reserve(entries.size());
        for (Entry& e : entries) {
            if (e.recurrenceId && e.kind == ItemKind::Appointment && masters.count(e.uid)) continue;
            const auto own = changes.find(&e);
            if (e.kind == ItemKind::Task) Keep(TaskOf(e), e.begin, items);
            else AppointmentsOf(e, own == changes.end() ? kNone : own->second, items);
        }
        return items;
    }

private:
    void Note(int line, std::string message) { notes_.push_back({line, std::move(message)}); }
    std::nullopt_t Skip(int line, const std::string& name, const std::string& why) {
        Note(line, why + "; " + name + " left out");
        return std::nullopt;
    }

    std::optional<Stamp> StampOf(const ContentLine& line, const std::string& value) {
        const std::string tzid = Param(line, "TZID");
        const TimeZone* zone = tzid.empty() ? nullptr : zones_.Find(tzid, line.number);
        auto s = ParseStamp(value, zone, zones_.Utc());
        if (s && Upper(Param(line, "VALUE")) == "DATE" && !s->dateOnly) return std::nullopt;
        return s;
    }

    // EXDATE and RDATE lists; a bad value is left out on its own.
    void ReadDates(const ContentLine& line, std::vector<Dated>& out) {
        for (const std::string& value : SplitEscaped(line.value, ',')) {
            const std::size_t slash = value.find('/');
            const auto s = StampOf(line, value.substr(0, slash));
            if (!s) {
                Note(line.number, "bad date " + value + " left out");
                continue;
            }
            Dated d{line.number, *s, std::nullopt};
            if (slash != std::string::npos) {
                const std::string tail = value.substr(slash + 1);
                if (const auto end = StampOf(line, tail)) d.minutes = static_cast<long>((UtcOf(*end) - UtcOf(*s)) / 60);
                else d.minutes = ParseDuration(tail);
                if (!d.minutes || *d.minutes < 0) {
                    Note(line.number, "bad period " + value + " left out");
                    continue;
                }
            }
            out.push_back(d);
        }
    }

    // The minutes before the start an alarm rings at; nothing for one the store cannot keep.
    void ReadAlarm(const Component& alarm, Entry& e) {
        for (const ContentLine* p : alarm.props) {
            if (p->name != "TRIGGER") continue;
            std::optional<long> before;
            if (Upper(Param(*p, "VALUE")) == "DATE-TIME" || ParseStamp(p->value, nullptr, zones_.Utc())) {
                const auto at = StampOf(*p, p->value);
                if (at && e.start) before = static_cast<long>((UtcOf(*e.start) - UtcOf(*at)) / 60);
                if (!at) return Note(p->number, "bad trigger " + p->value + "; alarm left out");
            } else if (const auto minutes = ParseDuration(p->value)) {
                before = -*minutes;
                if (Upper(Param(*p, "RELATED")) == "END") before = *before - e.minutes;
            } else {
                return Note(p->number, "bad trigger " + p->value + "; alarm left out");
            }
            if (before && *before < 0) return Note(p->number, "alarm after the start left out");
            e.reminder = before;
            e.reminderLine = p->number;
        }
    }

    std::optional<Entry> ReadEntry(const Component& c) {
        Entry e;
        e.kind = c.name == "VEVENT" ? ItemKind::Appointment : ItemKind::Task;
        e.begin = c.begin;
        e.item = platform::pim::NewItem(e.kind);
        ItemData& item = e.item;
        const bool appointment = e.kind == ItemKind::Appointment;
        if (appointment) item.SetInt(PIMPR_REMINDER_SET, 0);
        std::optional<Stamp> completed;
        int endLine = 0;
        for (const ContentLine* p : c.props) {
            const ContentLine& line = *p;
            const std::string what = Upper(line.value);
            auto date = [&](std::optional<Stamp>& slot) {
                slot = StampOf(line, line.value);
                if (!slot) Note(line.number, "bad date " + line.value + " left out");
                return slot.has_value();
            };
            if (line.name == "SUMMARY") item.SetText(PIMPR_SUBJECT, Text(line));
            else if (line.name == "LOCATION" && appointment) item.SetText(PIMPR_LOCATION, Text(line));
            else if (line.name == "DESCRIPTION") item.SetText(PIMPR_BODY_TEXT, Text(line));
            else if (line.name == "CATEGORIES") {
                for (const std::string& cat : SplitEscaped(line.value, ','))
                    for (auto& n : platform::pim::SplitCategories(platform::FromUtf8(cat))) item.categories.push_back(n);
            } else if (line.name == "CLASS") item.SetInt(PIMPR_SENSITIVITY, what == "PUBLIC" ? olNormal : olPrivate);
            else if (line.name == "DTSTART") {
                e.startLine = line.number;
                if (!date(e.start) && appointment) return Skip(line.number, c.name, "bad date " + line.value);
            } else if (line.name == "DTEND" && appointment) {
                if (date(e.end)) endLine = line.number;
            } else if (line.name == "DUE" && !appointment) date(e.due);
            else if (line.name == "DURATION") {
                e.duration = ParseDuration(line.value);
                if (!e.duration || *e.duration < 0) {
                    Note(line.number, "bad duration " + line.value + " left out");
                    e.duration.reset();
                }
            } else if (line.name == "RRULE") e.rule = std::make_pair(line.number, line.value);
            else if (line.name == "UID") e.uid = line.value;
            else if (line.name == "RECURRENCE-ID") {
                const auto s = StampOf(line, line.value);
                if (!s) return Skip(line.number, c.name, "bad date " + line.value);
                e.recurrenceId = Dated{line.number, *s, std::nullopt};
                e.thisAndFuture = Upper(Param(line, "RANGE")) == "THISANDFUTURE";
            } else if (line.name == "EXDATE") ReadDates(line, e.exdates);
            else if (line.name == "RDATE") ReadDates(line, e.rdates);
            else if (line.name == "STATUS") {
                if (what == "COMPLETED" && !appointment) item.SetInt(PIMPR_COMPLETE, 1);
                e.cancelled = what == "CANCELLED";
            } else if (line.name == "TRANSP" && appointment) item.SetInt(PIMPR_BUSY_STATUS, what == "TRANSPARENT" ? olFree : olBusy);
            else if (line.name == "PRIORITY" && !appointment) {
                const int p = std::atoi(line.value.c_str());
                item.SetInt(PIMPR_IMPORTANCE, p >= 1 && p <= 4 ? olImportanceHigh : p >= 6 ? olImportanceLow : olImportanceNormal);
            } else if (line.name == "COMPLETED" && !appointment && date(completed)) {
                item.SetInt(PIMPR_COMPLETE, 1);
                item.SetDate(PIMPR_DATE_COMPLETED, OleOfWall(WallIn(*completed, nullptr)));
            }
        }
        if (appointment) {
            if (!e.start) return Skip(c.begin, c.name, "VEVENT without DTSTART");
            e.minutes = e.start->dateOnly ? static_cast<long>(platform::pim::kMinutesPerDay) : 0;
            if (e.end) {
                const std::int64_t seconds = e.start->dateOnly || (!e.start->zone && !e.end->zone)
                                                 ? e.end->wall - e.start->wall
                                                 : UtcOf(*e.end) - UtcOf(*e.start);
                if (seconds < 0) Note(endLine, "DTEND before DTSTART left out");
                else e.minutes = static_cast<long>(seconds / 60);
            } else if (e.duration) {
                e.minutes = *e.duration;
            }
        }
        for (const Component& child : c.children)
            if (child.name == "VALARM" && appointment) ReadAlarm(child, e);
        return e;
    }

    // The last day of the pattern an UNTIL leaves in: an occurrence counts when it starts at or before it.
    std::optional<std::int64_t> UntilDay(const std::string& text, const TimeZone* zone, std::int64_t timeOfDay) {
        const auto until = ParseStamp(text, nullptr, zones_.Utc());
        if (!until) return std::nullopt;
        if (until->dateOnly) return OleDayOfWallDay(until->Day());
        Stamp inZone = *until;
        inZone.wall = until->zone ? WallIn(*until, zone) : until->wall;
        inZone.zone = zone;
        return OleDayOfWallDay(inZone.Day() - (timeOfDay > inZone.TimeOfDay() ? 1 : 0));
    }

    // The item's pattern from its RRULE; false when the item cannot be kept. An UNTIL before the start
    // leaves the start as the one occurrence.
    bool PatternOf(const Entry& e, DATE anchor, const TimeZone* zone, std::int64_t timeOfDay, RecurrenceData& r, int& skipLine,
                   std::string& why) {
        std::string until;
        skipLine = e.rule->first;
        if (!ApplyRule(e.rule->second, anchor, r, until, why)) return false;
        if (until.empty()) return true;
        const auto last = UntilDay(until, zone, timeOfDay);
        if (!last) {
            why = "bad UNTIL " + until;
            return false;
        }
        if (*last < platform::pim::OleDay(anchor)) {
            Note(e.rule->first, "UNTIL " + until + " lies before the start: kept as the one appointment at the start");
            r = RecurrenceData{};
            return true;
        }
        r.noEndDate = false;
        r.patternEnd = static_cast<double>(*last);
        return true;
    }

    // Saves nothing the store would refuse: a reminder it cannot keep is left out, an item it cannot
    // keep at all is named.
    void Keep(std::optional<ItemData> item, int begin, Items& items) {
        if (!item) return;
        if (FAILED(platform::pim::PrepareForSave(*item)) && item->Int(PIMPR_REMINDER_SET, 0) != 0) {
            Note(begin, "reminder the store cannot keep left out");
            item->SetInt(PIMPR_REMINDER_SET, 0);
        }
        if (FAILED(platform::pim::PrepareForSave(*item))) {
            Note(begin, "item with dates the store cannot keep left out");
            ++counts_.skippedItems;
            return;
        }
        items.push_back(std::move(*item));
    }

    std::optional<ItemData> TaskOf(const Entry& e) {
        ItemData item = e.item;
        std::optional<DATE> start, due;
        if (e.start) start = OleOfWall(WallIn(*e.start, nullptr));
        if (e.due) due = OleOfWall(WallIn(*e.due, nullptr));
        // The store keeps no start without a due date: a to-do with a start only is due then.
        if (start && !due) due = start;
        if (start) item.SetDate(PIMPR_START_DATE, *start);
        if (due) item.SetDate(PIMPR_DUE_DATE, *due);
        const DATE anchor = due ? *due : start ? *start : platform::pim::OleNow();
        if (!e.rule) return item;
        int line = 0;
        std::string why;
        const std::int64_t timeOfDay = platform::pim::OleMinutes(anchor) % platform::pim::kMinutesPerDay * 60;
        if (!PatternOf(e, anchor, nullptr, timeOfDay, item.recurrence, line, why)) {
            ++counts_.skippedItems;
            return Skip(line, "VTODO", why);
        }
        if (!item.recurrence.Set()) return item;
        for (const Dated& x : e.exdates) {
            ExceptionData ex;
            ex.originalDay = OleDayOfWallDay(FloorDiv(WallIn(x.stamp, nullptr), kSecondsPerDay));
            ex.deleted = true;
            item.exceptions.push_back(ex);
        }
        return item;
    }

    // A part of a series: all of it, or what follows a change of this and all future occurrences.
    struct Part {
        RecurrenceData pattern;  // over the series' own days, as the rule gives them
        std::int64_t dayShift = 0;
        std::int64_t timeOfDay = 0;
        long minutes = 0;
        ItemData item;
        KeptSeries kept;
    };

    static void SetException(ItemData& series, const ExceptionData& e) {
        std::erase_if(series.exceptions, [&](const ExceptionData& x) { return x.originalDay == e.originalDay; });
        series.exceptions.push_back(e);
    }

    static ItemData Overlay(const ItemData& base, const Entry& change) {
        ItemData item = base;
        for (const auto& [id, value] : change.item.props) item.props[id] = value;
        if (!change.item.categories.empty()) item.categories = change.item.categories;
        return item;
    }

    static ItemData OwnAppointment(ItemData item, std::int64_t localWall, long minutes) {
        item.recurrence = RecurrenceData{};
        item.exceptions.clear();
        item.SetDate(PIMPR_START, OleOfWall(localWall));
        item.SetInt(PIMPR_DURATION, minutes);
        return item;
    }

    void AppointmentsOf(Entry& e, const std::vector<Entry*>& changes, Items& items) {
        const bool allDay = e.start->dateOnly;
        const TimeZone* zone = allDay ? nullptr : e.start->zone;
        ItemData base = std::move(e.item);
        base.SetInt(PIMPR_ALL_DAY_EVENT, allDay ? 1 : 0);
        base.SetInt(PIMPR_DURATION, e.minutes);
        if (e.reminder) {
            base.SetInt(PIMPR_REMINDER_SET, 1);
            base.SetInt(PIMPR_REMINDER_MINUTES_BEFORE_START, *e.reminder);
        }
        const std::int64_t timeOfDay = e.start->TimeOfDay();
        RecurrenceData rule;
        // A changed occurrence is one occurrence, whatever rule it carries.
        if (e.rule && !e.recurrenceId) {
            int line = 0;
            std::string why;
            if (!PatternOf(e, OleOfWall(e.start->wall), zone, timeOfDay, rule, line, why)) {
                ++counts_.skippedItems;
                Skip(line, "VEVENT", why);
                return;
            }
        }
        auto sameTime = [&](const Stamp& s, std::int64_t wall) { return s.dateOnly || wall - FloorDiv(wall, kSecondsPerDay) * kSecondsPerDay == timeOfDay; };
        // Whether a time of the file is one of the rule's occurrences.
        auto isOccurrence = [&](const Stamp& s) {
            const std::int64_t wall = WallIn(s, zone);
            return rule.Set() && sameTime(s, wall) && IsPatternDay(rule, OleDayOfWallDay(FloorDiv(wall, kSecondsPerDay)));
        };
        std::vector<Part> parts;
        if (rule.Set()) parts.push_back({rule, 0, timeOfDay, e.minutes, base, {}});
        // A change of this and all future occurrences ends the series before it and starts another.
        std::vector<const Entry*> ordered(changes.begin(), changes.end());
        std::sort(ordered.begin(), ordered.end(), [&](const Entry* a, const Entry* b) {
            return WallIn(a->recurrenceId->stamp, zone) < WallIn(b->recurrenceId->stamp, zone);
        });
        for (const Entry* change : ordered) {
            if (!change->thisAndFuture || parts.empty() || !isOccurrence(change->recurrenceId->stamp)) continue;
            const std::int64_t day = OleDayOfWallDay(FloorDiv(WallIn(change->recurrenceId->stamp, zone), kSecondsPerDay));
            Part& last = parts.back();
            long before = 0;
            platform::pim::ForEachPatternDay(last.pattern, platform::pim::OleDay(last.pattern.patternStart), [&](std::int64_t d) {
                if (d >= day) return false;
                ++before;
                return true;
            });
            Part next = last;
            next.pattern.patternStart = static_cast<double>(day);
            const bool counted = !last.pattern.noEndDate && last.pattern.occurrences > 0;
            if (counted) next.pattern.occurrences -= before;
            const std::int64_t moved = WallIn(*change->start, zone);
            next.dayShift = OleDayOfWallDay(FloorDiv(moved, kSecondsPerDay)) - day;
            next.timeOfDay = moved - FloorDiv(moved, kSecondsPerDay) * kSecondsPerDay;
            next.minutes = change->minutes;
            next.item = Overlay(base, *change);
            if (before == 0) {
                parts.back() = next;
                continue;
            }
            if (counted) last.pattern.occurrences = before;
            else {
                last.pattern.noEndDate = false;
                last.pattern.patternEnd = static_cast<double>(day - 1);
            }
            parts.push_back(next);
        }
        std::vector<ItemData> own;
        for (Part& part : parts) {
            SourceSeries source{part.pattern, part.timeOfDay, zone, static_cast<LONG>(part.minutes)};
            ShiftPattern(source.pattern, part.dayShift);
            part.kept = KeepSeries(source, part.item);
            for (const std::int64_t start : part.kept.ownStarts) own.push_back(OwnAppointment(part.item, start, part.minutes));
        }
        auto partOf = [&](std::int64_t day) -> Part* {
            Part* found = nullptr;
            for (Part& p : parts)
                if (platform::pim::OleDay(p.pattern.patternStart) <= day) found = &p;
            return found;
        };
        auto storedDay = [&](const Stamp& s, Part*& part) {
            const std::int64_t day = OleDayOfWallDay(FloorDiv(WallIn(s, zone), kSecondsPerDay));
            part = partOf(day);
            return part ? part->kept.StoredDay(day + part->dayShift) : day;
        };
        for (const Dated& x : e.exdates) {
            Part* part = nullptr;
            const std::int64_t day = storedDay(x.stamp, part);
            if (!part || !isOccurrence(x.stamp)) continue;
            ExceptionData ex;
            ex.originalDay = day;
            ex.deleted = true;
            SetException(part->item, ex);
        }
        // Dates of an RDATE that neither the rule nor an EXDATE gives are appointments of their own.
        std::vector<std::int64_t> ownDates;
        for (const Dated& r : e.rdates) {
            const std::int64_t wall = WallIn(r.stamp, zone);
            const bool excluded = std::any_of(e.exdates.begin(), e.exdates.end(), [&](const Dated& x) {
                const std::int64_t w = WallIn(x.stamp, zone);
                return x.stamp.dateOnly || r.stamp.dateOnly ? FloorDiv(w, kSecondsPerDay) == FloorDiv(wall, kSecondsPerDay) : w == wall;
            });
            const bool twice = std::find(ownDates.begin(), ownDates.end(), wall) != ownDates.end();
            if (excluded || twice || isOccurrence(r.stamp) || wall == e.start->wall) continue;
            ownDates.push_back(wall);
            own.push_back(OwnAppointment(base, WallIn(r.stamp, nullptr), r.minutes.value_or(e.minutes)));
            ++counts_.ownDates;
        }
        // A changed occurrence is kept with its series, as the device keeps one changed there.
        for (const Entry* change : changes) {
            if (change->thisAndFuture && isOccurrence(change->recurrenceId->stamp)) continue;
            Part* part = nullptr;
            const std::int64_t day = storedDay(change->recurrenceId->stamp, part);
            const std::int64_t localStart = WallIn(*change->start, nullptr);
            if (part && isOccurrence(change->recurrenceId->stamp)) {
                ExceptionData ex;
                ex.originalDay = day;
                ex.deleted = change->cancelled;
                ex.start = OleOfWall(localStart);
                ex.duration = static_cast<LONG>(change->minutes);
                const std::pair<CEPROPID, std::optional<std::u16string>*> texts[] = {
                    {PIMPR_SUBJECT, &ex.subject}, {PIMPR_LOCATION, &ex.location}, {PIMPR_BODY_TEXT, &ex.body}};
                for (const auto& [id, slot] : texts)
                    if (change->item.Has(id) && change->item.Text(id) != part->item.Text(id)) *slot = change->item.Text(id);
                SetException(part->item, ex);
                continue;
            }
            // One of the own dates, or no occurrence at all: an appointment of its own.
            const std::int64_t wall = WallIn(change->recurrenceId->stamp, zone);
            const auto date = std::find(ownDates.begin(), ownDates.end(), wall);
            if (date != ownDates.end()) {
                own.erase(own.begin() + (date - ownDates.begin()));
                ownDates.erase(date);
                --counts_.ownDates;
            }
            if (!change->cancelled) own.push_back(OwnAppointment(Overlay(base, *change), localStart, change->minutes));
        }
        if (parts.empty()) Keep(OwnAppointment(std::move(base), WallIn(*e.start, nullptr), e.minutes), e.begin, items);
        for (Part& part : parts) Keep(std::move(part.item), e.begin, items);
        for (ItemData& item : own) Keep(std::move(item), e.begin, items);
    }

    const std::vector<Component>& components_;
    std::vector<ImportError>& notes_;
    CalendarCounts& counts_;
    ZoneBook zones_;
};

// The components of the file's calendars. A component whose END is missing or misspelt is left out
// and named; everything around it is kept.
std::optional<std::vector<Component>> ReadComponents(const std::vector<ContentLine>& lines, ImportError& error,
                                                     std::vector<ImportError>& notes, CalendarCounts& counts) {
    std::vector<Component> out;
    std::vector<Component> open;
    auto drop = [&](int line, const std::string& why) {
        notes.push_back({line, why + "; " + open.back().name + " left out"});
        if (IsItem(open.back().name)) ++counts.skippedItems;
        open.pop_back();
    };
    auto close = [&] {
        Component c = std::move(open.back());
        open.pop_back();
        if (open.size() == 1) out.push_back(std::move(c));
        else if (!open.empty()) open.back().children.push_back(std::move(c));
    };
    for (const ContentLine& line : lines) {
        const std::string what = Upper(line.value);
        if (open.empty()) {
            if (line.name != "BEGIN" || what != "VCALENDAR") {
                error = {line.number, "expected BEGIN:VCALENDAR"};
                return std::nullopt;
            }
            open.push_back({what, line.number, {}, {}});
        } else if (line.name == "BEGIN" && what == "VCALENDAR") {
            // The calendar before had no END: its components go on in this one.
            while (open.size() > 1) drop(open.back().begin, "missing END:" + open.back().name);
            notes.push_back({line.number, "missing END:VCALENDAR before BEGIN:VCALENDAR"});
        } else if (line.name == "BEGIN") {
            for (std::size_t k = 1; k < open.size(); ++k)
                if (open[k].name == what) {
                    while (open.size() > k) drop(open.back().begin, "missing END:" + open.back().name);
                    break;
                }
            open.push_back({what, line.number, {}, {}});
            open.back().props.reserve(16);
        } else if (line.name == "END") {
            std::size_t k = open.size();
            while (k > 0 && open[k - 1].name != what) --k;
            if (k == 0) {
                if (open.size() > 1) drop(line.number, "END:" + what + " inside " + open.back().name);
                else notes.push_back({line.number, "END:" + what + " outside any component left out"});
                continue;
            }
            while (open.size() > k) drop(open.back().begin, "missing END:" + open.back().name);
            close();
        } else {
            open.back().props.push_back(&line);
        }
    }
    while (open.size() > 1) drop(open.back().begin, "missing END:" + open.back().name);
    if (!open.empty()) notes.push_back({open.back().begin, "missing END:VCALENDAR"});
    return out;
}

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

std::optional<Items> ReadCalendar(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut,
                                  CalendarCounts* counts) {
    const auto lines = ReadContentLines(text, error, leftOut);
    if (!lines) return std::nullopt;
    if (lines->empty()) {
        error = {1, "empty file"};
        return std::nullopt;
    }
    std::vector<ImportError> notes;
    CalendarCounts tally;
    const auto components = ReadComponents(*lines, error, notes, tally);
    if (!components) return std::nullopt;
    Items items = CalendarReader(*components, notes, tally).Read();
    std::stable_sort(notes.begin(), notes.end(), [](const ImportError& a, const ImportError& b) { return a.line < b.line; });
    if (leftOut) leftOut->insert(leftOut->end(), notes.begin(), notes.end());
    if (counts) *counts = tally;
    return items;
}

}  // namespace devicectl
