// Prepared SQLite statements with bound parameters, and the transaction guard of the PIM store.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::pim {

// Only SQLite's own verdict makes a store damaged; a store another writer holds (busy, locked) is
// not, and neither is one this process cannot open.
inline bool IsDamageCode(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

class Statement {
public:
    // `onDamage` is called when SQLite reports the database damaged (SQLITE_CORRUPT, SQLITE_NOTADB)
    // while preparing or stepping. A null connection gives a statement that yields nothing.
    Statement(sqlite3* db, const char* sql, std::function<void()> onDamage = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return stmt_ != nullptr; }
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, double value);
    Statement& Bind(int index, const std::u16string& text);
    Statement& Bind(int index, const std::vector<BYTE>& bytes);
    Statement& BindNull(int index);
    // One row: true while a row is there; Done() tells an error from the end.
    bool Step();
    bool Done() const { return lastResult_ == SQLITE_DONE; }
    // Runs a statement that gives no rows; true on success.
    bool Run();
    void Reset();

    int ColumnType(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::u16string Text(int column) const;
    std::vector<BYTE> Blob(int column) const;

private:
    void Check(int rc) const;

    sqlite3_stmt* stmt_ = nullptr;
    std::function<void()> onDamage_;
    int lastResult_ = SQLITE_OK;
};

}  // namespace platform::pim
