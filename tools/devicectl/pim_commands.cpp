// devicectl pim: import files, list, add, change and delete single items of the PIM store.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "devicectl/commands.h"
#include "devicectl/pim_import.h"
#include "pim/item_core.h"
#include "pim/item_fields.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim/store.h"
#include "platform/text.h"

namespace devicectl {

using platform::pim::ItemData;
using platform::pim::ItemKind;
using platform::pim::KindMask;

namespace {

enum class FieldType { Text, Date, Number, Categories };

struct OptionField {
    const char* option;
    KindMask kinds;
    CEPROPID prop;
    FieldType type;
};

// What `pim add` and `pim set` can write, per kind.
constexpr OptionField kOptions[] = {
    {"--subject", KindMask::AppointmentTask, PIMPR_SUBJECT, FieldType::Text},
    {"--body", KindMask::All, PIMPR_BODY_TEXT, FieldType::Text},
    {"--categories", KindMask::All, PIMPR_CATEGORIES, FieldType::Categories},
    {"--location", KindMask::Appointment, PIMPR_LOCATION, FieldType::Text},
    {"--start", KindMask::Appointment, PIMPR_START, FieldType::Date},
    {"--duration", KindMask::Appointment, PIMPR_DURATION, FieldType::Number},
    {"--allday", KindMask::Appointment, PIMPR_ALL_DAY_EVENT, FieldType::Number},
    {"--busy", KindMask::Appointment, PIMPR_BUSY_STATUS, FieldType::Number},
    {"--reminder", KindMask::Appointment, PIMPR_REMINDER_MINUTES_BEFORE_START, FieldType::Number},
    {"--start", KindMask::Task, PIMPR_START_DATE, FieldType::Date},
    {"--due", KindMask::Task, PIMPR_DUE_DATE, FieldType::Date},
    {"--complete", KindMask::Task, PIMPR_COMPLETE, FieldType::Number},
    {"--importance", KindMask::Task, PIMPR_IMPORTANCE, FieldType::Number},
    {"--first", KindMask::Contact, PIMPR_FIRST_NAME, FieldType::Text},
    {"--last", KindMask::Contact, PIMPR_LAST_NAME, FieldType::Text},
    {"--company", KindMask::Contact, PIMPR_COMPANY_NAME, FieldType::Text},
    {"--fileas", KindMask::Contact, PIMPR_FILEAS, FieldType::Text},
    {"--email", KindMask::Contact, PIMPR_EMAIL1_ADDRESS, FieldType::Text},
    {"--mobile", KindMask::Contact, PIMPR_MOBILE_TELEPHONE_NUMBER, FieldType::Text},
    {"--work-phone", KindMask::Contact, PIMPR_BUSINESS_TELEPHONE_NUMBER, FieldType::Text},
    {"--home-phone", KindMask::Contact, PIMPR_HOME_TELEPHONE_NUMBER, FieldType::Text},
    {"--web", KindMask::Contact, PIMPR_WEB_PAGE, FieldType::Text},
    {"--birthday", KindMask::Contact, PIMPR_BIRTHDAY, FieldType::Date},
    {"--anniversary", KindMask::Contact, PIMPR_ANNIVERSARY, FieldType::Date},
};

constexpr struct {
    const char* word;
    ItemKind kind;
} kKindWords[] = {
    {"appointment", ItemKind::Appointment}, {"appointments", ItemKind::Appointment},
    {"task", ItemKind::Task},               {"tasks", ItemKind::Task},
    {"contact", ItemKind::Contact},         {"contacts", ItemKind::Contact},
};

std::optional<ItemKind> KindOf(const std::string& word) {
    for (const auto& k : kKindWords)
        if (word == k.word) return k.kind;
    return std::nullopt;
}

std::string DateText(DATE date) {
    if (platform::pim::IsNoDate(date)) return {};
    const auto t = platform::pim::FromOleDate(date);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

std::string OidText(CEOID oid) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", oid);
    return text;
}

std::optional<CEOID> ParseOid(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0') return std::nullopt;
    return static_cast<CEOID>(value);
}

std::shared_ptr<platform::pim::Store> OpenStore(std::ostream& err) {
    HRESULT error = S_OK;
    auto store = platform::pim::Store::Get(&error);
    if (!store) err << "devicectl: the PIM store cannot be opened (damaged?)\n";
    return store;
}

const char* ValueForm(FieldType type) {
    switch (type) {
    case FieldType::Text: return "TEXT";
    case FieldType::Number: return "N";
    case FieldType::Date: return "DATE";
    case FieldType::Categories: return "A,B";
    }
    return "";
}

// Writes the --option value pairs into the item; false (with a message) for anything unknown or bad.
bool ApplyOptions(const Args& args, std::size_t first, ItemData& item, std::ostream& err) {
    for (std::size_t i = first; i < args.size(); i += 2) {
        const OptionField* field = nullptr;
        for (const OptionField& f : kOptions)
            if (args[i] == f.option && platform::pim::KindHas(f.kinds, item.kind)) field = &f;
        if (!field || i + 1 >= args.size()) {
            err << "devicectl: unknown option or missing value: " << args[i] << "\n";
            return false;
        }
        const std::string& value = args[i + 1];
        switch (field->type) {
        case FieldType::Text: item.SetText(field->prop, platform::FromUtf8(value)); break;
        case FieldType::Categories: item.categories = platform::pim::SplitCategories(platform::FromUtf8(value)); break;
        case FieldType::Number: {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0') {
                err << "devicectl: " << field->option << " needs a number\n";
                return false;
            }
            item.SetInt(field->prop, n);
            if (field->prop == PIMPR_REMINDER_MINUTES_BEFORE_START) item.SetInt(PIMPR_REMINDER_SET, 1);
            break;
        }
        case FieldType::Date: {
            const auto date = value.empty() ? std::optional<DATE>(platform::pim::kNoDate) : ParseIcalDate(value);
            if (!date) {
                err << "devicectl: " << field->option << " needs YYYY-MM-DD [HH:MM]\n";
                return false;
            }
            item.SetDate(field->prop, *date);
            break;
        }
        }
    }
    return true;
}

// Cards in a contacts file, to tell how many the reader left out.
std::size_t CardsIn(const std::string& text) {
    std::size_t cards = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, std::min<std::size_t>(end - pos, 16));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::toupper(c); });
        if (line == "BEGIN:VCARD") ++cards;
        pos = end + 1;
    }
    return cards;
}

