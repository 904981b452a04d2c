// A database file that several processes open at once (pim.vol, registry.db): which of them comes
// first, whether the last writer before it ended without closing, and keeping a damaged file aside.
//
// Every process that uses the file holds a shared lock on run/<name>.users for as long as it keeps
// the file open. A process that can take that lock exclusively is the only user: it alone may run
// the full check after an unclean end, and move a damaged file away, since no other process has
// the file (or its write-ahead log) open.
#pragma once

#include <filesystem>

#include "kernel/file_common.h"

namespace platform {

class DatabaseUsers {
public:
    DatabaseUsers() = default;
    // Joins the users of the database; alone() tells whether no other process had it open.
    static DatabaseUsers Join(const std::filesystem::path& database);

    bool Alone() const { return alone_; }
    // Lets other processes in once the opening is done.
    void Share();
    // Takes the lock alone again when no other process holds it now (false otherwise); for a user
    // about to close, as a failed try may have let the shared lock go.
    bool TryAlone();

private:
    UniqueFd fd_;
    bool alone_ = false;
};

// True when a log or journal of changes is left beside the database: its last writer did not close.
bool EndedUncleanly(const std::filesystem::path& database);

// Renames a damaged database, with its log or journal, to <name>.damaged-<time> beside it; the
// shared-memory index is removed. The new name, or empty when the rename failed.
std::filesystem::path KeepDamagedAside(const std::filesystem::path& database);

// SQLite found the database damaged while it was in use by others too: run/<name>.damaged tells the
// next sole user to set it aside, as after a failed check. KeepDamagedAside removes the mark.
void MarkDamaged(const std::filesystem::path& database);
bool MarkedDamaged(const std::filesystem::path& database);

// Where a damaged database was kept, noted for the next process that opens it
// (run/<name>.aside); TakeAsideNote reads and removes the note (empty when there is none).
void NoteKeptAside(const std::filesystem::path& database, const std::filesystem::path& aside);
std::filesystem::path TakeAsideNote(const std::filesystem::path& database);

}  // namespace platform
