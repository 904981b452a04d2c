// Prepared SQLite statements of the PIM store.
#include "pim/sqlite_statement.h"

#include <algorithm>
#include <utility>

namespace platform::pim {

Statement::Statement(sqlite3* db, const char* sql, std::function<void()> onDamage) : onDamage_(std::move(onDamage)) {
    if (!db) return;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        Check(rc);
    }
}

void Statement::Check(int rc) const {
    if (onDamage_ && IsDamageCode(rc)) onDamage_();
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, std::int64_t value) {
    if (stmt_) sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (stmt_) sqlite3_bind_double(stmt_, index, value);
    return *this;
}

Statement& Statement::Bind(int index, const std::u16string& text) {
    if (stmt_)
        sqlite3_bind_text16(stmt_, index, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                            SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::Bind(int index, const std::vector<BYTE>& bytes) {
    if (stmt_) sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (stmt_) sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::Step() {
    if (!stmt_) {
        lastResult_ = SQLITE_MISUSE;
        return false;
    }
    lastResult_ = sqlite3_step(stmt_);
    Check(lastResult_);
    return lastResult_ == SQLITE_ROW;
}

bool Statement::Run() {
    Step();
    const bool ok = lastResult_ == SQLITE_DONE || lastResult_ == SQLITE_ROW;
    Reset();
    return ok;
}

void Statement::Reset() {
    if (!stmt_) return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnType(int column) const { return stmt_ ? sqlite3_column_type(stmt_, column) : SQLITE_NULL; }

std::int64_t Statement::Int(int column) const { return stmt_ ? sqlite3_column_int64(stmt_, column) : 0; }

double Statement::Real(int column) const { return stmt_ ? sqlite3_column_double(stmt_, column) : 0.0; }

std::u16string Statement::Text(int column) const {
    if (!stmt_) return {};
    // Texts are kept as UTF-8: an ASCII one is widened here, without SQLite's conversion copy.
    if (sqlite3_column_type(stmt_, column) == SQLITE_TEXT) {
        const auto* bytes = sqlite3_column_text(stmt_, column);
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
        if (bytes && std::all_of(bytes, bytes + size, [](unsigned char c) { return c < 0x80; }))
            return std::u16string(bytes, bytes + size);
    }
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt_, column));
    if (!text) return {};
    return std::u16string(text, static_cast<std::size_t>(sqlite3_column_bytes16(stmt_, column)) / sizeof(char16_t));
}

std::vector<BYTE> Statement::Blob(int column) const {
    if (!stmt_) return {};
    const auto* data = static_cast<const BYTE*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    if (!data || size <= 0) return {};
    return std::vector<BYTE>(data, data + size);
}

}  // namespace platform::pim