// Exit 0 when all came in, 1 when nothing did, 3 when some items were left out (each named).
int Import(const Args& args, std::ostream& out, std::ostream& err) {
    const bool strict = args.size() == 3 && args[1] == "--strict";
    if (args.size() != 2 && !strict) return 2;
    const std::string& path = args.back();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << "devicectl: cannot read " << path << "\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    ImportError error;
    std::vector<ImportError> leftOut;
    std::optional<Items> items;
    std::size_t skipped = 0;
    bool refuseLeftOut = false;  // under --strict: what today's reader would have refused
    CalendarCounts counts;
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".vcf") == 0) {
        items = ReadCards(text.str(), error, &leftOut);
        if (items) skipped = CardsIn(text.str()) - std::min(CardsIn(text.str()), items->size());
        refuseLeftOut = skipped > 0 || std::any_of(leftOut.begin(), leftOut.end(),
                                                    [](const ImportError& e) { return e.unreadable; });
    } else if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".ics") == 0) {
        items = ReadCalendar(text.str(), error, &leftOut, &counts);
        skipped = static_cast<std::size_t>(counts.skippedItems);
        refuseLeftOut = !leftOut.empty();
    } else {
        err << "devicectl: " << path << " is neither .ics nor .vcf\n";
        return 1;
    }
    if (!items) {
        err << path << ":" << error.line << ": " << error.message << "\n";
        return 1;
    }
    if (strict && refuseLeftOut) {
        for (const ImportError& field : leftOut) err << path << ":" << field.line << ": " << field.message << "\n";
        err << "devicectl: nothing imported (--strict)\n";
        return 1;
    }
    const auto store = OpenStore(err);
    if (!store) return 1;
    HRESULT failure = S_OK;
    std::optional<ItemKind> refusedKind;
    const bool saved = store->InTransaction([&] {
        for (ItemData& item : *items) {
            failure = store->Save(item);
            if (FAILED(failure)) {
                refusedKind = item.kind;
                return false;
            }
        }
        return true;
    });
    if (!saved && failure == platform::pim::kStoreFull && refusedKind) {
        const auto brought = std::count_if(items->begin(), items->end(),
                                           [&](const ItemData& item) { return item.kind == *refusedKind; });
        err << "devicectl: nothing imported: " << platform::pim::StoreFullText(*refusedKind, platform::pim::kOidsPerKind)
            << " (it holds " << store->Count(*refusedKind) << " now and " << path << " brings " << brought << ")\n";
        return 1;
    }
    if (!saved) {
        err << "devicectl: nothing imported: the store refused an item (0x" << std::hex << failure << ")\n";
        return 1;
    }
    for (const ImportError& field : leftOut) err << path << ":" << field.line << ": " << field.message << "\n";
    out << "imported " << items->size() << " items";
    if (counts.ownDates > 0)
        out << " (" << counts.ownDates << " of them dates of a series given by RDATE, each an appointment of its own)";
    out << "\n";
    if (skipped == 0) return 0;
    out << "skipped " << skipped << (skipped == 1 ? " item" : " items") << " the store cannot keep (named above)\n";
    return 3;
}

