// The PIM store over SQLite: opening pim.vol, its tables, and items read and written whole.
#include "pim/store.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "pim/fail_points.h"
#include "pim/notifications.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "platform/device.h"
#include "platform/text.h"

namespace platform::pim {
namespace {

// 1: the first; 2: a series that ends after a count keeps its last day (recurrences.last_day).
constexpr int kSchemaVersion = 2;
constexpr int kBusyTimeoutMs = 10000;

constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS items(oid INTEGER PRIMARY KEY, kind INTEGER NOT NULL, start REAL,"
    " recurring INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS items_by_start ON items(kind, recurring, start)",
    "CREATE TABLE IF NOT EXISTS props(oid INTEGER NOT NULL, propid INTEGER NOT NULL, value,"
    " PRIMARY KEY(oid, propid)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS categories(id INTEGER PRIMARY KEY, name TEXT NOT NULL, folded TEXT NOT NULL UNIQUE)",
    "CREATE TABLE IF NOT EXISTS item_categories(oid INTEGER NOT NULL, position INTEGER NOT NULL,"
    " category INTEGER NOT NULL, PRIMARY KEY(oid, position)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS recurrences(oid INTEGER PRIMARY KEY, type INTEGER NOT NULL, interval INTEGER,"
    " day_of_week_mask INTEGER, day_of_month INTEGER, instance INTEGER, month_of_year INTEGER,"
    " pattern_start REAL, pattern_end REAL, occurrences INTEGER, no_end INTEGER, last_day REAL)",
    "CREATE TABLE IF NOT EXISTS exceptions(oid INTEGER NOT NULL, original_day INTEGER NOT NULL,"
    " deleted INTEGER NOT NULL, start REAL, duration INTEGER, subject TEXT, location TEXT, body TEXT,"
    " PRIMARY KEY(oid, original_day)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS recipients(oid INTEGER NOT NULL, position INTEGER NOT NULL, name TEXT,"
    " address TEXT, PRIMARY KEY(oid, position)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS oid_counters(kind INTEGER PRIMARY KEY, next INTEGER NOT NULL)",
};

struct OpenStores {
    std::mutex lock;
    std::weak_ptr<Store> current;
    // A store found damaged stays reported so for this process's life, even though its file was
    // moved away: the next start begins a new store, not this session in the middle of its work.
    // Its own lock, as a store finds damage while the open holds the other.
    std::mutex damageLock;
    std::filesystem::path damaged;
    Store::ChangeListener listener;
    Store::ChangeListener observer;
};

OpenStores& Stores() {
    static OpenStores stores;
    return stores;
}

void RememberDamaged(const std::filesystem::path& path) {
    const std::lock_guard guard(Stores().damageLock);
    Stores().damaged = path;
}

bool FoundDamaged(const std::filesystem::path& path) {
    const std::lock_guard guard(Stores().damageLock);
    return Stores().damaged == path;
}

// Moves a damaged store away so that the next open begins a new one, says so, and notes for the
// next process where it went.
void SetDamagedAside(const std::filesystem::path& path) {
    const std::filesystem::path aside = KeepDamagedAside(path);
    if (aside.empty()) {
        std::fprintf(stderr, "quorvia: the damaged PIM store %s could not be moved aside\n", path.c_str());
        return;
    }
    NoteKeptAside(path, aside);
    std::fprintf(stderr, "quorvia: the damaged PIM store was kept as %s; the next start begins a new store\n",
                 aside.c_str());
}

// Tells SQLite to leave the log as it is when this connection closes: no checkpoint, no removal.
void KeepLogAtClose(sqlite3* db) { sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr); }

bool LogHoldsFrames(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path.string() + "-wal", ec);
    return !ec && size > 0;
}

// The first column of the first row of a one-value query; nothing when the query gave no row.
std::optional<std::string> QueryValue(sqlite3* db, const char* sql, int& rc) {
    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) return std::nullopt;
    rc = sqlite3_step(stmt);
    std::optional<std::string> value;
    if (rc == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        value = text ? text : "";
        rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    return value;
}

// A file is a sound store when SQLite reads its header and our schema, or it is empty; the full
// check of every page runs only when asked (after an unclean end). It waits for other writers as
// every connection does: a busy answer is never damage. The check itself never checkpoints at its
// close; `ownIndex` keeps SQLite's index in this connection's memory (a reader alone writes nothing).
bool IsSoundStore(const std::filesystem::path& path, bool fullCheck, bool ownIndex = false) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    bool sound = true;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        KeepLogAtClose(db);
        if (ownIndex) sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
        std::optional<std::string> check = std::string("ok");
        if (fullCheck) check = QueryValue(db, "PRAGMA quick_check", rc);
        if (check) {
            sound = *check == "ok";
        } else {
            sound = !IsDamageCode(rc);
        }
        if (sound && check) {
            int rcVersion = SQLITE_OK, rcTables = SQLITE_OK;
            const auto version = QueryValue(db, "PRAGMA user_version", rcVersion);
            const auto tables = QueryValue(db, "SELECT count(*) FROM sqlite_master", rcTables);
            if (version && tables)
                sound = (std::stol(*version) >= 1 && std::stol(*version) <= kSchemaVersion) ||
                        (std::stol(*version) == 0 && std::stol(*tables) == 0);
            else
                sound = !IsDamageCode(rcVersion) && !IsDamageCode(rcTables);
        }
    } else {
        sound = !IsDamageCode(rc);
    }
    sqlite3_close_v2(db);
    return sound;
}

std::int64_t ToInt(CEOID oid) { return static_cast<std::int64_t>(oid); }

// The OIDs in the first column of every row, the statement reset after.
std::vector<CEOID> OidColumn(Statement& q) {
    std::vector<CEOID> oids;
    while (q.Step()) oids.push_back(static_cast<CEOID>(q.Int(0)));
    q.Reset();
    return oids;
}

// The pattern columns of a row of recurrences, from `first` on.
RecurrenceData PatternFromRow(const Statement& q, int first) {
    RecurrenceData r;
    r.type = static_cast<LONG>(q.Int(first));
    r.interval = static_cast<LONG>(q.Int(first + 1));
    r.dayOfWeekMask = static_cast<LONG>(q.Int(first + 2));
    r.dayOfMonth = static_cast<LONG>(q.Int(first + 3));
    r.instance = static_cast<LONG>(q.Int(first + 4));
    r.monthOfYear = static_cast<LONG>(q.Int(first + 5));
    r.patternStart = q.Real(first + 6);
    r.patternEnd = q.Real(first + 7);
    r.occurrences = static_cast<LONG>(q.Int(first + 8));
    r.noEndDate = q.Int(first + 9) != 0;
    return r;
}

