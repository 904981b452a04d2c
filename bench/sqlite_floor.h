// The floor a PIM benchmark is measured against: the same rows read from pim.vol by one plain SQLite
// statement on a connection of its own, the best of a few runs, in milliseconds.
#pragma once

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>

#include "platform/device.h"

namespace bench {

// Rows of the items of kind 1 (appointments), 2 (contacts) or 3 (tasks), with their properties.
inline constexpr const char* kKindRowsSql =
    "SELECT i.oid, p.propid, p.value FROM items i JOIN props p ON p.oid = i.oid WHERE i.kind = ?1";
// The rows of a date range: the single items starting in [?2, ?3) and every series.
inline constexpr const char* kRangeRowsSql =
    "SELECT i.oid, p.propid, p.value FROM items i JOIN props p ON p.oid = i.oid WHERE i.kind = ?1 AND"
    " ((i.recurring = 0 AND i.start >= ?2 AND i.start < ?3) OR i.recurring = 1)";

// Every item's category pairs with the category's name (the kind is not asked).
inline constexpr const char* kCategoryRowsSql =
    "SELECT ic.oid, ic.category, c.name FROM item_categories ic JOIN categories c ON c.id = ic.category"
    " WHERE ?1 = ?1";

inline double SqliteFloorMs(const char* sql, int kind, std::initializer_list<double> dates = {}) {
    sqlite3* db = nullptr;
    const auto path = (platform::DeviceRoot() / "pim.vol").string();
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return 0;
    }
    sqlite3_stmt* stmt = nullptr;
    double best = 1e9;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        for (int run = 0; run < 5; ++run) {
            const auto start = std::chrono::steady_clock::now();
            sqlite3_bind_int(stmt, 1, kind);
            int index = 2;
            for (const double d : dates) sqlite3_bind_double(stmt, index++, d);
            long long sum = 0;
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                sum += sqlite3_column_int64(stmt, 0) + sqlite3_column_int64(stmt, 1) + sqlite3_column_bytes(stmt, 2);
            }
            sqlite3_reset(stmt);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            if (sum != 0) best = std::min(best, took.count());
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return best == 1e9 ? 0 : best;
}

}  // namespace bench
