// The registry's SQLite store: one connection per process to registry.db of the current device root,
// statements, transactions and the error codes that failures become.
//
// States of the connection:
//   closed  -> open      on the first call, or when the device root has changed since it was opened
//   open    -> closed    when the root changes, on ReopenRegistry (tests), or when opening fails
// Invariants:
//   1. Every registry call holds the process lock (a Session) from its first to its last statement,
//      so the calls of two threads never interleave inside one transaction.
//   2. A change is one BEGIN IMMEDIATE ... COMMIT; with WAL and synchronous=FULL it is on disk when
//      the call returns, and a failed change leaves nothing behind.
//   3. Key ids are never reused (AUTOINCREMENT), so a handle on a deleted key can never reach a newer
//      key that happens to get the same id.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace platform::registry {

using KeyId = std::int64_t;

// The ids of the predefined roots, inserted when the database is made.
inline constexpr KeyId kClassesRootId = 1;
inline constexpr KeyId kCurrentUserId = 2;
inline constexpr KeyId kLocalMachineId = 3;
inline constexpr KeyId kUsersId = 4;

// Longest key or value name in characters, without the terminator.
inline constexpr std::size_t kMaxNameChars = 255;

// A failure inside a registry call, carrying the code the call returns.
struct RegistryError {
    // The error codes are long literals; results are 32-bit.
    explicit RegistryError(long error, bool notOurs = false) : code(static_cast<LONG>(error)), foreign(notOurs) {}
    LONG code;
    // A sound file made by a newer version: reported as damaged, but never set aside.
    bool foreign;
};

// Whether a statement reads or changes the registry, which decides the code of a failure.
enum class Access { Read, Write };

class Statement {
public:
    Statement(sqlite3_stmt* stmt, Access access) : stmt_(stmt), access_(access) {}
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::u16string_view text);  // stored as UTF-8
    Statement& BindBlob(int index, const BYTE* data, std::size_t size);
    // True while a row is there; throws on an error.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();

    std::int64_t Int(int column) const;
    std::u16string Text(int column) const;
    std::vector<BYTE> Blob(int column) const;
    std::size_t BlobSize(int column) const;

private:
    sqlite3_stmt* stmt_;
    Access access_;
};

// The process lock and the open connection, for the length of one registry call.
class Session {
public:
    // Opens the database of the current device root when needed; throws RegistryError when it
    // cannot be opened (ERROR_BADDB for a damaged file that others still have open, ERROR_CANTOPEN
    // otherwise). A damaged file this process alone has open is kept aside and a new one begun.
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::filesystem::path& Path() const;
    // A cached statement, reset and ready to bind. One statement of a given text is in use at a time.
    Statement Prepare(const char* sql, Access access);
    void Exec(const char* sql, Access access);

private:
    std::unique_lock<std::mutex> lock_;
};

// A transaction that rolls back unless committed. Write transactions take the write lock at once
// (BEGIN IMMEDIATE) so that two processes never deadlock upgrading a read to a write.
class Transaction {
public:
    Transaction(Session& session, Access access);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Session& session_;
    Access access_;
    bool open_ = true;
};

// Counts one change about to be made; throws ERROR_CANTWRITE when the test API asked this one
// to fail.
void CountWrite();

// After SQLite found registry.db damaged during a call: closes the connection, and sets the file
// aside (saying so) when no other process has it open, else marks it for the next sole user. The
// next call begins a new registry, so the program goes on with its defaults.
void DropDamagedConnection();

// For the test API.
void CloseConnection();
void ArmWriteFault(unsigned successfulWrites);
void DisarmWriteFault();

// The code a failed SQLite call becomes.
LONG ErrorFromSqlite(int rc, Access access);

}  // namespace platform::registry
