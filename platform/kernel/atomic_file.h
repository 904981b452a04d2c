// Whole-or-nothing file writes: new contents go to a temporary file beside the target, which
// replaces the target in one rename when the writer commits.
//
// States of one replacement:
//   open      the temporary file exists and takes the writes; readers of the target see the old file.
//   committed the temporary file was flushed to disk, renamed over the target, and the folder synced.
//   discarded the temporary file was removed; the target was never touched.
// Invariants:
//   1. The target holds either its old bytes or all the new ones, never a part of them.
//   2. A temporary file's name holds the target's name, the mark "|qvtmp|" (a character no device
//      name may hold) and the writer's process id, so finding never reports one and a later
//      writer of the same target can tell a crashed writer's leftovers from live ones.
//   3. A leftover is removed only when its writer is gone: another process that no longer runs,
//      or this process when no open replacement of this process uses that file.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "kernel/file_common.h"

namespace platform {

enum class ReplaceMode { Overwrite, KeepExisting };

class ReplacementFile {
public:
    // Opens a temporary file beside target for reading and writing, after removing the
    // leftovers of crashed writers of that target. Null with the last error set on failure.
    // mode: the permission bits of the new file (0 for the usual ones).
    static std::unique_ptr<ReplacementFile> Create(const std::filesystem::path& target, unsigned mode);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    int Fd() const { return fd_.Get(); }
    const std::filesystem::path& Target() const { return target_; }
    // Flushes, closes and renames over the target; KeepExisting fails with ERROR_FILE_EXISTS when
    // the target appeared meanwhile. On failure the temporary file is removed and the last error set.
    bool Commit(bool readOnly, ReplaceMode mode);
    // Removes the temporary file; the target stays as it was.
    void Discard();

private:
    ReplacementFile(std::filesystem::path target, std::filesystem::path temporary, UniqueFd fd);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    UniqueFd fd_;
    bool done_ = false;
};

// True for the host name of a temporary file of any target.
bool IsTemporaryName(std::string_view hostName);
// Removes the leftovers of crashed writers in folder: of one target name, or of all when empty.
void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view targetName);
// rename() that fails with EEXIST instead of replacing an existing entry.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace platform
