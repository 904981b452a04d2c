// Opening device files by creation rule, and reading, writing and positioning an open file.
#include "kernel/file_object.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "kernel/device_path.h"
#include "platform/system.h"

namespace platform {
namespace {

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;
constexpr mode_t kUsualMode = 0666;
constexpr mode_t kReadOnlyMode = 0444;

bool ReplacesContents(DWORD creation, bool exists, WritePosition writes) {
    if (writes == WritePosition::AlwaysAtEnd) return false;
    switch (creation) {
    case CREATE_NEW:
    case CREATE_ALWAYS:
    case TRUNCATE_EXISTING: return true;
    case OPEN_ALWAYS: return !exists;
    default: return false;
    }
}

int OpenFlags(DWORD access, WritePosition writes) {
    int flags = O_CLOEXEC;
    if ((access & kReadWrite) == kReadWrite)
        flags |= O_RDWR;
    else if (access & GENERIC_WRITE)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (writes == WritePosition::AlwaysAtEnd) flags |= O_APPEND | O_CREAT;
    return flags;
}

// The checks of the creation rule against what is on disk; false with the last error set.
bool CreationAllowed(const FileOpenRequest& r, bool exists, const FileFacts& facts, const std::filesystem::path& host) {
    if (r.creation < CREATE_NEW || r.creation > TRUNCATE_EXISTING) return Fail(ERROR_INVALID_PARAMETER);
    if (r.creation == TRUNCATE_EXISTING && !(r.access & GENERIC_WRITE)) return Fail(ERROR_INVALID_PARAMETER);
    if (exists && facts.isDirectory) return Fail(ERROR_ACCESS_DENIED);
    if (!exists && !IsDirectory(host.parent_path())) return Fail(ERROR_PATH_NOT_FOUND);
    if (exists && r.creation == CREATE_NEW) return Fail(ERROR_FILE_EXISTS);
    const bool wantsMissing = r.creation == OPEN_EXISTING || r.creation == TRUNCATE_EXISTING;
    if (!exists && wantsMissing) return Fail(ERROR_FILE_NOT_FOUND);
    // Checked here rather than left to the host, which lets a privileged user write anything.
    const bool changes = (r.access & GENERIC_WRITE) || r.creation == CREATE_ALWAYS;
    if (exists && facts.readOnly && changes) return Fail(ERROR_ACCESS_DENIED);
    return true;
}

std::shared_ptr<FileObject> NoFile(DWORD error) {
    SetLastError(error);
    return nullptr;
}

}  // namespace

FileObject::FileObject(DWORD access, UniqueFd fd, std::unique_ptr<ReplacementFile> replacement, bool readOnlyOnCommit,
                       ReplaceMode replaceMode)
    : access_(access),
      fd_(std::move(fd)),
      replacement_(std::move(replacement)),
      readOnlyOnCommit_(readOnlyOnCommit),
      replaceMode_(replaceMode) {}

FileObject::~FileObject() = default;  // an unclosed replacement is discarded, never committed

std::shared_ptr<FileObject> FileObject::Open(const FileOpenRequest& r, bool& existed) {
    existed = false;
    if (!r.path) return NoFile(ERROR_INVALID_PARAMETER);
    if (!IsValidDevicePath(r.path, Wildcards::Refused)) return NoFile(ERROR_INVALID_NAME);
    const std::filesystem::path host = ResolveDevicePath(r.path);
    FileFacts facts;
    const bool exists = StatPath(host, facts);
    if (!exists && errno != ENOENT && errno != ENOTDIR) return NoFile(ErrorFromErrno(errno));
    if (!CreationAllowed(r, exists, facts, host)) return nullptr;
    existed = exists;
    const bool readOnlyOnCommit = !exists && (r.attributes & FILE_ATTRIBUTE_READONLY);

    if (ReplacesContents(r.creation, exists, r.writes)) {
        auto replacement = ReplacementFile::Create(host, exists ? (facts.mode & 07777) : 0);
        if (!replacement) return nullptr;
        const ReplaceMode mode = r.creation == CREATE_NEW ? ReplaceMode::KeepExisting : ReplaceMode::Overwrite;
        return std::shared_ptr<FileObject>(
            new FileObject(r.access, UniqueFd(), std::move(replacement), readOnlyOnCommit, mode));
    }
    UniqueFd fd(::open(host.c_str(), OpenFlags(r.access, r.writes), kUsualMode));
    if (!fd.Valid()) return NoFile(ErrorFromErrno(errno));
    if (readOnlyOnCommit) ::fchmod(fd.Get(), kReadOnlyMode);
    return std::shared_ptr<FileObject>(
        new FileObject(r.access, std::move(fd), nullptr, false, ReplaceMode::Overwrite));
}

int FileObject::FdLocked() const { return replacement_ ? replacement_->Fd() : fd_.Get(); }

bool FileObject::UsableLocked(DWORD neededAccess) const {
    if (closed_) return Fail(ERROR_INVALID_HANDLE);
    if ((access_ & neededAccess) != neededAccess) return Fail(ERROR_ACCESS_DENIED);
    return true;
}

bool FileObject::Read(void* buffer, DWORD bytes, DWORD& done) {
    done = 0;
    const std::lock_guard guard(lock_);
    if (!UsableLocked(GENERIC_READ)) return false;
    if (!buffer && bytes > 0) return Fail(ERROR_INVALID_PARAMETER);
    auto* out = static_cast<char*>(buffer);
    while (done < bytes) {
        const ssize_t n = ::read(FdLocked(), out + done, bytes - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FailFromErrno();
        if (n == 0) break;  // the end of the file: success with fewer bytes
        done += static_cast<DWORD>(n);
    }
    return true;
}

bool FileObject::Write(const void* buffer, DWORD bytes, DWORD& done) {
    done = 0;
    const std::lock_guard guard(lock_);
    if (!UsableLocked(GENERIC_WRITE)) return false;
    if (!buffer && bytes > 0) return Fail(ERROR_INVALID_PARAMETER);
    const auto* in = static_cast<const char*>(buffer);
    while (done < bytes) {
        const ssize_t n = ::write(FdLocked(), in + done, bytes - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            writeFailed_ = true;
            if (n == 0) errno = ENOSPC;
            return FailFromErrno();
        }
        done += static_cast<DWORD>(n);
    }
    return true;
}

bool FileObject::Seek(LONGLONG distance, int origin, ULONGLONG& position) {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(0)) return false;
    if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) return Fail(ERROR_INVALID_PARAMETER);
    const off_t base = origin == SEEK_SET ? 0 : ::lseek(FdLocked(), 0, origin);
    if (base < 0) return FailFromErrno();
    if (distance < 0 && -distance > base) return Fail(ERROR_NEGATIVE_SEEK);
    if (distance > 0 && distance > std::numeric_limits<off_t>::max() - base) return Fail(ERROR_INVALID_PARAMETER);
    const off_t result = ::lseek(FdLocked(), base + distance, SEEK_SET);
    if (result < 0) return FailFromErrno();
    position = static_cast<ULONGLONG>(result);
    return true;
}

