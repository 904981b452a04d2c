// Calls on device files and folders by name: delete, move, copy, folders and attributes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/atomic_file.h"
#include "kernel/device_path.h"
#include "kernel/file_common.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

using platform::Fail;
using platform::FailFromErrno;
using platform::FileFacts;

namespace {

constexpr std::size_t kCopyChunk = 64 * 1024;
constexpr mode_t kFolderMode = 0777;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Stats an entry that must exist; false with ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND.
bool StatExisting(const std::filesystem::path& host, FileFacts& facts) {
    if (platform::StatPath(host, facts)) return true;
    return errno == ENOENT || errno == ENOTDIR ? Fail(platform::MissingEntryError(host)) : FailFromErrno();
}

bool SameEntry(const FileFacts& a, const FileFacts& b) { return a.device == b.device && a.fileId == b.fileId; }

bool CopyBytes(int from, int to) {
    std::string buffer(kCopyChunk, '\0');
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(to, buffer.data() + written, static_cast<std::size_t>(n - written));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                if (w == 0) errno = ENOSPC;
                return false;
            }
            written += w;
        }
    }
}

// The move of an existing entry onto a name that only differs from it in letter case.
BOOL RenameLetterCase(const std::filesystem::path& source, const std::filesystem::path& target, LPCWSTR to) {
    const std::filesystem::path spelled = target.parent_path() / platform::ToUtf8(platform::LastComponent(to));
    if (spelled == source) return TRUE;
    if (::rename(source.c_str(), spelled.c_str()) != 0) return FailFromErrno();
    platform::SyncFolder(spelled.parent_path());
    return TRUE;
}

}  // namespace

BOOL DeleteFileW(LPCWSTR path) {
    std::filesystem::path host;
    FileFacts facts;
    if (!platform::ResolveArgument(path, host) || !StatExisting(host, facts)) return FALSE;
    // A read-only file stays, although the host would let its folder's owner unlink it.
    if (facts.isDirectory || facts.readOnly) return Fail(ERROR_ACCESS_DENIED);
    if (::unlink(host.c_str()) != 0) return FailFromErrno();
    platform::SyncFolder(host.parent_path());
    return TRUE;
}

BOOL MoveFileW(LPCWSTR from, LPCWSTR to) {
    std::filesystem::path source;
    std::filesystem::path target;
    FileFacts sourceFacts;
    if (!platform::ResolveArgument(from, source) || !platform::ResolveArgument(to, target)) return FALSE;
    if (!StatExisting(source, sourceFacts)) return FALSE;
    if (platform::IsDeviceTop(source) || platform::IsDeviceTop(target)) return Fail(ERROR_ACCESS_DENIED);
    FileFacts targetFacts;
    if (platform::StatPath(target, targetFacts)) {
        if (SameEntry(sourceFacts, targetFacts)) return RenameLetterCase(source, target, to);
        return Fail(ERROR_ALREADY_EXISTS);
    }
    if (!platform::IsDirectory(target.parent_path())) return Fail(ERROR_PATH_NOT_FOUND);
    if (!platform::RenameNoReplace(source, target)) return Fail(errno == EEXIST ? ERROR_ALREADY_EXISTS : platform::ErrorFromErrno(errno));
    platform::SyncFolder(source.parent_path());
    if (target.parent_path() != source.parent_path()) platform::SyncFolder(target.parent_path());
    return TRUE;
}

BOOL CopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists) {
    std::filesystem::path source;
    std::filesystem::path target;
    FileFacts sourceFacts;
    if (!platform::ResolveArgument(from, source) || !platform::ResolveArgument(to, target)) return FALSE;
    if (!StatExisting(source, sourceFacts)) return FALSE;
    if (sourceFacts.isDirectory) return Fail(ERROR_ACCESS_DENIED);
    FileFacts targetFacts;
    if (platform::StatPath(target, targetFacts)) {
        if (failIfExists) return Fail(ERROR_FILE_EXISTS);
        if (targetFacts.isDirectory || targetFacts.readOnly) return Fail(ERROR_ACCESS_DENIED);
    } else if (!platform::IsDirectory(target.parent_path())) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    const platform::UniqueFd input(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!input.Valid()) return FailFromErrno();
    // The copy is itself a replacement: the target holds the old file or the whole copy.
    auto copy = platform::ReplacementFile::Create(target, sourceFacts.mode & 07777);
    if (!copy) return FALSE;
    if (!CopyBytes(input.Get(), copy->Fd())) return FailFromErrno();
    struct stat st {};
    if (::fstat(input.Get(), &st) == 0) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(copy->Fd(), times);
    }
    const auto mode = failIfExists ? platform::ReplaceMode::KeepExisting : platform::ReplaceMode::Overwrite;
    return copy->Commit(false, mode) ? TRUE : FALSE;
}

BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES /*security*/) {
    std::filesystem::path host;
    if (!platform::ResolveArgument(path, host)) return FALSE;
    FileFacts facts;
    if (platform::StatPath(host, facts)) return Fail(ERROR_ALREADY_EXISTS);
    if (!platform::IsDirectory(host.parent_path())) return Fail(ERROR_PATH_NOT_FOUND);
    if (::mkdir(host.c_str(), kFolderMode) != 0) return FailFromErrno();
    platform::SyncFolder(host.parent_path());
    return TRUE;
}

BOOL RemoveDirectoryW(LPCWSTR path) {
    std::filesystem::path host;
    FileFacts facts;
    if (!platform::ResolveArgument(path, host) || !StatExisting(host, facts)) return FALSE;
    if (platform::IsDeviceTop(host)) return Fail(ERROR_ACCESS_DENIED);
    if (!facts.isDirectory) return Fail(ERROR_DIRECTORY);
    // Leftovers of crashed writers are not the user's files and do not keep a folder alive.
    platform::RemoveStaleTemporaries(host, {});
    if (::rmdir(host.c_str()) != 0) return Fail(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : platform::ErrorFromErrno(errno));
    platform::SyncFolder(host.parent_path());
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR path) {
    std::filesystem::path host;
    FileFacts facts;
    if (!platform::ResolveArgument(path, host) || !StatExisting(host, facts)) return INVALID_FILE_ATTRIBUTES;
    return platform::AttributesOf(facts, host.filename().string());
}

BOOL SetFileAttributesW(LPCWSTR path, DWORD attributes) {
    std::filesystem::path host;
    FileFacts facts;
    if (!platform::ResolveArgument(path, host) || !StatExisting(host, facts)) return FALSE;
    // Read-only lives in the permission bits; the other attributes have no place on the host.
    if (facts.isDirectory) return TRUE;
    const mode_t mode = facts.mode & 07777;
    const mode_t wanted = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~kWriteBits) : (mode | S_IWUSR);
    if (wanted != mode && ::chmod(host.c_str(), wanted) != 0) return FailFromErrno();
    return TRUE;
}
