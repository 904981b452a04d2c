// Prepared SQLite statements with bound parameters, and the transaction guard of the PIM store.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::pim {

class Statement {
public:
    Statement(sqlite3* db, const char* sql);
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
    sqlite3_stmt* stmt_ = nullptr;
    int lastResult_ = SQLITE_OK;
};

}  // namespace platform::pim
