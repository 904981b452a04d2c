// The internet handles: a root handle, FTP and HTTP sessions and opened addresses. Each handle is
// an object owned by this table until InternetCloseHandle; a session keeps what it needs of its
// parent, so closing handles in any order is safe.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <variant>

#include "kernel/atomic_file.h"
#include "kernel/device_path.h"
#include "net/curl_request.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/wininet.h"

namespace {

using platform::net::CurlRequest;
using platform::net::CurlResult;
using platform::net::RunCurl;

struct RootHandle {
    std::string agent;
};
struct FtpSession {
    std::string agent;
    std::string base;  // "ftp://host:port"
    std::string user;
    std::string password;
    std::string folder = "/";  // always begins and ends with '/'
};
struct HttpSession {
    std::string agent;
    std::string base;
};
struct UrlHandle {
    std::string body;
    std::size_t position = 0;
    long status = 0;
};
using InternetObject = std::variant<RootHandle, FtpSession, HttpSession, UrlHandle>;

std::mutex g_lock;
std::map<HINTERNET, std::unique_ptr<InternetObject>> g_handles;

HINTERNET Add(InternetObject object) {
    auto owned = std::make_unique<InternetObject>(std::move(object));
    HINTERNET handle = owned.get();
    const std::lock_guard guard(g_lock);
    g_handles.emplace(handle, std::move(owned));
    return handle;
}

// A copy of the object behind a handle of kind T, or false with the last error set.
template <typename T>
bool Get(HINTERNET handle, T& out) {
    const std::lock_guard guard(g_lock);
    const auto found = g_handles.find(handle);
    if (found == g_handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    const T* object = std::get_if<T>(found->second.get());
    if (!object) {
        SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
        return false;
    }
    out = *object;
    return true;
}

std::string Narrow(LPCWSTR text) { return text ? platform::ToUtf8(text) : std::string(); }

// Folder names may hold blanks and other characters an address cannot carry as they stand.
std::string EscapePath(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

// An FTP address of an absolute path: "%2F" makes the server's root the start, not the login folder.
std::string FtpUrl(const FtpSession& session, const std::string& absolutePath) {
    return session.base + "/%2F" + EscapePath(absolutePath.substr(1));
}

std::string ResolveFolder(const std::string& current, std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    std::string folder = path.starts_with('/') ? path : current + path;
    if (!folder.ends_with('/')) folder += '/';
    return folder;
}

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

CurlRequest LoginRequest(const FtpSession& session, std::string url) {
    CurlRequest request;
    request.url = std::move(url);
    request.user = session.user.empty() ? "anonymous" : session.user;
    request.password = session.password;
    request.agent = session.agent;
    return request;
}

}  // namespace

HINTERNET InternetOpenW(LPCWSTR agent, DWORD, LPCWSTR, LPCWSTR, DWORD) { return Add(RootHandle{Narrow(agent)}); }

HINTERNET InternetConnectW(HINTERNET internet, LPCWSTR serverName, INTERNET_PORT serverPort, LPCWSTR userName,
                           LPCWSTR password, DWORD service, DWORD, DWORD_PTR) {
    RootHandle root;
    if (!Get(internet, root)) return nullptr;
    const std::string host = Narrow(serverName);
    if (host.empty()) {
        SetLastError(ERROR_INTERNET_INVALID_URL);
        return nullptr;
    }
    if (service == INTERNET_SERVICE_HTTP) {
        const INTERNET_PORT port = serverPort ? serverPort : INTERNET_DEFAULT_HTTP_PORT;
        return Add(HttpSession{root.agent, "http://" + host + ":" + std::to_string(port)});
    }
    if (service != INTERNET_SERVICE_FTP) {
        SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
        return nullptr;
    }
    FtpSession session;
    session.agent = root.agent;
    session.base = "ftp://" + host + ":" + std::to_string(serverPort ? serverPort : INTERNET_DEFAULT_FTP_PORT);
    session.user = Narrow(userName);
    session.password = Narrow(password);
    // Log in now, as the session would: a server that is not there fails the connect.
    CurlRequest request = LoginRequest(session, session.base + "/");
    request.headOnly = true;
    const CurlResult result = RunCurl(request);
    if (!result.ok) {
        SetLastError(result.error);
        return nullptr;
    }
    return Add(std::move(session));
}

BOOL FtpSetCurrentDirectoryW(HINTERNET connect, LPCWSTR directory) {
    FtpSession session;
    if (!Get(connect, session)) return FALSE;
    if (!directory || !*directory) return Fail(ERROR_INVALID_PARAMETER);
    const std::string folder = ResolveFolder(session.folder, Narrow(directory));
    CurlRequest request = LoginRequest(session, FtpUrl(session, folder));
    request.headOnly = true;
    const CurlResult result = RunCurl(request);
    if (!result.ok) return Fail(result.error);
    const std::lock_guard guard(g_lock);
    const auto found = g_handles.find(connect);
    if (found == g_handles.end()) return Fail(ERROR_INVALID_HANDLE);
    if (auto* live = std::get_if<FtpSession>(found->second.get())) live->folder = folder;
    return TRUE;
}

BOOL FtpGetFileW(HINTERNET connect, LPCWSTR remoteFile, LPCWSTR newFile, BOOL failIfExists, DWORD, DWORD, DWORD_PTR) {
    FtpSession session;
    if (!Get(connect, session)) return FALSE;
    if (!remoteFile || !*remoteFile || !newFile || !*newFile) return Fail(ERROR_INVALID_PARAMETER);
    std::string remote = Narrow(remoteFile);
    for (char& c : remote)
        if (c == '\\') c = '/';
    const std::string path = remote.starts_with('/') ? remote : session.folder + remote;
    const std::filesystem::path target = platform::ResolveDevicePath(newFile);
    if (failIfExists && std::filesystem::exists(target)) return Fail(ERROR_FILE_EXISTS);
    auto file = platform::ReplacementFile::Create(target, 0);
    if (!file) return FALSE;
    CurlRequest request = LoginRequest(session, FtpUrl(session, path));
    const int fd = file->Fd();
    request.sink = [fd](std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    };
    const CurlResult result = RunCurl(request);
    if (!result.ok) {
        file->Discard();
        return Fail(result.error);
    }
    return file->Commit(false, failIfExists ? platform::ReplaceMode::KeepExisting : platform::ReplaceMode::Overwrite)
               ? TRUE
               : FALSE;
}

HINTERNET InternetOpenUrlW(HINTERNET internet, LPCWSTR url, LPCWSTR, DWORD, DWORD flags, DWORD_PTR) {
    RootHandle root;
    if (!Get(internet, root)) return nullptr;
    const std::string address = Narrow(url);
    if (!address.starts_with("http://") && !address.starts_with("https://") && !address.starts_with("ftp://")) {
        SetLastError(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
        return nullptr;
    }
    UrlHandle opened;
    CurlRequest request;
    request.url = address;
    request.agent = root.agent;
    request.reload = (flags & INTERNET_FLAG_RELOAD) != 0;
    request.sink = [&opened](std::string_view bytes) {
        opened.body.append(bytes);
        return true;
    };
    const CurlResult result = RunCurl(request);
    if (!result.ok) {
        SetLastError(result.error);
        return nullptr;
    }
    opened.status = result.httpStatus;
    return Add(std::move(opened));
}

BOOL InternetReadFile(HINTERNET file, LPVOID buffer, DWORD toRead, LPDWORD read) {
    if (!read || (!buffer && toRead)) return Fail(ERROR_INVALID_PARAMETER);
    const std::lock_guard guard(g_lock);
    const auto found = g_handles.find(file);
    if (found == g_handles.end()) return Fail(ERROR_INVALID_HANDLE);
    auto* opened = std::get_if<UrlHandle>(found->second.get());
    if (!opened) return Fail(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
    const std::size_t count = std::min<std::size_t>(toRead, opened->body.size() - opened->position);
    std::copy_n(opened->body.data() + opened->position, count, static_cast<char*>(buffer));
    opened->position += count;
    *read = static_cast<DWORD>(count);
    return TRUE;
}

BOOL HttpQueryInfoW(HINTERNET request, DWORD infoLevel, LPVOID buffer, LPDWORD bufferLength, LPDWORD) {
    UrlHandle opened;
    if (!Get(request, opened)) return FALSE;
    if (!bufferLength) return Fail(ERROR_INVALID_PARAMETER);
    if ((infoLevel & ~HTTP_QUERY_FLAG_NUMBER) != HTTP_QUERY_STATUS_CODE || opened.status == 0) {
        return Fail(ERROR_HTTP_HEADER_NOT_FOUND);
    }
    if (infoLevel & HTTP_QUERY_FLAG_NUMBER) {
        if (*bufferLength < sizeof(DWORD) || !buffer) {
            *bufferLength = sizeof(DWORD);
            return Fail(ERROR_INSUFFICIENT_BUFFER);
        }
        *static_cast<DWORD*>(buffer) = static_cast<DWORD>(opened.status);
        *bufferLength = sizeof(DWORD);
        return TRUE;
    }
    const std::u16string text = platform::FromUtf8(std::to_string(opened.status));
    const DWORD needed = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
    if (*bufferLength < needed || !buffer) {
        *bufferLength = needed;
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<WCHAR*>(buffer));
    *bufferLength = static_cast<DWORD>(text.size() * sizeof(WCHAR));
    return TRUE;
}

BOOL InternetCloseHandle(HINTERNET internet) {
    std::unique_ptr<InternetObject> closing;
    {
        const std::lock_guard guard(g_lock);
        const auto found = g_handles.find(internet);
        if (found == g_handles.end()) return Fail(ERROR_INVALID_HANDLE);
        closing = std::move(found->second);
        g_handles.erase(found);
    }
    return TRUE;
}
