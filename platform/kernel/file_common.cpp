// Descriptors, error codes, file facts and name rules shared by the device file calls.
#include "kernel/file_common.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/device_path.h"
#include "platform/device.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

struct ErrnoMeaning {
    int host;
    DWORD device;
};
constexpr ErrnoMeaning kErrnoMeanings[] = {
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EACCES, ERROR_ACCESS_DENIED},
    {EPERM, ERROR_ACCESS_DENIED},
    {EROFS, ERROR_ACCESS_DENIED},
    {EISDIR, ERROR_ACCESS_DENIED},
    {EBUSY, ERROR_SHARING_VIOLATION},
    {ETXTBSY, ERROR_SHARING_VIOLATION},
    {EEXIST, ERROR_ALREADY_EXISTS},
    {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
    {ENOSPC, ERROR_DISK_FULL},
    {EDQUOT, ERROR_DISK_FULL},
    {EFBIG, ERROR_DISK_FULL},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {ELOOP, ERROR_PATH_NOT_FOUND},
    {EBADF, ERROR_INVALID_HANDLE},
    {EINVAL, ERROR_INVALID_PARAMETER},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EIO, ERROR_GEN_FAILURE},
    {EXDEV, ERROR_NOT_SUPPORTED},
    {ENOTSUP, ERROR_NOT_SUPPORTED},
};

// 100-nanosecond intervals from 1 January 1601 to 1 January 1970.
constexpr ULONGLONG kUnixEpochInFileTime = 116444736000000000ull;
constexpr ULONGLONG kFileTimeUnitsPerSecond = 10000000ull;

// Characters no device name may hold; '|' among them is what marks temporary files.
constexpr std::u16string_view kForbiddenInNames = u"<>:\"|";
constexpr std::u16string_view kWildcards = u"*?";

void FillFacts(const struct statx& sx, FileFacts& facts) {
    facts.isDirectory = S_ISDIR(sx.stx_mode);
    facts.mode = sx.stx_mode;
    facts.device = (static_cast<ULONGLONG>(sx.stx_dev_major) << 32) | sx.stx_dev_minor;
    facts.fileId = sx.stx_ino;
    facts.readOnly = !facts.isDirectory && (sx.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    facts.size = facts.isDirectory ? 0 : sx.stx_size;
    facts.lastAccess = FileTimeFromUnix(sx.stx_atime.tv_sec, static_cast<long>(sx.stx_atime.tv_nsec));
    facts.lastWrite = FileTimeFromUnix(sx.stx_mtime.tv_sec, static_cast<long>(sx.stx_mtime.tv_nsec));
    // Not every file system keeps a birth time; the last change stands in for it.
    facts.creation = (sx.stx_mask & STATX_BTIME)
                         ? FileTimeFromUnix(sx.stx_btime.tv_sec, static_cast<long>(sx.stx_btime.tv_nsec))
                         : facts.lastWrite;
}

bool StatxAt(int dirFd, const char* path, int flags, FileFacts& facts) {
    struct statx sx {};
    if (statx(dirFd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return false;
    FillFacts(sx, facts);
    return true;
}

bool IsForbidden(WCHAR c, Wildcards wildcards) {
    if (c < 0x20) return true;
    if (kForbiddenInNames.find(c) != std::u16string_view::npos) return true;
    return wildcards == Wildcards::Refused && kWildcards.find(c) != std::u16string_view::npos;
}

}  // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        Reset();
        fd_ = other.Release();
    }
    return *this;
}

int UniqueFd::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool UniqueFd::Reset() {
    if (fd_ < 0) return true;
    const int fd = Release();
    return ::close(fd) == 0;
}

DWORD ErrorFromErrno(int error) {
    for (const auto& m : kErrnoMeanings)
        if (m.host == error) return m.device;
    return ERROR_GEN_FAILURE;
}

bool FailFromErrno() {
    SetLastError(ErrorFromErrno(errno));
    return false;
}

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

FILETIME FileTimeFromUnix(long long seconds, long nanoseconds) {
    const long long units = seconds * static_cast<long long>(kFileTimeUnitsPerSecond) + nanoseconds / 100;
    const ULONGLONG value = units + static_cast<long long>(kUnixEpochInFileTime) < 0
                                ? 0
                                : static_cast<ULONGLONG>(units + static_cast<long long>(kUnixEpochInFileTime));
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

bool StatPath(const std::filesystem::path& path, FileFacts& facts) {
    return StatxAt(AT_FDCWD, path.c_str(), 0, facts);
}

bool StatFd(int fd, FileFacts& facts) { return StatxAt(fd, "", AT_EMPTY_PATH, facts); }

DWORD AttributesOf(const FileFacts& facts, std::string_view hostName) {
    DWORD attributes = facts.isDirectory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (facts.readOnly) attributes |= FILE_ATTRIBUTE_READONLY;
    // The host's hidden files are the ones whose names start with a dot.
    if (!hostName.empty() && hostName.front() == '.') attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

bool IsValidDeviceName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return false;
    for (const WCHAR c : name)
        if (c == u'\\' || c == u'/' || IsForbidden(c, Wildcards::Refused)) return false;
    return true;
}

bool IsValidDevicePath(std::u16string_view path, Wildcards wildcards) {
    const std::size_t lastSeparator = path.find_last_of(u"\\/");
    const std::size_t lastComponent = lastSeparator == std::u16string_view::npos ? 0 : lastSeparator + 1;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const WCHAR c = path[i];
        if (c == u'\\' || c == u'/') continue;
        const Wildcards here = i >= lastComponent ? wildcards : Wildcards::Refused;
        if (IsForbidden(c, here)) return false;
    }
    return true;
}

std::u16string_view LastComponent(std::u16string_view path) {
    while (!path.empty() && (path.back() == u'\\' || path.back() == u'/')) path.remove_suffix(1);
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

bool ResolveArgument(const WCHAR* devicePath, std::filesystem::path& host) {
    if (!devicePath) return Fail(ERROR_INVALID_PARAMETER);
    if (!IsValidDevicePath(devicePath, Wildcards::Refused)) return Fail(ERROR_INVALID_NAME);
    host = ResolveDevicePath(devicePath);
    return true;
}

bool IsDirectory(const std::filesystem::path& hostPath) {
    FileFacts facts;
    return StatPath(hostPath, facts) && facts.isDirectory;
}

DWORD MissingEntryError(const std::filesystem::path& hostPath) {
    return IsDirectory(hostPath.parent_path()) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

bool IsDeviceTop(const std::filesystem::path& hostPath) {
    return hostPath.lexically_normal() == (DeviceRoot() / "files").lexically_normal();
}

void SyncFolder(const std::filesystem::path& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid()) ::fsync(fd.Get());
}

}  // namespace platform
