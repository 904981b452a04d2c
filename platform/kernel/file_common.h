// What is shared by the device file calls: descriptors that close themselves, the host's errors as
// the platform's error codes, file facts as the platform reports them, and device name rules.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/types.h"

namespace platform {

// A host file descriptor closed with its owner.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release();
    // Closes now; false (errno set) when the host reports a failure.
    bool Reset();

private:
    int fd_ = -1;
};

// What the error of a failed host call means on the device.
DWORD ErrorFromErrno(int error);
// Sets the last error from errno and returns false, for one-line failure paths.
bool FailFromErrno();
bool Fail(DWORD error);

// The facts of one file or folder, as the find data and the handle calls report them.
struct FileFacts {
    bool isDirectory = false;
    bool readOnly = false;
    ULONGLONG size = 0;
    FILETIME creation{};
    FILETIME lastAccess{};
    FILETIME lastWrite{};
    unsigned mode = 0;
    ULONGLONG device = 0;  // with fileId, tells two names of one file apart from two files
    ULONGLONG fileId = 0;
};
bool StatPath(const std::filesystem::path& path, FileFacts& facts);  // errno set when false
bool StatFd(int fd, FileFacts& facts);
DWORD AttributesOf(const FileFacts& facts, std::string_view hostName);
FILETIME FileTimeFromUnix(long long seconds, long nanoseconds);

// Device names: no control characters and none of < > : " | / \, and no wildcards unless a
// find pattern allows them in its last component. Temporary files carry a character that no
// device name may hold, so no device path can ever name one.
enum class Wildcards { Refused, AllowedInLastComponent };
bool IsValidDevicePath(std::u16string_view path, Wildcards wildcards);
bool IsValidDeviceName(std::u16string_view name);
// The last component of a device path as spelled: "B.txt" of "\\a\\B.txt".
std::u16string_view LastComponent(std::u16string_view path);
// The host path of a device path handed to a call; false with the last error set for a null path
// (ERROR_INVALID_PARAMETER) or a name the device cannot hold (ERROR_INVALID_NAME).
bool ResolveArgument(const WCHAR* devicePath, std::filesystem::path& host);

// The path failure of a missing entry: ERROR_PATH_NOT_FOUND when its folder is missing too.
DWORD MissingEntryError(const std::filesystem::path& hostPath);
bool IsDirectory(const std::filesystem::path& hostPath);
// The device's files/ folder itself, which cannot be removed, renamed or opened as a file.
bool IsDeviceTop(const std::filesystem::path& hostPath);
// Makes a folder's new entries durable (after a rename or a removal).
void SyncFolder(const std::filesystem::path& folder);

}  // namespace platform
