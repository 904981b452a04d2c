// The registry's SQLite connection: opening registry.db of the device root, its tables, cached
// statements, transactions and the write fault that tests arm.
#include "registry/registry_db.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <new>

#include "kernel/shared_database.h"
#include "platform/device.h"
#include "platform/text.h"

namespace platform::registry {
namespace {

constexpr int kBusyTimeoutMs = 10000;
constexpr std::int64_t kSchemaVersion = 1;
constexpr const char* kDatabaseFile = "registry.db";

// Keys form a tree below the four roots; names are kept as written and looked up folded.
// Values keep the order in which they were first written (their id).
constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  parent INTEGER,"
    "  name TEXT NOT NULL,"
    "  folded TEXT NOT NULL,"
    "  UNIQUE(parent, folded));"
    "CREATE TABLE IF NOT EXISTS vals("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  key INTEGER NOT NULL,"
    "  name TEXT NOT NULL,"
    "  folded TEXT NOT NULL,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  UNIQUE(key, folded));"
    "INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES"
    "  (1, NULL, 'HKEY_CLASSES_ROOT', 'hkey_classes_root'),"
    "  (2, NULL, 'HKEY_CURRENT_USER', 'hkey_current_user'),"
    "  (3, NULL, 'HKEY_LOCAL_MACHINE', 'hkey_local_machine'),"
    "  (4, NULL, 'HKEY_USERS', 'hkey_users');";

struct WriteFault {
    bool armed = false;
    unsigned remaining = 0;
    std::filesystem::path database;
};

struct Connection {
    sqlite3* db = nullptr;
    std::filesystem::path path;
    pid_t pid = 0;
    std::map<std::string, sqlite3_stmt*, std::less<>> statements;
    DatabaseUsers users;  // held while the connection is open
};

struct RegistryState {
    std::mutex lock;
    Connection connection;
    WriteFault fault;
    // Connections inherited over fork(): never used or closed by the child, which would disturb
    // the parent's locks; kept reachable so that they are not reported as leaks.
    std::vector<sqlite3*> inherited;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

std::filesystem::path CurrentDatabasePath() { return std::filesystem::path(DeviceRoot()) / kDatabaseFile; }

void Close(Connection& c) {
    for (auto& [sql, stmt] : c.statements) sqlite3_finalize(stmt);
    c.statements.clear();
    if (c.db) sqlite3_close(c.db);
    c.db = nullptr;
    c.path.clear();
    c.users = DatabaseUsers();
}

// Every page is read only at the first open after a writer ended without closing; SQLite's own
// verdict alone makes the file damaged, a busy answer never does.
void CheckPages(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            rc = verdict && std::string_view(verdict) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
        }
    }
    sqlite3_finalize(stmt);
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB) throw RegistryError{ERROR_BADDB};
}

void ExecOrThrow(sqlite3* db, const char* sql, Access access) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throw RegistryError{ErrorFromSqlite(rc, access)};
}

std::int64_t ReadSchemaVersion(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr);
    std::int64_t version = 0;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            version = sqlite3_column_int64(stmt, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_OK) throw RegistryError{ErrorFromSqlite(rc, Access::Read)};
    return version;
}

void SetUpDatabase(sqlite3* db) {
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Reading the header happens here first: a file that is not a database fails now.
    ExecOrThrow(db, "PRAGMA journal_mode=WAL", Access::Read);
    // FULL in WAL mode: a change that was reported done survives a power loss too.
    ExecOrThrow(db, "PRAGMA synchronous=FULL", Access::Read);
    std::int64_t version = ReadSchemaVersion(db);
    if (version == kSchemaVersion) return;
    if (version > kSchemaVersion) throw RegistryError{ERROR_BADDB, true};
    ExecOrThrow(db, "BEGIN IMMEDIATE", Access::Write);
    try {
        // Another process may have made the tables while this one waited for the lock.
        version = ReadSchemaVersion(db);
        if (version == 0) {
            ExecOrThrow(db, kSchema, Access::Write);
            ExecOrThrow(db, "PRAGMA user_version=1", Access::Write);
        }
        ExecOrThrow(db, "COMMIT", Access::Write);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    static_assert(kSchemaVersion == 1, "the version written above");
}

// A connection left open at the end leaves its log behind, and the next start then recovers the
// log and checks every page. A connection inherited over fork() is the parent's; one in use by
// another thread at the end is left alone.
void CloseAtExit() {
    RegistryState& state = State();
    std::unique_lock guard(state.lock, std::try_to_lock);
    if (!guard.owns_lock() || !state.connection.db || state.connection.pid != getpid()) return;
    Close(state.connection);
}

// A damaged registry is kept aside for repair and a new one begun, so that the program goes on
// with its default settings instead of failing every read as "no key".
bool SetDamagedAside(const std::filesystem::path& path) {
    const std::filesystem::path aside = KeepDamagedAside(path);
    if (aside.empty()) {
        std::fprintf(stderr, "quorvia: the settings could not be read: %s is damaged and could not be moved aside\n",
                     path.c_str());
        return false;
    }
    std::fprintf(stderr,
                 "quorvia: the settings could not be read: %s is damaged; it was kept as %s and the defaults are "
                 "used\n",
                 path.c_str(), aside.c_str());
    return true;
}

void Open(Connection& c, const std::filesystem::path& path) {
    static const bool closesAtExit = std::atexit(CloseAtExit) == 0;
    (void)closesAtExit;
    DatabaseUsers users = DatabaseUsers::Join(path);
    // Found damaged while others had it open: the first sole user sets it aside.
    if (users.Alone() && MarkedDamaged(path)) SetDamagedAside(path);
    const bool unclean = users.Alone() && EndedUncleanly(path);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw RegistryError{rc == SQLITE_NOMEM ? ERROR_NOT_ENOUGH_MEMORY : ERROR_CANTOPEN};
    }
    try {
        SetUpDatabase(db);
        if (unclean) CheckPages(db);
    } catch (const RegistryError& e) {
        sqlite3_close(db);
        if (e.code != ERROR_BADDB || e.foreign)
            throw RegistryError{e.code == ERROR_CANTREAD ? ERROR_CANTOPEN : e.code, e.foreign};
        // Only a sole user may move the file; with others in it, the next sole user does.
        if (!users.Alone()) {
            MarkDamaged(path);
            throw;
        }
        if (!SetDamagedAside(path)) throw;
        users = DatabaseUsers();
        Open(c, path);
        return;
    }
    users.Share();
    c.db = db;
    c.path = path;
    c.pid = getpid();
    c.users = std::move(users);
}

}  // namespace