// The value column `column` of a props row.
PropValue PropFromColumn(const Statement& q, int column) {
    switch (q.ColumnType(column)) {
    case SQLITE_INTEGER: return q.Int(column);
    case SQLITE_FLOAT: return q.Real(column);
    case SQLITE_TEXT: return q.Text(column);
    case SQLITE_BLOB: return q.Blob(column);
    default: return std::monostate{};
    }
}

// Puts items in OID order in place, moving each about once (rows by start come in start order).
void InOidOrder(std::vector<ItemData>& items) {
    auto byOid = [](const ItemData& a, const ItemData& b) { return a.oid < b.oid; };
    if (std::is_sorted(items.begin(), items.end(), byOid)) return;
    std::vector<std::pair<CEOID, std::size_t>> order;  // by OID: where each item is now
    order.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) order.emplace_back(items[i].oid, i);
    std::sort(order.begin(), order.end());
    // Each cycle of the order is walked once: a place takes the item that belongs there.
    std::vector<bool> placed(items.size(), false);
    for (std::size_t start = 0; start < items.size(); ++start) {
        if (placed[start]) continue;
        ItemData held = std::move(items[start]);
        std::size_t at = start;
        for (;;) {
            placed[at] = true;
            const std::size_t from = order[at].second;
            if (from == start) {
                items[at] = std::move(held);
                break;
            }
            items[at] = std::move(items[from]);
            at = from;
        }
    }
}

// A changed occurrence from the exception columns, from `first` on.
ExceptionData ExceptionFromRow(const Statement& q, int first) {
    ExceptionData e;
    e.originalDay = q.Int(first);
    e.deleted = q.Int(first + 1) != 0;
    e.start = q.Real(first + 2);
    e.duration = static_cast<LONG>(q.Int(first + 3));
    if (q.ColumnType(first + 4) != SQLITE_NULL) e.subject = q.Text(first + 4);
    if (q.ColumnType(first + 5) != SQLITE_NULL) e.location = q.Text(first + 5);
    if (q.ColumnType(first + 6) != SQLITE_NULL) e.body = q.Text(first + 6);
    return e;
}

}  // namespace

