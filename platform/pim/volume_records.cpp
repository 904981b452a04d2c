// The records of the PIM volume's four databases, taken from the store's rows.
#include "pim/volume_records.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "pim/ole_date.h"
#include "platform/text.h"

namespace platform::pim {
namespace {

constexpr CEPROPID kCategoryNameProp = 0x0002001Fu;
constexpr CEPROPID kCategoryIdProp = 0x00010066u;
constexpr CEPROPID kAssocItemProp = 0x00010013u;
constexpr CEPROPID kAssocCategoryProp = 0x00020003u;
constexpr CEPROPID kRecordIdProp = 0x10000066u;
constexpr CEPROPID kContactSortExtra = 0x01020013u;  // kept as a sort key only; no record carries it
constexpr CEOID kCategoryRecordBase = 0x00010000u;
constexpr CEOID kAssocRecordBase = 0x00020000u;
constexpr DWORD kCaseless = CEDB_SORT_CASEINSENSITIVE;
constexpr std::size_t kAddedValues = 4;  // what ItemRecord adds to an item's properties

const VolumeDatabase kDatabases[] = {
    {u"CategoryMainDB", 0x00200001u, VolumeTable::CategoryMain, {}},
    {u"CategoryAssocDB", 0x00200002u, VolumeTable::CategoryAssoc, {}},
    {u"Tasks Database", 0x00200003u, VolumeTable::Tasks, {{{PIMPR_SUBJECT, kCaseless}}}},
    {u"Contacts Database", 0x00200004u, VolumeTable::Contacts,
     {{{PIMPR_FILEAS, kCaseless}},
      {{PIMPR_FILEAS, kCaseless}, {kContactSortExtra, CEDB_SORT_UNKNOWNFIRST}},
      {{PIMPR_COMPANY_NAME, kCaseless}, {PIMPR_FILEAS, kCaseless}, {PIMPR_DEPARTMENT, kCaseless}},
      {{PIMPR_COMPANY_NAME, kCaseless}, {PIMPR_FILEAS, kCaseless}, {PIMPR_DEPARTMENT, kCaseless},
       {kContactSortExtra, CEDB_SORT_UNKNOWNFIRST}}}},
};

struct Watchers {
    std::mutex lock;
    std::vector<std::pair<VolumeTable, CENOTIFYREQUEST>> requests;
};

Watchers& WatchList() {
    static Watchers watchers;
    return watchers;
}

void PutCount(std::vector<BYTE>& bytes, DWORD count) {
    BYTE b[sizeof(DWORD)];
    std::memcpy(b, &count, sizeof count);
    bytes.insert(bytes.end(), b, b + sizeof b);
}

template <class T>
void Put(std::vector<BYTE>& bytes, T value) {
    BYTE b[sizeof(T)];
    std::memcpy(b, &value, sizeof value);
    bytes.insert(bytes.end(), b, b + sizeof b);
}

const std::u16string* TextOf(const VolumeRecord& r, CEPROPID id) {
    const PropValue* v = r.Find(id);
    return v ? std::get_if<std::u16string>(v) : nullptr;
}

VolumeRecord ItemRecord(FlatItem&& item, ItemKind kind) {
    VolumeRecord record;
    record.oid = item.oid;
    record.values = std::move(item.props);
    // A contact's date that is not set is a property the record lacks.
    if (kind == ItemKind::Contact)
        std::erase_if(record.values, [](const auto& entry) {
            return std::holds_alternative<double>(entry.second) && IsNoDate(std::get<double>(entry.second));
        });
    record.Set(kRecordIdProp, static_cast<std::int64_t>(RecordIdOf(item.oid)));
    if (!item.categories.empty()) record.Set(PIMPR_CATEGORIES, JoinCategories(item.categories));
    if (kind == ItemKind::Task) {
        record.Set(PIMPR_RECURRENCE_STREAM, RecurrenceStream(item.recurrence));
        const std::u16string* body = TextOf(record, PIMPR_BODY_TEXT);
        record.Set(PIMPR_BODY_BINARY, BodyStream(body ? *body : std::u16string()));
    }
    return record;
}

// A record's value of one sort key as compared: none when missing or empty ("unknown"), a text
// folded when the key ignores case.
struct KeyValue {
    const PropValue* value = nullptr;
    std::u16string folded;
    bool useFolded = false;
};

KeyValue KeyOf(const VolumeRecord& r, const SortKey& key) {
    KeyValue k;
    const PropValue* v = r.Find(key.prop);
    if (!v) return k;
    if (const auto* s = std::get_if<std::u16string>(v)) {
        if (s->empty()) return k;
        if (key.flags & CEDB_SORT_CASEINSENSITIVE) {
            k.folded = FoldCase(*s);
            k.useFolded = true;
        }
    }
    k.value = v;
    return k;
}

// -1, 0, 1; a missing or empty value is "unknown".
int CompareKey(const KeyValue& a, const KeyValue& b, const SortKey& key) {
    if (!a.value || !b.value) {
        if (!a.value && !b.value) return 0;
        const bool unknownFirst = (key.flags & CEDB_SORT_UNKNOWNFIRST) != 0;
        return (!a.value) == unknownFirst ? -1 : 1;
    }
    int c = 0;
    if (a.useFolded && b.useFolded) c = a.folded.compare(b.folded);
    else if (const auto *sa = std::get_if<std::u16string>(a.value), *sb = std::get_if<std::u16string>(b.value); sa && sb)
        c = sa->compare(*sb);
    else c = *a.value < *b.value ? -1 : (*b.value < *a.value ? 1 : 0);
    c = c < 0 ? -1 : (c > 0 ? 1 : 0);
    return (key.flags & CEDB_SORT_DESCENDING) ? -c : c;
}

}  // namespace

const PropValue* VolumeRecord::Find(CEPROPID id) const {
    const auto it = std::lower_bound(values.begin(), values.end(), id,
                                     [](const auto& entry, CEPROPID wanted) { return entry.first < wanted; });
    return it != values.end() && it->first == id ? &it->second : nullptr;
}

void VolumeRecord::Set(CEPROPID id, PropValue value) {
    const auto it = std::lower_bound(values.begin(), values.end(), id,
                                     [](const auto& entry, CEPROPID wanted) { return entry.first < wanted; });
    if (it != values.end() && it->first == id) it->second = std::move(value);
    else values.emplace(it, id, std::move(value));
}

const VolumeDatabase* FindVolumeDatabase(const std::u16string& name) {
    for (const VolumeDatabase& db : kDatabases)
        if (EqualNoCase(db.name, name)) return &db;
    return nullptr;
}

const VolumeDatabase* FindVolumeDatabase(CEOID oid) {
    for (const VolumeDatabase& db : kDatabases)
        if (db.oid == oid) return &db;
    return nullptr;
}

// Tasks count back from 0xC0000000 and contacts from 0x80000000, so both start at record 0.
DWORD RecordIdOf(CEOID oid) {
    if (oid >= kTaskOidBase) return oid + 0x40000000u;
    if (oid >= kContactOidBase) return oid - 0x80000000u;
    return oid;
}

std::vector<BYTE> RecurrenceStream(const RecurrenceData& r) {
    std::vector<BYTE> bytes;
    if (!r.Set()) {
        PutCount(bytes, 0);
        return bytes;
    }
    std::vector<BYTE> body;
    for (const LONG v : {r.type, r.interval, r.dayOfWeekMask, r.dayOfMonth, r.instance, r.monthOfYear, r.occurrences,
                         static_cast<LONG>(r.noEndDate ? 1 : 0)})
        Put(body, v);
    Put(body, r.patternStart);
    Put(body, r.patternEnd);
    PutCount(bytes, static_cast<DWORD>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<BYTE> BodyStream(const std::u16string& body) {
    std::vector<BYTE> bytes;
    PutCount(bytes, static_cast<DWORD>(body.size()));
    const auto* data = reinterpret_cast<const BYTE*>(body.data());
    bytes.insert(bytes.end(), data, data + body.size() * sizeof(char16_t));
    return bytes;
}

std::vector<VolumeRecord> ReadVolumeRecords(Store& store, const VolumeDatabase& db) {
    std::vector<VolumeRecord> records;
    switch (db.table) {
    case VolumeTable::CategoryMain:
        for (const Category& c : store.Categories()) {
            VolumeRecord r;
            r.oid = kCategoryRecordBase + static_cast<CEOID>(c.id);
            r.Set(kCategoryNameProp, c.name);
            r.Set(kCategoryIdProp, std::int64_t{c.id});
            records.push_back(std::move(r));
        }
        break;
    case VolumeTable::CategoryAssoc: {
        const std::vector<CategoryAssignment> assignments = store.Assignments();
        records.reserve(assignments.size());
        CEOID n = 0;
        for (const CategoryAssignment& a : assignments) {
            VolumeRecord& r = records.emplace_back();
            r.oid = kAssocRecordBase + ++n;
            // Already in identifier order, as Set keeps them.
            r.values.reserve(2);
            r.values.emplace_back(kAssocItemProp, static_cast<std::int64_t>(a.oid));
            r.values.emplace_back(kAssocCategoryProp, std::int64_t{a.category});
        }
        break;
    }
    case VolumeTable::Tasks:
    case VolumeTable::Contacts: {
        const ItemKind kind = db.table == VolumeTable::Tasks ? ItemKind::Task : ItemKind::Contact;
        std::vector<FlatItem> items = store.LoadFlat(kind, kAddedValues);
        records.reserve(items.size());
        for (FlatItem& item : items) records.push_back(ItemRecord(std::move(item), kind));
        break;
    }
    }
    return records;
}

void SortVolumeRecords(std::vector<VolumeRecord>& records, const SortKeys& order) {
    // Each record's keys are taken (and folded) once, not at every comparison.
    const std::size_t n = order.size();
    std::vector<KeyValue> keys(records.size() * n);
    for (std::size_t r = 0; r < records.size(); ++r)
        for (std::size_t k = 0; k < n; ++k) keys[r * n + k] = KeyOf(records[r], order[k]);
    std::vector<std::size_t> positions(records.size());
    for (std::size_t r = 0; r < positions.size(); ++r) positions[r] = r;
    std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < n; ++k)
            if (const int c = CompareKey(keys[a * n + k], keys[b * n + k], order[k]); c != 0) return c < 0;
        return false;
    });
    std::vector<VolumeRecord> sorted;
    sorted.reserve(records.size());
    for (const std::size_t r : positions) sorted.push_back(std::move(records[r]));
    records = std::move(sorted);
}

void WatchVolumeDatabase(const VolumeDatabase& db, const CENOTIFYREQUEST& request) {
    Watchers& w = WatchList();
    const std::lock_guard guard(w.lock);
    for (const auto& [table, r] : w.requests)
        if (table == db.table && r.hwnd == request.hwnd) return;
    w.requests.emplace_back(db.table, request);
}

std::vector<CENOTIFYREQUEST> VolumeWatchers(ItemKind kind) {
    Watchers& w = WatchList();
    const std::lock_guard guard(w.lock);
    std::vector<CENOTIFYREQUEST> result;
    const VolumeTable table = kind == ItemKind::Task ? VolumeTable::Tasks : VolumeTable::Contacts;
    for (const auto& [t, r] : w.requests)
        if (t == table && kind != ItemKind::Appointment) result.push_back(r);
    return result;
}

void ForgetVolumeWatcher(HWND window) {
    Watchers& w = WatchList();
    const std::lock_guard guard(w.lock);
    std::erase_if(w.requests, [&](const auto& entry) { return entry.second.hwnd == window; });
}

}  // namespace platform::pim
