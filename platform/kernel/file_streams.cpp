// The runtime's wide file calls: _wfopen gives an ordinary FILE stream whose bytes go through a
// device file object, so that "w" streams replace their file whole at fclose and "a" streams
// append in place. 'b' and 't' mean the same: line ends are stored as written, never translated.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>

#include "kernel/file_object.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

struct StreamMode {
    WCHAR letter;
    bool update;  // '+'
    DWORD access;
    DWORD creation;
    WritePosition writes;
    const char* hostMode;
};
constexpr StreamMode kStreamModes[] = {
    {u'r', false, GENERIC_READ, OPEN_EXISTING, WritePosition::AtPointer, "r"},
    {u'r', true, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, WritePosition::AtPointer, "r+"},
    {u'w', false, GENERIC_WRITE, CREATE_ALWAYS, WritePosition::AtPointer, "w"},
    {u'w', true, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS, WritePosition::AtPointer, "w+"},
    {u'a', false, GENERIC_WRITE, OPEN_ALWAYS, WritePosition::AlwaysAtEnd, "a"},
    {u'a', true, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, WritePosition::AlwaysAtEnd, "a+"},
};

struct ErrorMeaning {
    DWORD device;
    int runtime;
};
constexpr ErrorMeaning kRuntimeErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},     {ERROR_PATH_NOT_FOUND, ENOENT},   {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_FILE_EXISTS, EEXIST},        {ERROR_ALREADY_EXISTS, EEXIST},   {ERROR_INVALID_NAME, EINVAL},
    {ERROR_INVALID_PARAMETER, EINVAL},  {ERROR_TOO_MANY_OPEN_FILES, EMFILE}, {ERROR_DISK_FULL, ENOSPC},
    {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},   {ERROR_NOT_ENOUGH_MEMORY, ENOMEM}, {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
};

void SetErrnoFromLastError() {
    const DWORD error = GetLastError();
    for (const auto& m : kRuntimeErrors) {
        if (m.device == error) {
            errno = m.runtime;
            return;
        }
    }
    errno = EIO;
}

// "r", "w" or "a", then '+', 'b' and 't' in any order; anything else is refused.
const StreamMode* ParseMode(const WCHAR* mode) {
    if (!mode || !*mode) return nullptr;
    bool update = false;
    for (const WCHAR* c = mode + 1; *c; ++c) {
        if (*c == u'+')
            update = true;
        else if (*c != u'b' && *c != u't')
            return nullptr;
    }
    for (const auto& m : kStreamModes)
        if (m.letter == mode[0] && m.update == update) return &m;
    return nullptr;
}

struct StreamCookie {
    std::shared_ptr<FileObject> file;
};

DWORD ClampToDword(std::size_t size) {
    return static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
}

ssize_t CookieRead(void* cookie, char* buffer, std::size_t size) {
    DWORD done = 0;
    if (!static_cast<StreamCookie*>(cookie)->file->Read(buffer, ClampToDword(size), done)) {
        SetErrnoFromLastError();
        return -1;
    }
    return static_cast<ssize_t>(done);
}

ssize_t CookieWrite(void* cookie, const char* buffer, std::size_t size) {
    DWORD done = 0;
    if (!static_cast<StreamCookie*>(cookie)->file->Write(buffer, ClampToDword(size), done)) SetErrnoFromLastError();
    return static_cast<ssize_t>(done);  // fewer bytes than asked tells the stream of the failure
}

int CookieSeek(void* cookie, off64_t* offset, int whence) {
    ULONGLONG position = 0;
    if (!static_cast<StreamCookie*>(cookie)->file->Seek(*offset, whence, position)) {
        SetErrnoFromLastError();
        return -1;
    }
    *offset = static_cast<off64_t>(position);
    return 0;
}

int CookieClose(void* cookie) {
    const std::unique_ptr<StreamCookie> owned(static_cast<StreamCookie*>(cookie));
    if (owned->file->Close()) return 0;
    SetErrnoFromLastError();
    return EOF;
}

constexpr cookie_io_functions_t kCookieFunctions = {CookieRead, CookieWrite, CookieSeek, CookieClose};

bool IsStandardStream(FILE* stream) { return stream == stdin || stream == stdout || stream == stderr; }

}  // namespace
}  // namespace platform

FILE* _wfopen(const WCHAR* path, const WCHAR* mode) {
    const platform::StreamMode* rule = platform::ParseMode(mode);
    if (!path || !rule) {
        SetLastError(ERROR_INVALID_PARAMETER);
        errno = EINVAL;
        return nullptr;
    }
    platform::FileOpenRequest request;
    request.path = path;
    request.access = rule->access;
    request.creation = rule->creation;
    request.writes = rule->writes;
    bool existed = false;
    auto file = platform::FileObject::Open(request, existed);
    if (!file) {
        platform::SetErrnoFromLastError();
        return nullptr;
    }
    auto cookie = std::make_unique<platform::StreamCookie>(platform::StreamCookie{file});
    FILE* stream = fopencookie(cookie.get(), rule->hostMode, platform::kCookieFunctions);
    if (!stream) return nullptr;  // the unclosed file object goes without touching the target
    cookie.release();  // owned by the stream until fclose
    return stream;
}

FILE* _wfreopen(const WCHAR* path, const WCHAR* mode, FILE* stream) {
    if (!path || !platform::ParseMode(mode)) {
        errno = EINVAL;
        return nullptr;
    }
    // The process's own standard streams keep their FILE; they write to the file in place.
    if (platform::IsStandardStream(stream)) {
        std::string hostMode = platform::ParseMode(mode)->hostMode;
        return std::freopen(platform::HostPath(path).c_str(), hostMode.c_str(), stream);
    }
    if (stream) std::fclose(stream);
    return _wfopen(path, mode);
}

int _wremove(const WCHAR* path) {
    if (DeleteFileW(path)) return 0;
    platform::SetErrnoFromLastError();
    return -1;
}

int _wrename(const WCHAR* from, const WCHAR* to) {
    if (MoveFileW(from, to)) return 0;
    platform::SetErrnoFromLastError();
    return -1;
}