// Several queries that read as one: a deferred transaction takes the read lock once for all of them
// (inside a save's transaction it reads that one).
class Store::ReadScope {
public:
    explicit ReadScope(Store& store) : db_(store.db_) {
        began_ = store.transactionDepth_ == 0 && sqlite3_get_autocommit(db_) &&
                 sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~ReadScope() {
        if (began_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

private:
    sqlite3* db_;
    bool began_ = false;
};

CEOID OidBase(ItemKind kind) {
    switch (kind) {
    case ItemKind::Appointment: return kAppointmentOidBase;
    case ItemKind::Contact: return kContactOidBase;
    case ItemKind::Task: return kTaskOidBase;
    }
    return 0;
}

std::optional<ItemKind> KindOfOid(CEOID oid) {
    for (const ItemKind kind : {ItemKind::Appointment, ItemKind::Contact, ItemKind::Task})
        if (oid >= OidBase(kind) && oid - OidBase(kind) < kOidsPerKind) return kind;
    return std::nullopt;
}

std::string StoreFullText(ItemKind kind, std::size_t held) {
    const char* name = kind == ItemKind::Appointment ? "appointments" : kind == ItemKind::Contact ? "contacts" : "tasks";
    return "the store is full: it holds " + std::to_string(held) + " " + name + ", the most it can keep";
}

std::shared_ptr<Store> Store::Get(HRESULT* error) { return Open(Mode::Create, error); }

std::shared_ptr<Store> Store::GetExisting(HRESULT* error) { return Open(Mode::Existing, error); }

std::shared_ptr<Store> Store::GetForReading(HRESULT* error) { return Open(Mode::Reading, error); }

std::shared_ptr<Store> Store::Open(Mode mode, HRESULT* error) {
    if (error) *error = S_OK;
    StartNotifications();
    const std::filesystem::path path = DeviceRoot() / "pim.vol";
    OpenStores& stores = Stores();
    const std::lock_guard guard(stores.lock);
    if (auto open = stores.current.lock(); open && open->path_ == path) return open;

    if (FoundDamaged(path)) {
        if (error) *error = HRESULT_FROM_WIN32(ERROR_BADDB);
        return nullptr;
    }
    if (const std::filesystem::path aside = TakeAsideNote(path); !aside.empty())
        std::fprintf(stderr, "quorvia: the PIM store was found damaged and kept as %s; this is a new store\n",
                     aside.c_str());
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (!exists && mode != Mode::Create) {
        if (error) *error = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    if (mode == Mode::Reading) return OpenForReading(path, error);
    DatabaseUsers users = DatabaseUsers::Join(path);
    // A store SQLite reported damaged while others had it open fails as a failed check does.
    if (exists && ((users.Alone() && MarkedDamaged(path)) ||
                   !IsSoundStore(path, users.Alone() && EndedUncleanly(path)))) {
        // Kept for repair under another name, so that the next open starts a new store; only a
        // sole user may move it, since no other process then has it or its log open.
        std::fprintf(stderr, "quorvia: the PIM store %s is damaged\n", path.c_str());
        if (users.Alone()) SetDamagedAside(path);
        RememberDamaged(path);
        if (error) *error = HRESULT_FROM_WIN32(ERROR_BADDB);
        return nullptr;
    }
    std::shared_ptr<Store> store(new Store());
    store->path_ = path;
    if (sqlite3_open_v2(path.c_str(), &store->db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error) *error = HRESULT_FROM_WIN32(ERROR_CANTOPEN);
        return nullptr;
    }
    sqlite3_busy_timeout(store->db_, kBusyTimeoutMs);
    bool ok = sqlite3_exec(store->db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr,
                           nullptr) == SQLITE_OK;
    // A store already made needs no schema written, so an open for reading writes nothing.
    int rcVersion = SQLITE_OK;
    const auto version = ok ? QueryValue(store->db_, "PRAGMA user_version", rcVersion) : std::nullopt;
    if (ok && (!version || std::stol(*version) != kSchemaVersion)) ok = store->WriteSchema();
    if (!ok) {
        if (error) *error = HRESULT_FROM_WIN32(ERROR_CANTWRITE);
        return nullptr;
    }
    users.Share();
    store->users_ = std::move(users);
    stores.current = store;
    return store;
}

std::shared_ptr<Store> Store::OpenForReading(const std::filesystem::path& path, HRESULT* error) {
    DatabaseUsers users = DatabaseUsers::Join(path);
    const bool alone = users.Alone();
    if (MarkedDamaged(path) || !IsSoundStore(path, alone && EndedUncleanly(path), alone)) {
        // Reported only: a writer's open keeps it aside.
        if (error) *error = HRESULT_FROM_WIN32(ERROR_BADDB);
        return nullptr;
    }
    std::shared_ptr<Store> store(new Store());
    store->path_ = path;
    store->readOnly_ = true;
    if (sqlite3_open_v2(path.c_str(), &store->db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        if (error) *error = HRESULT_FROM_WIN32(ERROR_CANTOPEN);
        return nullptr;
    }
    sqlite3_busy_timeout(store->db_, kBusyTimeoutMs);
    KeepLogAtClose(store->db_);
    // Alone, SQLite's index lives in this connection's memory instead of the shared file (others
    // wait the few milliseconds of the read); with others present, theirs is used as it is.
    if (alone) sqlite3_exec(store->db_, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    sqlite3_exec(store->db_, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    int rc = SQLITE_OK;
    const auto version = QueryValue(store->db_, "PRAGMA user_version", rc);
    if (!version || std::stol(*version) < 1 || std::stol(*version) > kSchemaVersion) {
        // A file not yet made into a store holds no items.
        if (error) *error = HRESULT_FROM_WIN32(version ? ERROR_FILE_NOT_FOUND : ERROR_CANTOPEN);
        return nullptr;
    }
    // A store of the first version is brought up to date by the next writer; until then its series
    // have no last day to choose by.
    store->lastDays_ = std::stol(*version) >= 2;
    users.Share();
    store->users_ = std::move(users);
    return store;
}

Store::~Store() {
    statements_.clear();
    if (damaged_) {
        // Nothing of a damaged store is copied anywhere: its log goes aside with it.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    } else if (!readOnly_) {
        // The log stays, emptied, with its index: a reader that comes next then makes no file.
        int persist = 1;
        sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
        sqlite3_exec(db_, "PRAGMA journal_size_limit=0", nullptr, nullptr, nullptr);
        // Only a session that wrote, or that finds others' changes still in the log, checkpoints
        // (SQLite does so only when this is the last connection).
        const bool checkpoint = changeCount_.load() > 0 || LogHoldsFrames(path_);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, checkpoint ? 0 : 1, nullptr);
    }
    sqlite3_close_v2(db_);
    // The last user of a store found damaged sets it aside, as a failed check at the open does;
    // with others still in it the mark leaves that to the next sole user.
    if (damaged_ && !readOnly_ && users_.TryAlone()) SetDamagedAside(path_);
}

void Store::OnDamage() {
    if (damaged_.exchange(true)) return;
    MarkDamaged(path_);
    RememberDamaged(path_);
    std::fprintf(stderr, "quorvia: the PIM store %s is damaged (%s); nothing more is read from it or saved to it\n",
                 path_.c_str(), db_ ? sqlite3_errmsg(db_) : "");
}

HRESULT Store::FailureCode() const { return damaged_ ? HRESULT_FROM_WIN32(ERROR_BADDB) : E_FAIL; }

void Store::SetChangeListener(ChangeListener listener) {
    OpenStores& stores = Stores();
    const std::lock_guard guard(stores.lock);
    stores.listener = std::move(listener);
}

void Store::SetChangeObserver(ChangeListener observer) {
    OpenStores& stores = Stores();
    const std::lock_guard guard(stores.lock);
    stores.observer = std::move(observer);
}

Statement& Store::Query(const char* sql) {
    // A damaged store answers nothing: what it would read may be garbage.
    if (damaged_) {
        if (!dead_) dead_ = std::make_unique<Statement>(nullptr, sql);
        return *dead_;
    }
    auto& slot = statements_[sql];
    if (!slot) slot = std::make_unique<Statement>(db_, sql, [this] { OnDamage(); });
    slot->Reset();
    return *slot;
}

int Store::Exec(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (IsDamageCode(rc)) OnDamage();
    return rc;
}

// The tables of a new store, or the steps that bring an older one up to date, in one transaction.
// The version is asked again inside it: another process may have taken the steps meanwhile.
bool Store::WriteSchema() {
    if (!Begin()) return false;
    int rc = SQLITE_OK;
    const auto version = QueryValue(db_, "PRAGMA user_version", rc);
    const long was = version ? std::stol(*version) : -1;
    bool ok = was >= 0 && was <= kSchemaVersion;
    if (ok && was == 0)
        for (const char* sql : kSchema) ok = ok && Exec(sql) == SQLITE_OK;
    if (ok && was == 1) ok = AddLastDays();
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
    ok = ok && Exec(setVersion.c_str()) == SQLITE_OK;
    if (!ok) {
        Rollback();
        return false;
    }
    return Commit();
}

bool Store::AddLastDays() {
    // A file marked with the first version may already have the column (a later store marked back).
    Statement& column = Query("SELECT count(*) FROM pragma_table_info('recurrences') WHERE name = 'last_day'");
    const bool has = column.Step() && column.Int(0) > 0;
    column.Reset();
    if (!has && Exec("ALTER TABLE recurrences ADD COLUMN last_day REAL") != SQLITE_OK) return false;
    std::vector<std::pair<std::int64_t, std::int64_t>> lastDays;
    Statement& counted = Query(
        "SELECT oid, type, interval, day_of_week_mask, day_of_month, instance, month_of_year, pattern_start,"
        " pattern_end, occurrences, no_end FROM recurrences WHERE no_end = 0 AND occurrences > 0");
    while (counted.Step())
        if (const auto day = LastCountedDay(PatternFromRow(counted, 1))) lastDays.emplace_back(counted.Int(0), *day);
    counted.Reset();
    for (const auto& [oid, day] : lastDays)
        if (!Query("UPDATE recurrences SET last_day = ?2 WHERE oid = ?1").Bind(1, oid).Bind(2, OleFromDay(day)).Run())
            return false;
    return true;
}

bool Store::Begin() {
    if (readOnly_ || damaged_) return false;
    if (transactionDepth_++ > 0) return true;
    if (Exec("BEGIN IMMEDIATE") == SQLITE_OK) return true;
    transactionDepth_ = 0;
    return false;
}

bool Store::Commit() {
    if (--transactionDepth_ > 0) return true;
    if (!damaged_ && Exec("COMMIT") == SQLITE_OK) {
        KeepThrough(changeCount_++);
        return true;
    }
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    pendingNotifications_.clear();
    touched_.clear();
    return false;
}

void Store::Rollback() {
    if (--transactionDepth_ > 0) return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    pendingNotifications_.clear();
    touched_.clear();
}

void Store::KeepThrough(std::uint64_t countBefore) {
    // Reading a few items again costs less than every series or a whole folder's order; a large
    // import reads them anew. A contact's place depends on its name: that order is always read anew.
    constexpr std::size_t kMostPatched = 64;
    auto keep = [&](auto& kept) {
        if (kept.changeCount != countBefore || kept.stale.size() + touched_.size() > kMostPatched) return;
        kept.stale.insert(kept.stale.end(), touched_.begin(), touched_.end());
        kept.changeCount = countBefore + 1;
    };
    for (auto& [kind, kept] : series_) keep(kept);
    for (auto& [kind, kept] : folderOrders_)
        if (kind != static_cast<int>(ItemKind::Contact)) keep(kept);
    touched_.clear();
}

void Store::Notify(ItemKind kind, CEOID oid, Change change) {
    pendingNotifications_.push_back([kind, oid, change] {
        ChangeListener listener, observer;
        {
            OpenStores& stores = Stores();
            const std::lock_guard guard(stores.lock);
            listener = stores.listener;
            observer = stores.observer;
        }
        if (listener) listener(kind, oid, change);
        if (observer) observer(kind, oid, change);
    });
}

bool Store::InTransaction(const std::function<bool()>& work) {
    std::vector<std::function<void()>> notifications;
    {
        const std::lock_guard guard(lock_);
        if (!Begin()) return false;
        if (!work()) {
            Rollback();
            return false;
        }
        if (!Commit()) return false;
        notifications.swap(pendingNotifications_);
    }
    for (const auto& notify : notifications) notify();
    return true;
}

bool Store::Exists(CEOID oid) {
    const std::lock_guard guard(lock_);
    Statement& q = Query("SELECT 1 FROM items WHERE oid = ?1");
    q.Bind(1, ToInt(oid));
    const bool found = q.Step();
    q.Reset();
    return found;
}

CEOID Store::NextOid(ItemKind kind) {
    const CEOID base = OidBase(kind);
    Statement& counter = Query("SELECT next FROM oid_counters WHERE kind = ?1");
    counter.Bind(1, static_cast<std::int64_t>(kind));
    std::int64_t next = counter.Step() ? counter.Int(0) : ToInt(base);
    counter.Reset();
    if (next >= ToInt(base) + kOidsPerKind) {
        // The range is used up once: take the lowest free OID.
        Statement& gap = Query(
            "SELECT CASE WHEN NOT EXISTS(SELECT 1 FROM items WHERE oid = ?1) THEN ?1 ELSE"
            " (SELECT a.oid + 1 FROM items a WHERE a.oid >= ?1 AND a.oid < ?2 - 1 AND"
            " NOT EXISTS(SELECT 1 FROM items b WHERE b.oid = a.oid + 1) ORDER BY a.oid LIMIT 1) END");
        gap.Bind(1, ToInt(base)).Bind(2, ToInt(base) + kOidsPerKind);
        const bool found = gap.Step() && gap.ColumnType(0) != SQLITE_NULL;
        const std::int64_t free = found ? gap.Int(0) : 0;
        gap.Reset();
        return static_cast<CEOID>(free);
    }
    Statement& bump = Query("INSERT OR REPLACE INTO oid_counters(kind, next) VALUES(?1, ?2)");
    if (!bump.Bind(1, static_cast<std::int64_t>(kind)).Bind(2, next + 1).Run()) return 0;
    return static_cast<CEOID>(next);
}

LONG Store::CategoryId(const std::u16string& name) {
    const std::u16string folded = FoldCase(name);
    Statement& find = Query("SELECT id FROM categories WHERE folded = ?1");
    find.Bind(1, folded);
    if (find.Step()) {
        const LONG id = static_cast<LONG>(find.Int(0));
        find.Reset();
        return id;
    }
    find.Reset();
    Statement& add = Query("INSERT INTO categories(name, folded) VALUES(?1, ?2)");
    if (!add.Bind(1, name).Bind(2, folded).Run()) return 0;
    return static_cast<LONG>(sqlite3_last_insert_rowid(db_));
}

bool Store::RemoveItem(CEOID oid) {
    static constexpr const char* kDeletes[] = {
        "DELETE FROM items WHERE oid = ?1",       "DELETE FROM props WHERE oid = ?1",
        "DELETE FROM item_categories WHERE oid = ?1", "DELETE FROM recurrences WHERE oid = ?1",
        "DELETE FROM exceptions WHERE oid = ?1",  "DELETE FROM recipients WHERE oid = ?1",
    };
    for (const char* sql : kDeletes)
        if (!Query(sql).Bind(1, ToInt(oid)).Run()) return false;
    return true;
}

bool Store::WriteItem(const ItemData& item) {
    if (!RemoveItem(item.oid)) return false;
    const std::int64_t oid = ToInt(item.oid);
    const CEPROPID startProp = item.kind == ItemKind::Appointment ? PIMPR_START : PIMPR_DUE_DATE;
    Statement& row = Query("INSERT INTO items(oid, kind, start, recurring) VALUES(?1, ?2, ?3, ?4)");
    row.Bind(1, oid).Bind(2, static_cast<std::int64_t>(item.kind));
    if (item.Has(startProp)) row.Bind(3, item.Date(startProp)); else row.BindNull(3);
    if (!row.Bind(4, static_cast<std::int64_t>(item.recurrence.Set() ? 1 : 0)).Run()) return false;

    for (const auto& [id, value] : item.props) {
        Statement& prop = Query("INSERT INTO props(oid, propid, value) VALUES(?1, ?2, ?3)");
        prop.Bind(1, oid).Bind(2, static_cast<std::int64_t>(id));
        if (const auto* i = std::get_if<std::int64_t>(&value)) prop.Bind(3, *i);
        else if (const auto* d = std::get_if<double>(&value)) prop.Bind(3, *d);
        else if (const auto* s = std::get_if<std::u16string>(&value)) prop.Bind(3, *s);
        else if (const auto* b = std::get_if<std::vector<BYTE>>(&value)) prop.Bind(3, *b);
        else continue;
        if (!prop.Run()) return false;
    }
    std::int64_t position = 0;
    for (const auto& name : item.categories) {
        const LONG id = CategoryId(name);
        if (id == 0) return false;
        if (!Query("INSERT INTO item_categories(oid, position, category) VALUES(?1, ?2, ?3)")
                 .Bind(1, oid).Bind(2, position++).Bind(3, static_cast<std::int64_t>(id)).Run())
            return false;
    }
    if (item.recurrence.Set()) {
        const RecurrenceData& r = item.recurrence;
        Statement& rec = Query(
            "INSERT INTO recurrences(oid, type, interval, day_of_week_mask, day_of_month, instance, month_of_year,"
            " pattern_start, pattern_end, occurrences, no_end, last_day) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9,"
            " ?10, ?11, ?12)");
        rec.Bind(1, oid).Bind(2, std::int64_t{r.type}).Bind(3, std::int64_t{r.interval})
            .Bind(4, std::int64_t{r.dayOfWeekMask}).Bind(5, std::int64_t{r.dayOfMonth}).Bind(6, std::int64_t{r.instance})
            .Bind(7, std::int64_t{r.monthOfYear}).Bind(8, r.patternStart).Bind(9, r.patternEnd)
            .Bind(10, std::int64_t{r.occurrences}).Bind(11, std::int64_t{r.noEndDate ? 1 : 0});
        if (const auto last = LastCountedDay(r)) rec.Bind(12, OleFromDay(*last)); else rec.BindNull(12);
        if (!rec.Run()) return false;
        for (const ExceptionData& e : item.exceptions) {
            Statement& ex = Query(
                "INSERT OR REPLACE INTO exceptions(oid, original_day, deleted, start, duration, subject, location,"
                " body) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
            ex.Bind(1, oid).Bind(2, e.originalDay).Bind(3, std::int64_t{e.deleted ? 1 : 0}).Bind(4, e.start)
                .Bind(5, std::int64_t{e.duration});
            if (e.subject) ex.Bind(6, *e.subject); else ex.BindNull(6);
            if (e.location) ex.Bind(7, *e.location); else ex.BindNull(7);
            if (e.body) ex.Bind(8, *e.body); else ex.BindNull(8);
            if (!ex.Run()) return false;
        }
    }
    position = 0;
    for (const RecipientData& r : item.recipients)
        if (!Query("INSERT INTO recipients(oid, position, name, address) VALUES(?1, ?2, ?3, ?4)")
                 .Bind(1, oid).Bind(2, position++).Bind(3, r.name).Bind(4, r.address).Run())
            return false;
    return true;
}

HRESULT Store::Save(ItemData& item, Change* change) {
    if (const HRESULT injected = InjectedFailure("Store::Save"); FAILED(injected)) return injected;
    std::vector<std::function<void()>> notifications;
    Change what = Change::Changed;
    {
        const std::lock_guard guard(lock_);
        if (!Begin()) return FailureCode();
        const bool isNew = item.oid == 0;
        if (isNew) {
            item.oid = NextOid(item.kind);
            if (item.oid == 0) {
                Rollback();
                return damaged_ ? FailureCode() : kStoreFull;
            }
        } else if (!Exists(item.oid)) {
            Rollback();
            return FailureCode();  // deleted meanwhile
        }
        if (!WriteItem(item)) {
            Rollback();
            if (isNew) item.oid = 0;
            return FailureCode();
        }
        what = isNew ? Change::Created : Change::Changed;
        touched_.push_back(item.oid);
        Notify(item.kind, item.oid, what);
        if (!Commit()) {
            if (isNew) item.oid = 0;
            return FailureCode();
        }
        if (transactionDepth_ == 0) notifications.swap(pendingNotifications_);
    }
    if (change) *change = what;
    for (const auto& notify : notifications) notify();
    return S_OK;
}

HRESULT Store::Delete(CEOID oid) {
    if (const HRESULT injected = InjectedFailure("Store::Delete"); FAILED(injected)) return injected;
    const std::optional<ItemKind> kind = KindOfOid(oid);
    if (!kind) return FailureCode();
    std::vector<std::function<void()>> notifications;
    {
        const std::lock_guard guard(lock_);
        if (!Begin()) return FailureCode();
        if (!Exists(oid) || !RemoveItem(oid)) {
            Rollback();
            return FailureCode();
        }
        touched_.push_back(oid);
        Notify(*kind, oid, Change::Deleted);
        if (!Commit()) return FailureCode();
        if (transactionDepth_ == 0) notifications.swap(pendingNotifications_);
    }
    for (const auto& notify : notifications) notify();
    return S_OK;
}

std::optional<ItemData> Store::Load(CEOID oid) {
    const std::lock_guard guard(lock_);
    const ReadScope read(*this);
    Statement& row = Query("SELECT kind FROM items WHERE oid = ?1");
    row.Bind(1, ToInt(oid));
    if (!row.Step()) {
        row.Reset();
        return std::nullopt;
    }
    ItemData item;
    item.oid = oid;
    item.kind = static_cast<ItemKind>(row.Int(0));
    row.Reset();
    ReadDetails(item);
    return item;
}

bool Store::HasRows(const char* table) {
    Statement& q = Query((std::string("SELECT EXISTS(SELECT 1 FROM ") + table + ")").c_str());
    const bool any = q.Step() && q.Int(0) != 0;
    q.Reset();
    return any;
}

std::unordered_map<std::int64_t, std::u16string> Store::CategoryNames() {
    std::unordered_map<std::int64_t, std::u16string> names;
    Statement& q = Query("SELECT id, name FROM categories");
    while (q.Step()) names.emplace(q.Int(0), q.Text(1));
    q.Reset();
    return names;
}

std::vector<ItemData> Store::LoadWhere(const std::string& where, const std::function<void(Statement&)>& bind,
                                       bool series, const std::string& around) {
    const std::lock_guard guard(lock_);
    const ReadScope read(*this);
    std::vector<ItemData> items;
    // Each query stays prepared under its text. The rows of one item come together, so the item
    // of the row before is tried first, else looked up by OID (in a list of the OIDs alone, which
    // stays in the cache where the items would not).
    std::vector<CEOID> oids;
    auto run = [&](bool ask, const std::string& sql, auto&& row) {
        if (!ask) return;
        Statement& q = Query(sql.c_str());
        bind(q);
        ItemData* last = nullptr;
        while (q.Step()) {
            const auto oid = static_cast<CEOID>(q.Int(0));
            if (!last || last->oid != oid) {
                const auto it = std::lower_bound(oids.begin(), oids.end(), oid);
                last = it != oids.end() && *it == oid ? &items[static_cast<std::size_t>(it - oids.begin())] : nullptr;
            }
            if (last) row(*last, q);
        }
        q.Reset();
    };
    // The items and their properties in one query: an item's rows come together, its properties in
    // identifier order, each going at the end of its map.
    const std::string rowsSql =
        "SELECT i.oid, i.kind, p.propid, p.value FROM items i LEFT JOIN props p ON p.oid = i.oid WHERE " + where;
    Statement& rows = Query(rowsSql.c_str());
    bind(rows);
    while (rows.Step()) {
        const auto oid = static_cast<CEOID>(rows.Int(0));
        if (items.empty() || items.back().oid != oid) {
            ItemData item;
            item.oid = oid;
            item.kind = static_cast<ItemKind>(rows.Int(1));
            // Items read together hold about as many values each: room for them at once.
            if (!items.empty()) item.props.reserve(items.back().props.size());
            items.push_back(std::move(item));
        }
        PropValue value = PropFromColumn(rows, 3);
        if (!std::holds_alternative<std::monostate>(value))
            items.back().props.insert_or_assign(static_cast<CEPROPID>(rows.Int(2)), std::move(value));
    }
    rows.Reset();
    if (items.empty()) return items;
    InOidOrder(items);
    oids.reserve(items.size());
    for (const ItemData& item : items) oids.push_back(item.oid);
    // Categories and patterns are read for the rows `around` picks, when given (rows of items not
    // read are passed over), which costs less than asking `where` again. Rows of several per item
    // are asked in the order of the items' index, which SQLite then gives without sorting them.
    const std::string& near = around.empty() ? where : around;
    const std::string inIndexOrder = " ORDER BY i.kind, i.recurring, i.start, i.oid, ";
    if (HasRows("item_categories")) {
        const std::unordered_map<std::int64_t, std::u16string> names = CategoryNames();
        run(true,
            "SELECT i.oid, ic.category FROM items i JOIN item_categories ic ON ic.oid = i.oid WHERE " + near +
                inIndexOrder + "ic.position",
            [&names](ItemData& item, const Statement& q) {
                if (const auto it = names.find(q.Int(1)); it != names.end()) item.categories.push_back(it->second);
            });
    }
    // A table without rows is looked at once instead of once per item; items without a pattern
    // have no pattern or occurrence rows.
    run(series && HasRows("recurrences"),
        "SELECT i.oid, r.type, r.interval, r.day_of_week_mask, r.day_of_month, r.instance, r.month_of_year,"
        " r.pattern_start, r.pattern_end, r.occurrences, r.no_end FROM items i JOIN recurrences r ON r.oid = i.oid"
        " WHERE " + near,
        [](ItemData& item, const Statement& q) { item.recurrence = PatternFromRow(q, 1); });
    // A pattern's changed occurrences count only while it is set (as a single load reads them).
    run(series && HasRows("exceptions"),
        "SELECT i.oid, e.original_day, e.deleted, e.start, e.duration, e.subject, e.location, e.body FROM items i"
        " JOIN exceptions e ON e.oid = i.oid WHERE " + where + inIndexOrder + "e.original_day",
        [](ItemData& item, const Statement& q) {
            if (item.recurrence.Set()) item.exceptions.push_back(ExceptionFromRow(q, 1));
        });
    run(HasRows("recipients"),
        "SELECT i.oid, x.name, x.address FROM items i JOIN recipients x ON x.oid = i.oid WHERE " + where +
            inIndexOrder + "x.position",
        [](ItemData& item, const Statement& q) { item.recipients.push_back({q.Text(1), q.Text(2)}); });
    return items;
}

std::vector<ItemData> Store::LoadAll(ItemKind kind) {
    return LoadWhere("i.kind = ?1", [kind](Statement& q) { q.Bind(1, static_cast<std::int64_t>(kind)); });
}

std::vector<ItemData> Store::LoadForRange(ItemKind kind, DATE from, DATE to) {
    const std::lock_guard guard(lock_);
    const ReadScope read(*this);
    auto bind = [kind, from, to](Statement& q) {
        q.Bind(1, static_cast<std::int64_t>(kind)).Bind(2, from).Bind(3, to);
    };
    std::vector<ItemData> items =
        LoadWhere("i.kind = ?1 AND i.recurring = 0 AND i.start >= ?2 AND i.start < ?3", bind, false);
    // Series are chosen with a day's margin either side and their occurrences worked out from the
    // pattern afterwards, so a series taken needlessly gives none; one that a changed occurrence
    // moved into the range is taken by that occurrence's start, and any by its own start. One that
    // ends after a count ends on its last day (a store of the first version does not know it).
    const std::string counted = lastDays_ ? "(r.last_day IS NULL OR r.last_day >= ?2 - 2)" : "1";
    const std::string seriesWhere =
        "i.kind = ?1 AND i.recurring = 1 AND ((i.start >= ?2 AND i.start < ?3) OR EXISTS(SELECT 1 FROM recurrences r WHERE r.oid = i.oid AND"
        " r.pattern_start < ?3 + 1 AND (r.no_end <> 0 OR (r.occurrences > 0 AND " + counted + ") OR"
        " (r.occurrences <= 0 AND (r.pattern_end IS NULL OR r.pattern_end >= ?2 - 2)))) OR EXISTS(SELECT 1 FROM"
        " exceptions e WHERE e.oid = i.oid AND e.deleted = 0 AND e.start >= ?2 - 1 AND e.start < ?3 + 1))";
    std::vector<ItemData> series;
    // Inside a save the store may hold what is not committed yet: nothing is kept from it.
    const std::vector<ItemData>* keptSeries = transactionDepth_ == 0 ? KeptSeries(kind) : nullptr;
    if (!keptSeries) {
        series = LoadWhere(seriesWhere, bind, true, "i.kind = ?1 AND i.recurring = 1");
    } else {
        const std::vector<ItemData>& kept = *keptSeries;
        Statement& q = Query(("SELECT i.oid FROM items i WHERE " + seriesWhere).c_str());
        bind(q);
        std::vector<CEOID> oids = OidColumn(q);
        std::sort(oids.begin(), oids.end());
        series.reserve(oids.size());
        for (const CEOID oid : oids) {
            const auto it = std::lower_bound(kept.begin(), kept.end(), oid,
                                             [](const ItemData& item, CEOID wanted) { return item.oid < wanted; });
            if (it != kept.end() && it->oid == oid) series.push_back(*it);
        }
    }
    const auto middle = static_cast<std::ptrdiff_t>(items.size());
    items.insert(items.end(), std::make_move_iterator(series.begin()), std::make_move_iterator(series.end()));
    std::inplace_merge(items.begin(), items.begin() + middle, items.end(),
                       [](const ItemData& a, const ItemData& b) { return a.oid < b.oid; });
    return items;
}

std::vector<FlatItem> Store::LoadFlat(ItemKind kind, std::size_t spare) {
    const std::lock_guard guard(lock_);
    const ReadScope read(*this);
    // A kind's OIDs are one range, so each table is read along its key in OID order (the kind is
    // kept off the index, which would need a sort), and the rows of each item follow one another
    // in identifier order: the item of a row is found by walking forward.
    const auto first = static_cast<std::int64_t>(OidBase(kind));
    const std::int64_t end = first + kOidsPerKind;
    std::vector<FlatItem> items;
    Statement& rows = Query(
        "SELECT i.oid, p.propid, p.value FROM items i LEFT JOIN props p ON p.oid = i.oid WHERE i.oid >= ?1 AND"
        " i.oid < ?2 AND +i.kind = ?3 ORDER BY i.oid");
    rows.Bind(1, first).Bind(2, end).Bind(3, static_cast<std::int64_t>(kind));
    // An item's values are gathered first, so that its list is made once, at its size.
    std::vector<std::pair<CEPROPID, PropValue>> gathered;
    auto close = [&] {
        if (items.empty()) return;
        auto& props = items.back().props;
        props.reserve(gathered.size() + spare);
        std::move(gathered.begin(), gathered.end(), std::back_inserter(props));
        gathered.clear();
    };
    while (rows.Step()) {
        const auto oid = static_cast<CEOID>(rows.Int(0));
        if (items.empty() || items.back().oid != oid) {
            close();
            items.push_back({oid, {}, {}, {}});
        }
        PropValue value = PropFromColumn(rows, 2);
        if (!std::holds_alternative<std::monostate>(value))
            gathered.emplace_back(static_cast<CEPROPID>(rows.Int(1)), std::move(value));
    }
    close();
    rows.Reset();
    if (items.empty()) return items;
    auto walk = [&](Statement& q, auto&& row) {
        q.Bind(1, first).Bind(2, end);
        std::size_t at = 0;
        while (q.Step()) {
            const auto oid = static_cast<CEOID>(q.Int(0));
            while (at < items.size() && items[at].oid < oid) ++at;
            if (at < items.size() && items[at].oid == oid) row(items[at], q);
        }
        q.Reset();
    };
    if (HasRows("item_categories")) {
        const std::unordered_map<std::int64_t, std::u16string> names = CategoryNames();
        walk(Query("SELECT oid, category FROM item_categories WHERE oid >= ?1 AND oid < ?2 ORDER BY oid, position"),
             [&](FlatItem& item, const Statement& q) {
                 if (const auto it = names.find(q.Int(1)); it != names.end()) item.categories.push_back(it->second);
             });
    }
    if (HasRows("recurrences"))
        walk(Query("SELECT oid, type, interval, day_of_week_mask, day_of_month, instance, month_of_year, pattern_start,"
                   " pattern_end, occurrences, no_end FROM recurrences WHERE oid >= ?1 AND oid < ?2 ORDER BY oid"),
             [](FlatItem& item, const Statement& q) { item.recurrence = PatternFromRow(q, 1); });
    return items;
}

std::size_t Store::Count(ItemKind kind) {
    const std::lock_guard guard(lock_);
    Statement& q = Query("SELECT count(*) FROM items WHERE kind = ?1");
    q.Bind(1, static_cast<std::int64_t>(kind));
    const std::size_t count = q.Step() ? static_cast<std::size_t>(q.Int(0)) : 0;
    q.Reset();
    return count;
}

void Store::ReadDetails(ItemData& item) {
    const std::int64_t oid = ToInt(item.oid);
    Statement& props = Query("SELECT propid, value FROM props WHERE oid = ?1");
    props.Bind(1, oid);
    while (props.Step()) {
        PropValue value = PropFromColumn(props, 1);
        if (!std::holds_alternative<std::monostate>(value))
            item.props[static_cast<CEPROPID>(props.Int(0))] = std::move(value);
    }
    props.Reset();
    Statement& cats = Query(
        "SELECT c.name FROM item_categories ic JOIN categories c ON c.id = ic.category WHERE ic.oid = ?1"
        " ORDER BY ic.position");
    cats.Bind(1, oid);
    while (cats.Step()) item.categories.push_back(cats.Text(0));
    cats.Reset();
    Statement& rec = Query(
        "SELECT type, interval, day_of_week_mask, day_of_month, instance, month_of_year, pattern_start,"
        " pattern_end, occurrences, no_end FROM recurrences WHERE oid = ?1");
    rec.Bind(1, oid);
    if (rec.Step()) {
        item.recurrence = PatternFromRow(rec, 0);
    }
    rec.Reset();
    if (item.recurrence.Set()) {
        Statement& ex = Query(
            "SELECT original_day, deleted, start, duration, subject, location, body FROM exceptions WHERE oid = ?1"
            " ORDER BY original_day");
        ex.Bind(1, oid);
        while (ex.Step()) item.exceptions.push_back(ExceptionFromRow(ex, 0));
        ex.Reset();
    }
    Statement& rcpt = Query("SELECT name, address FROM recipients WHERE oid = ?1 ORDER BY position");
    rcpt.Bind(1, oid);
    while (rcpt.Step()) item.recipients.push_back({rcpt.Text(0), rcpt.Text(1)});
    rcpt.Reset();
}

std::vector<CEOID> Store::Oids(ItemKind kind) {
    const std::lock_guard guard(lock_);
    Statement& q = Query("SELECT oid FROM items WHERE kind = ?1 ORDER BY oid");
    q.Bind(1, static_cast<std::int64_t>(kind));
    return OidColumn(q);
}

std::int64_t Store::DataVersion() {
    Statement& version = Query("PRAGMA data_version");
    const std::int64_t dataVersion = version.Step() ? version.Int(0) : -2;
    version.Reset();
    return dataVersion;
}

// Called inside the read that uses them, so that they are what that read sees. A process that asks
// for one range only (devicectl) is not made to read every series: they are kept from the second.
const std::vector<ItemData>* Store::KeptSeries(ItemKind kind) {
    const std::int64_t dataVersion = DataVersion();
    SeriesKept& kept = series_[static_cast<int>(kind)];
    if (dataVersion >= 0 && kept.dataVersion == dataVersion && kept.changeCount == changeCount_.load()) {
        for (const CEOID oid : std::exchange(kept.stale, {})) {
            const auto at = std::lower_bound(kept.items.begin(), kept.items.end(), oid,
                                             [](const ItemData& item, CEOID wanted) { return item.oid < wanted; });
            const bool held = at != kept.items.end() && at->oid == oid;
            std::optional<ItemData> now = Load(oid);
            const bool series = now && now->kind == kind && now->recurrence.Set();
            if (held && series) *at = std::move(*now);
            else if (held) kept.items.erase(at);
            else if (series) kept.items.insert(at, std::move(*now));
        }
        return &kept.items;
    }
    kept.stale.clear();
    if (!std::exchange(kept.asked, true)) return nullptr;
    kept.items = LoadWhere("i.kind = ?1 AND i.recurring = 1",
                           [kind](Statement& q) { q.Bind(1, static_cast<std::int64_t>(kind)); });
    kept.dataVersion = dataVersion;
    kept.changeCount = changeCount_.load();
    return &kept.items;
}

bool Store::Dated::operator<(const Dated& other) const {
    return std::tie(dated, start, oid) < std::tie(other.dated, other.start, other.oid);
}

std::vector<CEOID> Store::OidsInFolderOrder(ItemKind kind) {
    const std::lock_guard guard(lock_);
    // Sorting a full folder costs more than asking whether anything changed since the last time.
    const std::int64_t dataVersion = DataVersion();
    FolderOrder& kept = folderOrders_[static_cast<int>(kind)];
    if (dataVersion >= 0 && kept.dataVersion == dataVersion && kept.changeCount == changeCount_.load()) {
        if (kept.stale.empty()) return kept.oids;
        const ReadScope read(*this);
        for (const CEOID oid : std::exchange(kept.stale, {})) {
            const auto held = std::find_if(kept.rows.begin(), kept.rows.end(),
                                           [oid](const Dated& row) { return row.oid == oid; });
            if (held != kept.rows.end()) kept.rows.erase(held);
            Statement& q = Query("SELECT start FROM items WHERE oid = ?1 AND kind = ?2");
            q.Bind(1, ToInt(oid)).Bind(2, static_cast<std::int64_t>(kind));
            if (q.Step()) {
                const bool dated = q.ColumnType(0) != SQLITE_NULL;
                const Dated row{dated, dated ? q.Real(0) : 0.0, oid};
                kept.rows.insert(std::upper_bound(kept.rows.begin(), kept.rows.end(), row), row);
            }
            q.Reset();
        }
        kept.oids.clear();
        for (const Dated& row : kept.rows) kept.oids.push_back(row.oid);
        return kept.oids;
    }
    kept.dataVersion = dataVersion;
    kept.changeCount = changeCount_.load();
    kept.stale.clear();
    kept.oids.clear();
    kept.rows.clear();
    if (kind == ItemKind::Contact) {
        Statement& q = Query("SELECT i.oid FROM items i LEFT JOIN props p ON p.oid = i.oid AND p.propid = ?2"
                             " WHERE i.kind = ?1 ORDER BY p.value COLLATE NOCASE, i.oid");
        q.Bind(1, static_cast<std::int64_t>(kind)).Bind(2, static_cast<std::int64_t>(PIMPR_FILEAS));
        kept.oids = OidColumn(q);
        return kept.oids;
    }
    // The index gives the single items and the series each by start and OID; merging the two runs
    // costs a fifth of SQLite sorting the whole folder.
    Statement& q = Query("SELECT oid, start, recurring FROM items WHERE kind = ?1 ORDER BY recurring, start, oid");
    q.Bind(1, static_cast<std::int64_t>(kind));
    std::vector<std::size_t> runs;  // where each value of `recurring` begins
    std::int64_t recurring = 0;
    while (q.Step()) {
        const bool dated = q.ColumnType(1) != SQLITE_NULL;
        if (kept.rows.empty() || q.Int(2) != recurring) runs.push_back(kept.rows.size());
        recurring = q.Int(2);
        kept.rows.push_back({dated, dated ? q.Real(1) : 0.0, static_cast<CEOID>(q.Int(0))});
    }
    q.Reset();
    for (std::size_t r = 1; r < runs.size(); ++r) {
        const auto end =
            r + 1 < runs.size() ? kept.rows.begin() + static_cast<std::ptrdiff_t>(runs[r + 1]) : kept.rows.end();
        std::inplace_merge(kept.rows.begin(), kept.rows.begin() + static_cast<std::ptrdiff_t>(runs[r]), end);
    }
    kept.oids.reserve(kept.rows.size());
    for (const Dated& row : kept.rows) kept.oids.push_back(row.oid);
    return kept.oids;
}

std::vector<CEOID> Store::OidsStartingIn(ItemKind kind, DATE from, DATE to) {
    const std::lock_guard guard(lock_);
    Statement& q = Query(
        "SELECT oid FROM items WHERE kind = ?1 AND recurring = 0 AND start >= ?2 AND start < ?3 ORDER BY start, oid");
    q.Bind(1, static_cast<std::int64_t>(kind)).Bind(2, from).Bind(3, to);
    return OidColumn(q);
}

std::vector<CEOID> Store::RecurringOids(ItemKind kind) {
    const std::lock_guard guard(lock_);
    Statement& q = Query("SELECT oid FROM items WHERE kind = ?1 AND recurring = 1 ORDER BY oid");
    q.Bind(1, static_cast<std::int64_t>(kind));
    return OidColumn(q);
}

std::vector<Category> Store::Categories() {
    const std::lock_guard guard(lock_);
    std::vector<Category> result;
    Statement& q = Query("SELECT id, name FROM categories ORDER BY id");
    while (q.Step()) result.push_back({static_cast<LONG>(q.Int(0)), q.Text(1)});
    q.Reset();
    return result;
}

std::vector<CategoryAssignment> Store::Assignments() {
    const std::lock_guard guard(lock_);
    std::vector<CategoryAssignment> result;
    Statement& q = Query("SELECT oid, category FROM item_categories ORDER BY oid, position");
    while (q.Step()) result.push_back({static_cast<CEOID>(q.Int(0)), static_cast<LONG>(q.Int(1))});
    q.Reset();
    return result;
}

}  // namespace platform::pim