bool FileObject::Size(ULONGLONG& size) {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(0)) return false;
    FileFacts facts;
    if (!StatFd(FdLocked(), facts)) return FailFromErrno();
    size = facts.size;
    return true;
}

bool FileObject::TruncateAtPointer() {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(GENERIC_WRITE)) return false;
    const off_t position = ::lseek(FdLocked(), 0, SEEK_CUR);
    if (position < 0 || ::ftruncate(FdLocked(), position) != 0) {
        writeFailed_ = true;
        return FailFromErrno();
    }
    return true;
}

bool FileObject::Flush() {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(GENERIC_WRITE)) return false;
    return ::fsync(FdLocked()) == 0 || FailFromErrno();
}

bool FileObject::Facts(FileFacts& facts) {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(0)) return false;
    return StatFd(FdLocked(), facts) || FailFromErrno();
}

int FileObject::DuplicateForReading() {
    const std::lock_guard guard(lock_);
    if (!UsableLocked(GENERIC_READ)) return -1;
    const int fd = ::fcntl(FdLocked(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) FailFromErrno();
    return fd;
}

bool FileObject::Close() {
    const std::lock_guard guard(lock_);
    if (closed_) return Fail(ERROR_INVALID_HANDLE);
    closed_ = true;
    if (replacement_) {
        if (writeFailed_) {
            replacement_->Discard();
            return Fail(ERROR_WRITE_FAULT);
        }
        return replacement_->Commit(readOnlyOnCommit_, replaceMode_);
    }
    return fd_.Reset() || FailFromErrno();
}

}  // namespace platform