LONG ErrorFromSqlite(int rc, Access access) {
    switch (rc & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return ERROR_BADDB;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_CANTOPEN:
        return ERROR_CANTOPEN;
    default:
        return access == Access::Read ? ERROR_CANTREAD : ERROR_CANTWRITE;
    }
}

// Statement ---------------------------------------------------------------------------------------

Statement::~Statement() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    const int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK) throw RegistryError{ErrorFromSqlite(rc, access_)};
    return *this;
}

Statement& Statement::Bind(int index, std::u16string_view text) {
    const std::string utf8 = ToUtf8(text);
    const int rc = sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) throw RegistryError{ErrorFromSqlite(rc, access_)};
    return *this;
}

Statement& Statement::BindBlob(int index, const BYTE* data, std::size_t size) {
    // A null pointer would bind NULL; an empty value is an empty blob.
    static constexpr BYTE kEmpty = 0;
    const int rc = sqlite3_bind_blob64(stmt_, index, size ? data : &kEmpty, size, SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) throw RegistryError{ErrorFromSqlite(rc, access_)};
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw RegistryError{ErrorFromSqlite(rc, access_)};
}

void Statement::Run() {
    while (Step()) {
    }
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::u16string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int bytes = sqlite3_column_bytes(stmt_, column);
    return text ? FromUtf8(std::string_view(text, static_cast<std::size_t>(bytes))) : std::u16string();
}

std::vector<BYTE> Statement::Blob(int column) const {
    const auto* data = static_cast<const BYTE*>(sqlite3_column_blob(stmt_, column));
    const int bytes = sqlite3_column_bytes(stmt_, column);
    return data ? std::vector<BYTE>(data, data + bytes) : std::vector<BYTE>();
}

std::size_t Statement::BlobSize(int column) const {
    return static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
}

// Session -----------------------------------------------------------------------------------------

Session::Session() : lock_(State().lock) {
    Connection& c = State().connection;
    const std::filesystem::path path = CurrentDatabasePath();
    if (c.db && c.pid != getpid()) {
        State().inherited.push_back(c.db);
        c.statements.clear();
        c.db = nullptr;
    }
    if (c.db && c.path != path) Close(c);
    if (!c.db) Open(c, path);
}

const std::filesystem::path& Session::Path() const { return State().connection.path; }

Statement Session::Prepare(const char* sql, Access access) {
    Connection& c = State().connection;
    if (const auto it = c.statements.find(std::string_view(sql)); it != c.statements.end())
        return Statement(it->second, access);
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(c.db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw RegistryError{ErrorFromSqlite(rc, access)};
    }
    c.statements.emplace(sql, stmt);
    return Statement(stmt, access);
}

void Session::Exec(const char* sql, Access access) { Prepare(sql, access).Run(); }

// Transaction -------------------------------------------------------------------------------------

Transaction::Transaction(Session& session, Access access) : session_(session), access_(access) {
    session_.Exec(access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN", access);
}

Transaction::~Transaction() {
    if (!open_) return;
    try {
        session_.Exec("ROLLBACK", access_);
    } catch (const RegistryError&) {
        // SQLite has already rolled back when the failure ended the transaction itself.
    }
}

void Transaction::Commit() {
    session_.Exec("COMMIT", access_);
    open_ = false;
}

// Write fault -------------------------------------------------------------------------------------

void CountWrite() {
    WriteFault& fault = State().fault;
    if (!fault.armed) return;
    // A fault belongs to the device it was armed on; a new test device starts without one.
    if (fault.database != State().connection.path) {
        fault.armed = false;
        return;
    }
    if (fault.remaining > 0) {
        --fault.remaining;
        return;
    }
    fault.armed = false;
    throw RegistryError{ERROR_CANTWRITE};
}

void ArmWriteFault(unsigned successfulWrites) {
    const std::filesystem::path path = CurrentDatabasePath();
    const std::lock_guard guard(State().lock);
    State().fault = WriteFault{true, successfulWrites, path};
}

void DisarmWriteFault() {
    const std::lock_guard guard(State().lock);
    State().fault = WriteFault{};
}

void DropDamagedConnection() {
    const std::lock_guard guard(State().lock);
    Connection& c = State().connection;
    if (!c.db) return;
    const std::filesystem::path path = c.path;
    DatabaseUsers users = std::move(c.users);
    Close(c);
    if (users.TryAlone()) SetDamagedAside(path);
    else MarkDamaged(path);
}

void CloseConnection() {
    const std::lock_guard guard(State().lock);
    Close(State().connection);
}

}  // namespace platform::registry