struct Line {
    DATE when;
    std::string text;
};

// Why the store's rules refuse an item, in the words of the options that set it.
std::string RefusalText(HRESULT hr, const ItemData& item) {
    if (hr == E_POOM_INVALID_REMINDER) return "the reminder must be 0 or more minutes and come before the next occurrence";
    if (hr == E_POOM_INVALID_DATES) return "a task's --start needs a --due on the same day or later";
    const auto field = platform::pim::FieldOutOfRange(item);
    for (const OptionField& f : kOptions) {
        if (!field || f.prop != *field || !platform::pim::KindHas(f.kinds, item.kind)) continue;
        if (const auto range = platform::pim::NumberRangeOf(f.prop))
            return std::string(f.option) + " must be from " + std::to_string(range->low) + " to " +
                   std::to_string(range->high);
        return std::string(f.option) + " must be a date from 1601-01-01 to 4500-12-31";
    }
    if (field) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%08X", static_cast<unsigned>(*field));
        return std::string("the item holds a value out of range in property ") + id + ", which no option sets";
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(hr));
    return std::string("the store refuses the item (") + code + ")";
}

int List(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 && args.size() != 6) return 2;
    const auto kind = KindOf(args[1]);
    if (!kind) return 2;
    std::optional<DATE> from, to;
    for (std::size_t i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] != "--from" && args[i] != "--to") return 2;
        const auto date = ParseIcalDate(args[i + 1]);
        if (!date) {
            err << "devicectl: " << args[i] << " needs a date YYYY-MM-DD, not " << args[i + 1] << "\n";
            return 2;
        }
        (args[i] == "--from" ? from : to) = *date;
    }
    if (args.size() == 6 && (!from || !to)) return 2;
    if (from && *to < *from) {
        err << "devicectl: --to " << args[args[2] == "--to" ? 3 : 5] << " is before --from\n";
        return 2;
    }
    const DATE end = to ? static_cast<double>(platform::pim::OleDay(*to) + 1) : 0;
    // A listing writes nothing to the device; a device without a store has nothing to list.
    HRESULT error = S_OK;
    const auto store = platform::pim::Store::GetForReading(&error);
    if (!store && error == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)) return 0;
    if (!store) {
        err << "devicectl: the PIM store cannot be opened (damaged?)\n";
        return 1;
    }
    std::vector<Line> lines;
    auto add = [&](const ItemData& item, DATE when, std::string duration, const std::u16string& name) {
        lines.push_back({when, OidText(item.oid) + "\t" + DateText(when) + "\t" + duration + "\t" +
                                   platform::ToUtf8(name) + "\t" +
                                   platform::ToUtf8(platform::pim::JoinCategories(item.categories))});
    };
    // A range of appointments is read by the store's start index; everything else whole.
    const std::vector<ItemData> items = from && *kind == ItemKind::Appointment ? store->LoadForRange(*kind, *from, end)
                                                                               : store->LoadAll(*kind);
    for (const ItemData& item : items) {
        switch (*kind) {
        case ItemKind::Appointment: {
            if (from && item.recurrence.Set()) {
                for (const auto& o : platform::pim::SeriesOccurrences(item, *from, end)) {
                    std::u16string subject = o.exception && o.exception->subject ? *o.exception->subject
                                                                                 : item.Text(PIMPR_SUBJECT);
                    add(item, o.start, std::to_string(o.duration), subject);
                }
                break;
            }
            const DATE start = item.Date(PIMPR_START, 0);
            if (from && (start < *from || start >= end)) break;
            add(item, start, std::to_string(item.Int(PIMPR_DURATION, 0)), item.Text(PIMPR_SUBJECT));
            break;
        }
        case ItemKind::Task: {
            const DATE due = item.Date(PIMPR_DUE_DATE);
            if (from && (platform::pim::IsNoDate(due) || due < *from || due >= end)) break;
            add(item, due, "", item.Text(PIMPR_SUBJECT));
            break;
        }
        case ItemKind::Contact: add(item, platform::pim::kNoDate, "", item.Text(PIMPR_FILEAS)); break;
        }
    }
    if (*kind != ItemKind::Contact)
        std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.when < b.when; });
    for (const Line& l : lines) out << l.text << "\n";
    return 0;
}

