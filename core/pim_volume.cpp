// Reading the PIM store's four databases from the mounted volume: one sequential pass over each,
// every record read into one buffer from the process heap that the platform grows as needed.
#include "core/pim_volume.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "core/anniv_list.h"
#include "core/cts_name_index.h"
#include "core/poom_session.h"
#include "core/store_values.h"
#include "core/text_util.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/text.h"

CEGUID g_PimVol = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};

namespace {

// Category table.
constexpr CEPROPID kCatNameProp = 0x0002001Fu;
constexpr CEPROPID kCatIdProp = 0x00010066u;
constexpr std::array<CEPROPID, 2> kCatMainProps = {kCatNameProp, kCatIdProp};
// Category assignments.
constexpr std::array<CEPROPID, 2> kCatAssocProps = {0x00010013u, 0x00020003u};

// Tasks, in reading order.
constexpr CEPROPID kRecordIdProp = 0x10000066u;
constexpr CEPROPID kTaskSubjectProp = 0x0020001Fu;
constexpr std::array<CEPROPID, 10> kTaskProps = {
    kRecordIdProp,  kTaskSubjectProp, 0x00620040u, 0x00640040u, 0x00630040u,
    0x00600013u,    0x0028000Bu,      0x00210013u, 0x203F0064u, 0x001E0064u,
};
enum TaskPos { kTaskOid, kTaskSubject, kTaskStart, kTaskCompleted, kTaskDue, kTaskImportance, kTaskReminder,
               kTaskSensitivity, kTaskRecurrence, kTaskNotes };
constexpr DWORD kTaskRecordToOid = 0x40000000u;  // OID = record identifier - this

// Contacts: the dates are asked for only with "DATEITEMS".
constexpr std::array<CEPROPID, 7> kContactProps = {
    kRecordIdProp, 0x0082001Fu, 0x0084001Fu, 0x008A001Fu, 0x0080001Fu, 0x00F00040u, 0x00F10040u,
};
enum ContactPos { kCtsOid, kCtsFirst, kCtsLast, kCtsCompany, kCtsFileAs, kCtsBirthday, kCtsAnniversary };
constexpr WORD kContactPropsNoDates = 5;
constexpr DWORD kContactRecordToOid = 0x80000000u;  // OID = record identifier + this

constexpr CEPROPID kSortFileAs = 0x0080001Fu;
constexpr CEPROPID kSortCompany = 0x008A001Fu;
constexpr CEPROPID kSortDepartment = 0x008B001Fu;
constexpr CEPROPID kSortFallbackKey = 0x01020013u;
constexpr LONG kContactSortCompany = 1;

constexpr LONG kImportanceHighest = 2;

struct DbHandle {
    HANDLE handle;
    ~DbHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// The records' buffer of one pass over a database, from the process heap.
struct RecordBuffer {
    HANDLE heap = GetProcessHeap();
    LPBYTE data = nullptr;
    DWORD bytes = 0;
    RecordBuffer() = default;
    RecordBuffer(const RecordBuffer&) = delete;
    RecordBuffer& operator=(const RecordBuffer&) = delete;
    ~RecordBuffer() {
        if (data) HeapFree(heap, 0, data);
    }
};

// One record's values, by position; a position the platform did not give reads as none.
class PropRow {
public:
    PropRow(const CEPROPVAL* values, WORD count) : values_(values), count_(count) {}
    const CEPROPVAL* At(int position) const {
        if (position < 0 || position >= count_) return nullptr;
        const CEPROPVAL* value = &values_[position];
        return (value->wFlags & CEDB_PROPNOTFOUND) ? nullptr : value;
    }
    LONG Int(int position, LONG otherwise) const {
        const CEPROPVAL* value = At(position);
        return value ? PropValToInt(*value) : otherwise;
    }
    std::u16string Text(int position, CEPROPID id) const {
        std::u16string text;
        FormatPropVal(text, id, At(position));
        return text;
    }
    // A FILETIME taken as local time already.
    bool Date(int position, DateRec& out) const {
        DateRec date;
        if (!CePropToSystemTime(CEVT_FILETIME, At(position), date, true)) return false;
        // Another program's date past the no-date year (9999-12-31) is no date either.
        if (date.wYear > kNoDateYear) date.wYear = kNoDateYear;
        DateAssignByVal(out, date);  // the weekday recomputed, milliseconds 0
        return true;
    }
    bool StreamHasData(int position) const { return CePropHasData(CEVT_STREAM, At(position)); }
    const CEPROPVAL* Values() const { return values_; }
    WORD Count() const { return count_; }

private:
    const CEPROPVAL* values_;
    WORD count_;
};

// Opens the database by name through the volume and hands every record to onRecord.
// 0 when the database cannot be opened; 1 otherwise, also for an empty one.
template <class OnRecord>
int ReadDatabase(CEGUID& volume, const WCHAR* name, SORTORDERSPECEX* sort, std::span<const CEPROPID> props,
                 OnRecord&& onRecord) {
    CEOID oid = 0;
    const DbHandle db{CeOpenDatabaseInSession(nullptr, &volume, &oid, name, sort, CEDB_AUTOINCREMENT, nullptr)};
    if (db.handle == INVALID_HANDLE_VALUE) return 0;
    // One buffer for the whole pass: the platform grows it when a record needs more.
    RecordBuffer buffer;
    std::vector<CEPROPID> ids(props.begin(), props.end());
    for (;;) {
        WORD count = static_cast<WORD>(ids.size());
        const CEOID record =
            CeReadRecordPropsEx(db.handle, CEDB_ALLOWREALLOC, &count, ids.data(), &buffer.data, &buffer.bytes, buffer.heap);
        if (record == 0) break;
        if (buffer.data) {
            const WORD given = count < ids.size() ? count : static_cast<WORD>(ids.size());
            onRecord(PropRow(reinterpret_cast<const CEPROPVAL*>(buffer.data), given));
        }
    }
    return 1;
}

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string Number(long value) { return Widen(std::to_string(value)); }

// Space, tab and the line breaks at both ends.
std::u16string TrimBlanks(const std::u16string& text) {
    constexpr std::u16string_view kBlanks = u" \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::u16string::npos) return std::u16string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool InRange(DWORD oid, DWORD first) { return oid >= first && oid - first < kAssocOidRange; }

template <class Record>
void AttachCatsDirect(LONG oid, const CatPairArray& pairs, const CatArray& cats, Record& record) {
    const int first = FindFirstPairIndex(pairs, oid);
    if (first < 0) return;
    for (int i = first; i < pairs.Size() && pairs[i].oid == oid; ++i) {
        std::u16string name = GetCatNameById(pairs[i].catId, cats);
        if (!name.empty()) record.categories.Append(std::move(name));
    }
}

void AddAnniv(AnnivArray& annivs, const CtsRecord& contact, const DateRec& date, LONG kind) {
    // A stored "no date" is no event.
    if (date.wYear == kNoDateYear) return;
    AnnivEntry entry;
    entry.name = GetCtsDisplayName(contact, kNameFirstLast);
    entry.date = date;
    entry.kind = kind;
    entry.contactOid = contact.oid;
    // Put in order once the whole database is read (ReadCtsDbDirect).
    annivs.Append(std::move(entry));
}

// A contact of the contacts database; its dates are appended to annivs, to be put in order by the caller.
CtsRecord CtsFromRow(const PropRow& row, LONG dateItems, AnnivArray& annivs, const CatArray& cats,
                     const CatPairArray& pairs) {
    CtsRecord contact;
    contact.oid = static_cast<LONG>(static_cast<DWORD>(row.Int(kCtsOid, 0)) + kContactRecordToOid);
    contact.firstName = TrimBlanks(row.Text(kCtsFirst, kContactProps[kCtsFirst]));
    contact.lastName = TrimBlanks(row.Text(kCtsLast, kContactProps[kCtsLast]));
    contact.company = TrimBlanks(row.Text(kCtsCompany, kContactProps[kCtsCompany]));
    contact.fileAs = TrimBlanks(row.Text(kCtsFileAs, kContactProps[kCtsFileAs]));
    contact.detailsPending = 1;
    if (dateItems) {
        DateRec date;
        if (row.Date(kCtsBirthday, date)) AddAnniv(annivs, contact, date, kAnnivBirthday);
        if (row.Date(kCtsAnniversary, date)) AddAnniv(annivs, contact, date, kAnnivAnniversary);
    }
    AttachCtsCatsDirect(contact.oid, pairs, cats, contact);
    return contact;
}

SORTORDERSPECEX ContactSortOrder(LONG contactSort) {
    SORTORDERSPECEX sort{};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    const auto add = [&](CEPROPID id, DWORD flags) {
        sort.rgPropID[sort.wNumProps] = id;
        sort.rgdwFlags[sort.wNumProps] = flags;
        ++sort.wNumProps;
    };
    if (contactSort == kContactSortCompany) {
        for (const CEPROPID id : {kSortCompany, kSortFileAs, kSortDepartment}) add(id, CEDB_SORT_CASEINSENSITIVE);
    } else {
        add(kSortFileAs, CEDB_SORT_CASEINSENSITIVE);
    }
    return sort;
}

}  // namespace

BOOL MountPimVol(CEGUID& volume) {
    if (CeMountDBVolEx(&volume, kPimVolName, nullptr, OPEN_EXISTING)) return TRUE;
    CREATE_INVALIDGUID(&volume);
    return FALSE;
}

BOOL UnmountPimVol(CEGUID& volume) {
    const BOOL result = CeUnmountDBVol(&volume);
    CREATE_INVALIDGUID(&volume);
    return result;
}

LONG PropValToInt(const CEPROPVAL& value) {
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2: return value.val.iVal;
    case CEVT_UI2: return value.val.uiVal;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_RECID: return value.val.lVal;
    case CEVT_BOOL: return value.val.boolVal;
    case CEVT_R8: {
        const double d = std::trunc(value.val.dblVal);
        // Out of range or not a number: the conversion would be undefined.
        if (!(d >= std::numeric_limits<LONG>::min() && d <= std::numeric_limits<LONG>::max())) return -1;
        return static_cast<LONG>(d);
    }
    default: return -1;
    }
}

void FormatPropVal(std::u16string& text, CEPROPID id, const CEPROPVAL* value) {
    if (!value || (value->wFlags & CEDB_PROPNOTFOUND)) return;
    switch (TypeFromPropID(id)) {
    case CEVT_I2: text = Number(value->val.iVal); break;
    case CEVT_UI2: text = Number(value->val.uiVal); break;
    case CEVT_BOOL: text = Number(value->val.boolVal); break;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_RECID: text = Number(value->val.lVal); break;
    case CEVT_LPWSTR: text = value->val.lpwstr ? std::u16string(value->val.lpwstr) : std::u16string(); break;
    case CEVT_BLOB: text = u"<BLOB>"; break;
    case CEVT_FILETIME: {
        DateRec date;
        if (!CePropToSystemTime(CEVT_FILETIME, value, date, true)) return;
        text = u"<Date> " + Number(date.wMonth) + u"-" + Number(date.wDay) + u"-" + Number(date.wYear);
        break;
    }
    default: break;
    }
}

int InsertTskByKeys(TskArray& tasks, TskRecord task, LONG key1, LONG key2, LONG key3, bool ascending1,
                    bool ascending2, bool ascending3) {
    const int at = TskSortedInsertPos(tasks, task, key1, key2, key3, ascending1, ascending2, ascending3);
    tasks.InsertAt(at, std::move(task));
    return 1;
}

int AddCatFromDb(CatArray& cats, CatRecord record) {
    for (int i = 0; i < cats.Size(); ++i)
        if (platform::CompareNoCase(cats[i].name, record.name) > 0) return cats.InsertAt(i, std::move(record));
    return cats.Append(std::move(record));
}

void InsertAssocPair(CatPairArray& pairs, CatAssocPair pair) {
    // The pairs mostly arrive in OID order: one past the last goes at the end.
    if (pairs.IsEmpty() || pairs[pairs.Size() - 1].oid < pair.oid) {
        pairs.Append(pair);
        return;
    }
    // The first pair whose OID is not smaller, by halving: a scan from the front would visit the
    // whole list for each one.
    const CatAssocPair* first = std::lower_bound(pairs.begin(), pairs.end(), pair,
                                                 [](const CatAssocPair& a, const CatAssocPair& b) { return a.oid < b.oid; });
    pairs.InsertAt(static_cast<int>(first - pairs.begin()), pair);
}

std::u16string GetCatNameById(LONG catId, const CatArray& cats) {
    for (const CatRecord& cat : cats)
        if (cat.pimId == catId) return cat.name;
    return std::u16string();
}

void AttachTskCatsDirect(LONG oid, const CatPairArray& pairs, const CatArray& cats, TskRecord& task) {
    AttachCatsDirect(oid, pairs, cats, task);
}

void AttachCtsCatsDirect(LONG oid, const CatPairArray& pairs, const CatArray& cats, CtsRecord& contact) {
    AttachCatsDirect(oid, pairs, cats, contact);
}

TskRecord TskFromVolumeRecord(const CEPROPVAL* values, WORD count, const CatArray& cats, const CatPairArray& pairs) {
    const PropRow row(values, count);
    TskRecord task;
    task.oid = static_cast<LONG>(static_cast<DWORD>(row.Int(kTaskOid, 0)) - kTaskRecordToOid);
    WCHAR letter = 0;
    LONG number = 0;
    ParseLetterNumberPrefix(task.subject, row.Text(kTaskSubject, kTaskSubjectProp), letter, number);
    task.prefixLetter = letter;
    task.prefixNumber = number;
    row.Date(kTaskStart, task.start);
    if (row.Date(kTaskCompleted, task.completed)) task.complete = task.completed.wYear != kNoDateYear ? 1 : 0;
    DateRec due;
    if (row.Date(kTaskDue, due) && due.wYear != kNoDateYear) {
        task.due = due;
        task.hasDue = 1;
    }
    const LONG importance = row.Int(kTaskImportance, -1);
    if (importance >= 0 && importance <= kImportanceHighest) task.importance = importance;
    task.reminderSet = row.Int(kTaskReminder, 0) != 0 ? 1 : 0;
    task.sensitivity = SensitivityInRange(row.Int(kTaskSensitivity, task.sensitivity));
    task.recurring = row.StreamHasData(kTaskRecurrence) ? 1 : 0;
    task.hasNotes = row.StreamHasData(kTaskNotes) ? 1 : 0;
    AttachTskCatsDirect(task.oid, pairs, cats, task);
    return task;
}

CtsRecord CtsFromVolumeRecord(const CEPROPVAL* values, WORD count, LONG dateItems, AnnivArray& annivs,
                              const CatArray& cats, const CatPairArray& pairs) {
    const int held = annivs.Size();
    CtsRecord contact = CtsFromRow(PropRow(values, count), dateItems, annivs, cats, pairs);
    AnnivArrSortAppended(annivs, held);
    return contact;
}

int ReadCatMainDb(CEGUID& volume, CatArray& cats) {
    return ReadDatabase(volume, kCatMainDbName, nullptr, kCatMainProps, [&](const PropRow& row) {
        CatRecord record;
        record.name = row.Text(0, kCatNameProp);
        record.pimId = row.Int(1, -1);
        AddCatFromDb(cats, std::move(record));
    });
}

void AddAssocPairByKind(CatAssocPair pair, CatPairArray& contacts, CatPairArray& tasks, CatPairArray* appts) {
    const DWORD oid = static_cast<DWORD>(pair.oid);
    if (InRange(oid, kContactOidFirst)) InsertAssocPair(contacts, pair);
    else if (InRange(oid, kTaskOidFirst)) InsertAssocPair(tasks, pair);
    else if (appts && InRange(oid, kApptOidFirst)) InsertAssocPair(*appts, pair);
}

int ReadCatAssocDb(CEGUID& volume, CatPairArray& contacts, CatPairArray& tasks, CatPairArray* appts) {
    return ReadDatabase(volume, kCatAssocDbName, nullptr, kCatAssocProps, [&](const PropRow& row) {
        AddAssocPairByKind(CatAssocPair{row.Int(0, -1), row.Int(1, -1)}, contacts, tasks, appts);
    });
}

int ReadTskDbDirect(CEGUID& volume, TskArray& tasks, const CatArray& cats, const CatPairArray& pairs, LONG key1,
                    LONG key2, LONG key3, bool ascending1, bool ascending2, bool ascending3) {
    SORTORDERSPECEX sort{};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 1;
    sort.rgPropID[0] = kTaskSubjectProp;
    sort.rgdwFlags[0] = CEDB_SORT_CASEINSENSITIVE;
    // Into an empty list: appended, then one stable sort, which orders as inserting each after its equals.
    const bool sortOnce = tasks.IsEmpty();
    const int read = ReadDatabase(volume, kTasksDbName, &sort, kTaskProps, [&](const PropRow& row) {
        TskRecord task = TskFromVolumeRecord(row.Values(), row.Count(), cats, pairs);
        if (sortOnce) tasks.Append(std::move(task));
        else InsertTskByKeys(tasks, std::move(task), key1, key2, key3, ascending1, ascending2, ascending3);
    });
    if (sortOnce) StableSortTsks(tasks, key1, key2, key3, ascending1, ascending2, ascending3);
    return read;
}

int ReadCtsDbDirect(CEGUID& volume, CtsArray& contacts, AnnivArray& annivs, const CatArray& cats,
                    const CatPairArray& pairs, LONG contactSort, LONG& sortedByCompany, LONG dateItems) {
    SORTORDERSPECEX sort = ContactSortOrder(contactSort);
    sortedByCompany = contactSort == kContactSortCompany ? 1 : 0;
    const std::span<const CEPROPID> props(kContactProps.data(), dateItems ? kContactProps.size() : kContactPropsNoDates);
    const auto onRecord = [&](const PropRow& row) {
        contacts.Append(CtsFromRow(row, dateItems, annivs, cats, pairs));
    };
    const int held = annivs.Size();
    int read = ReadDatabase(volume, kContactsDbName, &sort, props, onRecord);
    if (!read) {
        // A volume that keeps the order only with its extra key.
        sort.rgPropID[sort.wNumProps] = kSortFallbackKey;
        sort.rgdwFlags[sort.wNumProps] = CEDB_SORT_UNKNOWNFIRST;
        ++sort.wNumProps;
        read = ReadDatabase(volume, kContactsDbName, &sort, props, onRecord);
    }
    AnnivArrSortAppended(annivs, held);
    return read;
}
