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

VolumeRecord ItemRecord(const ItemData& item) {
    VolumeRecord record;
    record.oid = item.oid;
    for (const auto& [id, value] : item.props) {
        // A contact's date that is not set is a property the record lacks.
        if (item.kind == ItemKind::Contact && std::holds_alternative<double>(value) && IsNoDate(std::get<double>(value)))
            continue;
        record.values[id] = value;
    }
    record.values[kRecordIdProp] = static_cast<std::int64_t>(RecordIdOf(item.oid));
    if (!item.categories.empty()) record.values[PIMPR_CATEGORIES] = JoinCategories(item.categories);
    if (item.kind == ItemKind::Task) {
        record.values[PIMPR_RECURRENCE_STREAM] = RecurrenceStream(item.recurrence);
        record.values[PIMPR_BODY_BINARY] = BodyStream(item.Text(PIMPR_BODY_TEXT));
    }
    return record;
}

// -1, 0, 1; a missing or empty value is "unknown".
int CompareKey(const VolumeRecord& a, const VolumeRecord& b, const SortKey& key) {
    auto value = [&](const VolumeRecord& r) -> const PropValue* {
        const auto it = r.values.find(key.prop);
        if (it == r.values.end()) return nullptr;
        if (const auto* s = std::get_if<std::u16string>(&it->second); s && s->empty()) return nullptr;
        return &it->second;
    };
    const PropValue* va = value(a);
    const PropValue* vb = value(b);
    if (!va || !vb) {
        if (!va && !vb) return 0;
        const bool unknownFirst = (key.flags & CEDB_SORT_UNKNOWNFIRST) != 0;
        return (!va) == unknownFirst ? -1 : 1;
    }
    int c = 0;
    const auto* sa = std::get_if<std::u16string>(va);
    const auto* sb = std::get_if<std::u16string>(vb);
    if (sa && sb) c = (key.flags & CEDB_SORT_CASEINSENSITIVE) ? CompareNoCase(*sa, *sb) : sa->compare(*sb);
    else c = *va < *vb ? -1 : (*vb < *va ? 1 : 0);
    c = c < 0 ? -1 : (c > 0 ? 1 : 0);
    return (key.flags & CEDB_SORT_DESCENDING) ? -c : c;
}

}  // namespace

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
            r.values[kCategoryNameProp] = c.name;
            r.values[kCategoryIdProp] = std::int64_t{c.id};
            records.push_back(std::move(r));
        }
        break;
    case VolumeTable::CategoryAssoc: {
        CEOID n = 0;
        for (const CategoryAssignment& a : store.Assignments()) {
            VolumeRecord r;
            r.oid = kAssocRecordBase + ++n;
            r.values[kAssocItemProp] = static_cast<std::int64_t>(a.oid);
            r.values[kAssocCategoryProp] = std::int64_t{a.category};
            records.push_back(std::move(r));
        }
        break;
    }
    case VolumeTable::Tasks:
    case VolumeTable::Contacts:
        for (const ItemData& item : store.LoadAll(db.table == VolumeTable::Tasks ? ItemKind::Task : ItemKind::Contact))
            records.push_back(ItemRecord(item));
        break;
    }
    return records;
}

void SortVolumeRecords(std::vector<VolumeRecord>& records, const SortKeys& order) {
    std::stable_sort(records.begin(), records.end(), [&](const VolumeRecord& a, const VolumeRecord& b) {
        for (const SortKey& key : order)
            if (const int c = CompareKey(a, b, key); c != 0) return c < 0;
        return false;
    });
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