int Add(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args.size() % 2 != 0) return 2;
    const auto kind = KindOf(args[1]);
    if (!kind) return 2;
    ItemData item = platform::pim::NewItem(*kind);
    if (!ApplyOptions(args, 2, item, err)) return 2;
    if (const HRESULT hr = platform::pim::PrepareForSave(item); FAILED(hr)) {
        err << "devicectl: " << RefusalText(hr, item) << "\n";
        return 1;
    }
    const auto store = OpenStore(err);
    if (!store) return 1;
    if (const HRESULT hr = store->Save(item); FAILED(hr)) {
        if (hr == platform::pim::kStoreFull)
            err << "devicectl: the item was not saved: " << platform::pim::StoreFullText(*kind, store->Count(*kind))
                << "\n";
        else
            err << "devicectl: the item was not saved\n";
        return 1;
    }
    out << OidText(item.oid) << "\n";
    return 0;
}

int Set(const Args& args, std::ostream& err) {
    if (args.size() < 2 || args.size() % 2 != 0) return 2;
    const auto oid = ParseOid(args[1]);
    const auto store = OpenStore(err);
    if (!store) return 1;
    std::optional<ItemData> item = oid ? store->Load(*oid) : std::nullopt;
    if (!item) {
        err << "devicectl: no item " << args[1] << "\n";
        return 1;
    }
    if (!ApplyOptions(args, 2, *item, err)) return 2;
    if (const HRESULT hr = platform::pim::PrepareForSave(*item); FAILED(hr)) {
        err << "devicectl: " << RefusalText(hr, *item) << "\n";
        return 1;
    }
    if (FAILED(store->Save(*item))) {
        err << "devicectl: the item was not saved\n";
        return 1;
    }
    return 0;
}

int Delete(const Args& args, std::ostream& err) {
    if (args.size() != 2) return 2;
    const auto oid = ParseOid(args[1]);
    const auto store = OpenStore(err);
    if (!store) return 1;
    if (!oid || FAILED(store->Delete(*oid))) {
        err << "devicectl: no item " << args[1] << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int RunPim(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return 2;
    const std::string& verb = args[0];
    if (verb == "import") return Import(args, out, err);
    if (verb == "list") return List(args, out, err);
    if (verb == "add") return Add(args, out, err);
    if (verb == "set") return Set(args, err);
    if (verb == "delete") return Delete(args, err);
    return 2;
}

void WritePimFields(std::ostream& out) {
    out << "fields of pim add and pim set:\n";
    for (const auto& k : kKindWords) {
        if (k.word[std::char_traits<char>::length(k.word) - 1] == 's') continue;  // the plural spellings
        out << "  " << k.word << ":";
        for (const OptionField& f : kOptions)
            if (platform::pim::KindHas(f.kinds, k.kind)) out << " " << f.option << " " << ValueForm(f.type);
        out << "\n";
    }
    out << "  DATE is YYYY-MM-DD [HH:MM]; --duration and --reminder are minutes; --allday and --complete 0|1;\n"
           "  --busy 0 free, 1 tentative, 2 busy, 3 away; --importance 0 low, 1 normal, 2 high;\n"
           "  OIDs are hexadecimal, as pim add and pim list print them.\n";
}

}  // namespace devicectl
