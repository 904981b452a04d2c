// Temporary files that replace their targets whole, and the cleanup of crashed writers' leftovers.
#include "kernel/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>

#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr std::string_view kTemporaryMark = "|qvtmp|";
// Room left in a 255-byte host name for the mark and the process id and sequence number.
constexpr std::size_t kTargetNameBytes = 200;
constexpr mode_t kUsualMode = 0666;

// The temporary files this process has open, so that its own live ones are never taken for
// leftovers.
struct LiveTemporaries {
    std::mutex lock;
    std::set<std::string> paths;
};

LiveTemporaries& Live() {
    static LiveTemporaries live;
    return live;
}

std::atomic<unsigned> nextSequence{0};

// The target's name as kept in its temporary files' names, cut on a character boundary.
std::string TargetPart(std::string_view targetName) {
    std::size_t length = std::min(targetName.size(), kTargetNameBytes);
    while (length > 0 && length < targetName.size() &&
           (static_cast<unsigned char>(targetName[length]) & 0xC0) == 0x80)
        --length;
    return std::string(targetName.substr(0, length));
}

bool WriterIsGone(long pid) {
    if (pid <= 0) return true;
    if (pid == ::getpid()) return false;  // decided by the live list
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool IsLiveHere(const std::filesystem::path& path) {
    LiveTemporaries& live = Live();
    const std::lock_guard guard(live.lock);
    return live.paths.count(path.string()) > 0;
}

}  // namespace

bool IsTemporaryName(std::string_view hostName) { return hostName.find(kTemporaryMark) != std::string_view::npos; }

void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view targetName) {
    const std::u16string wantedTarget = FromUtf8(TargetPart(targetName));
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const std::size_t mark = name.find(kTemporaryMark);
        if (mark == std::string::npos) continue;
        if (!targetName.empty() && !EqualNoCase(FromUtf8(name.substr(0, mark)), wantedTarget)) continue;
        const long pid = std::strtol(name.c_str() + mark + kTemporaryMark.size(), nullptr, 10);
        const bool stale = pid == ::getpid() ? !IsLiveHere(entry.path()) : WriterIsGone(pid);
        if (stale) ::unlink(entry.path().c_str());
    }
}

bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
    // File systems without the flag: a hard link fails on an existing name just the same.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP) return false;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

ReplacementFile::ReplacementFile(std::filesystem::path target, std::filesystem::path temporary, UniqueFd fd)
    : target_(std::move(target)), temporary_(std::move(temporary)), fd_(std::move(fd)) {}

std::unique_ptr<ReplacementFile> ReplacementFile::Create(const std::filesystem::path& target, unsigned mode) {
    const std::filesystem::path folder = target.parent_path();
    const std::string targetName = target.filename().string();
    RemoveStaleTemporaries(folder, targetName);
    const std::string prefix = TargetPart(targetName) + std::string(kTemporaryMark) + std::to_string(::getpid()) + ".";
    const mode_t permissions = mode != 0 ? static_cast<mode_t>(mode & 07777) : kUsualMode;
    for (;;) {
        const std::filesystem::path temporary = folder / (prefix + std::to_string(nextSequence++));
        UniqueFd fd(::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, permissions));
        if (!fd.Valid()) {
            if (errno == EEXIST) continue;
            FailFromErrno();
            return nullptr;
        }
        // An existing target's permissions carry over exactly, not filtered by the umask.
        if (mode != 0) ::fchmod(fd.Get(), permissions);
        {
            LiveTemporaries& live = Live();
            const std::lock_guard guard(live.lock);
            live.paths.insert(temporary.string());
        }
        return std::unique_ptr<ReplacementFile>(new ReplacementFile(target, temporary, std::move(fd)));
    }
}

ReplacementFile::~ReplacementFile() { Discard(); }

void ReplacementFile::Discard() {
    if (done_) return;
    done_ = true;
    fd_.Reset();
    ::unlink(temporary_.c_str());
    LiveTemporaries& live = Live();
    const std::lock_guard guard(live.lock);
    live.paths.erase(temporary_.string());
}

bool ReplacementFile::Commit(bool readOnly, ReplaceMode mode) {
    if (done_) return Fail(ERROR_INVALID_HANDLE);
    bool ok = ::fsync(fd_.Get()) == 0;
    if (ok && readOnly) {
        struct stat st {};
        ok = ::fstat(fd_.Get(), &st) == 0 && ::fchmod(fd_.Get(), st.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    }
    ok = fd_.Reset() && ok;
    if (ok) {
        ok = mode == ReplaceMode::Overwrite ? ::rename(temporary_.c_str(), target_.c_str()) == 0
                                            : RenameNoReplace(temporary_, target_);
    }
    if (!ok) {
        const int error = errno;
        Discard();
        SetLastError(error == EEXIST ? ERROR_FILE_EXISTS : ErrorFromErrno(error));
        return false;
    }
    done_ = true;
    {
        LiveTemporaries& live = Live();
        const std::lock_guard guard(live.lock);
        live.paths.erase(temporary_.string());
    }
    SyncFolder(target_.parent_path());
    return true;
}

}  // namespace platform
