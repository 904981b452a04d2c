// The client side of other processes' windows: the window lists in run/, proxy handles, and requests
// over the owners' sockets. A caller waiting for a reply goes on handling the messages other threads
// send it, so that two programs sending to each other do not wait for ever.
#include "user/remote_windows.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

#include "display/screen_pixels.h"
#include "platform/device.h"
#include "platform/process.h"
#include "platform/system.h"
#include "platform/text.h"
#include "user/message_queue.h"
#include "user/window_class.h"
#include "user/window_table.h"

namespace platform {
namespace {

constexpr int kReplyPollMs = 10;
constexpr const char* kListSuffix = ".windows";
constexpr const char* kSocketSuffix = ".sock";

struct Proxy {
    DWORD processId = 0;
    std::uint64_t value = 0;
    std::u16string className;
};

struct Proxies {
    std::mutex lock;
    std::map<HWND, Proxy> byHandle;
    std::map<std::pair<DWORD, std::uint64_t>, HWND> byRemote;
};

Proxies& ProxyTable() {
    static Proxies table;
    return table;
}

std::filesystem::path RunFolder() { return DeviceRoot() / "run"; }

std::string SocketPathOf(DWORD processId) {
    return (RunFolder() / (std::to_string(processId) + kSocketSuffix)).string();
}

bool ProcessAlive(DWORD processId) { return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM; }

// Texts in the list: backslash, tab and line ends are escaped so that one window is one line.
std::string Escape(const std::u16string& text) {
    std::string out;
    for (const char c : ToUtf8(text)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::u16string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return FromUtf8(out);
}

struct ListedWindow {
    std::uint64_t value = 0;
    std::u16string className;
    std::u16string title;
};

std::vector<ListedWindow> ReadList(const std::filesystem::path& path) {
    std::vector<ListedWindow> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab1 = line.find('\t');
        const auto tab2 = tab1 == std::string::npos ? std::string::npos : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) continue;
        ListedWindow w;
        w.value = std::strtoull(line.substr(0, tab1).c_str(), nullptr, 10);
        w.className = Unescape(line.substr(tab1 + 1, tab2 - tab1 - 1));
        w.title = Unescape(line.substr(tab2 + 1));
        if (w.value) out.push_back(std::move(w));
    }
    return out;
}

HWND ProxyFor(DWORD processId, std::uint64_t value, const std::u16string& className) {
    Proxies& p = ProxyTable();
    const std::lock_guard guard(p.lock);
    const auto key = std::make_pair(processId, value);
    if (const auto it = p.byRemote.find(key); it != p.byRemote.end()) {
        if (!className.empty()) p.byHandle[it->second].className = className;
        return it->second;
    }
    const HWND handle = NewWindowHandle();
    p.byHandle[handle] = Proxy{processId, value, className};
    p.byRemote[key] = handle;
    return handle;
}

bool LookupProxy(HWND hwnd, Proxy* out) {
    Proxies& p = ProxyTable();
    const std::lock_guard guard(p.lock);
    const auto it = p.byHandle.find(hwnd);
    if (it == p.byHandle.end()) return false;
    *out = it->second;
    return true;
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Waits for the whole reply, handling what other threads send to the caller meanwhile.
bool ReadReply(int fd, RemoteReply* reply) {
    const auto queue = CurrentQueue();
    auto* bytes = reinterpret_cast<char*>(reply);
    std::size_t got = 0;
    while (got < sizeof(RemoteReply)) {
        pollfd pfd{fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, kReplyPollMs);
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) {
            HandleSentMessages(*queue);
            continue;
        }
        const ssize_t n = recv(fd, bytes + got, sizeof(RemoteReply) - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return reply->magic == kRemoteMagic;
}

bool Call(HWND proxy, RemoteOp op, UINT message, WPARAM wParam, LPARAM lParam, RemoteReply* reply) {
    Proxy p;
    if (!LookupProxy(proxy, &p) || !ProcessAlive(p.processId)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    const std::string path = SocketPathOf(p.processId);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    const RemoteRequest request{kRemoteMagic, op, p.value, message, 0, wParam, lParam};
    const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                    WriteAll(fd, &request, sizeof request) && ReadReply(fd, reply);
    close(fd);
    if (!ok) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (!reply->ok) SetLastError(reply->error);
    return reply->ok != 0;
}

// Where a process leaves the screenshot another process asked it for.
std::filesystem::path ScreenshotPathOf(DWORD processId) { return RunFolder() / (std::to_string(processId) + ".png"); }

}  // namespace

bool RemoteScreenshot(HWND proxy, const std::filesystem::path& file) {
    RemoteReply reply{};
    if (!Call(proxy, RemoteOp::Screenshot, 0, 0, 0, &reply)) return false;
    const std::filesystem::path made = ScreenshotPathOf(ProxyProcessId(proxy));
    std::error_code ec;
    std::filesystem::copy_file(made, file, std::filesystem::copy_options::overwrite_existing, ec);
    std::error_code ignored;
    std::filesystem::remove(made, ignored);
    return !ec;
}

bool IsProxyWindow(HWND hwnd) {
    if (!hwnd) return false;
    Proxies& p = ProxyTable();
    const std::lock_guard guard(p.lock);
    return p.byHandle.count(hwnd) > 0;
}

HWND RemoteWindowHandle(DWORD processId, std::uint64_t value) { return ProxyFor(processId, value, u""); }

HWND FindRemoteWindow(LPCWSTR className, LPCWSTR windowName) {
    const DWORD self = GetCurrentProcessId();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(RunFolder(), ec)) {
        const std::filesystem::path path = entry.path();
        if (path.extension() != kListSuffix) continue;
        const DWORD processId = static_cast<DWORD>(std::strtoul(path.stem().c_str(), nullptr, 10));
        if (processId == 0 || processId == self) continue;
        if (!ProcessAlive(processId)) {
            std::filesystem::remove(path, ec);
            std::filesystem::remove(SocketPathOf(processId), ec);
            continue;
        }
        for (const ListedWindow& w : ReadList(path)) {
            if (className && !EqualNoCase(w.className, className)) continue;
            if (windowName && !EqualNoCase(w.title, windowName)) continue;
            return ProxyFor(processId, w.value, w.className);
        }
    }
    return nullptr;
}

LRESULT RemoteSendMessage(HWND proxy, UINT message, WPARAM wParam, LPARAM lParam) {
    RemoteReply reply{};
    return Call(proxy, RemoteOp::Send, message, wParam, lParam, &reply) ? reply.result : 0;
}

bool RemotePostMessage(HWND proxy, UINT message, WPARAM wParam, LPARAM lParam) {
    RemoteReply reply{};
    return Call(proxy, RemoteOp::Post, message, wParam, lParam, &reply);
}

bool RemoteSetForeground(HWND proxy) {
    RemoteReply reply{};
    return Call(proxy, RemoteOp::Foreground, 0, 0, 0, &reply);
}

bool RemoteIsWindow(HWND proxy) {
    RemoteReply reply{};
    return Call(proxy, RemoteOp::IsWindow, 0, 0, 0, &reply) && reply.result;
}

std::u16string ProxyClassName(HWND proxy) {
    Proxy p;
    return LookupProxy(proxy, &p) ? p.className : std::u16string();
}

DWORD ProxyProcessId(HWND proxy) {
    Proxy p;
    return LookupProxy(proxy, &p) ? p.processId : 0;
}

void PublishTopLevelWindows() {
    const DWORD self = GetCurrentProcessId();
    const std::filesystem::path folder = RunFolder();
    const std::filesystem::path list = folder / (std::to_string(self) + kListSuffix);
    std::ostringstream text;
    bool any = false;
    {
        const std::lock_guard guard(WindowLock());
        for (const HWND h : TopLevelWindows()) {
            const Window* w = Peek(h);
            if (!w || w->life != WindowLife::Alive) continue;
            text << reinterpret_cast<ULONG_PTR>(h) << '\t' << Escape(w->cls->name) << '\t' << Escape(w->text) << '\n';
            any = true;
        }
    }
    std::error_code ec;
    if (!any) {
        std::filesystem::remove(list, ec);
        return;
    }
    if (!ListenForRemoteRequests(SocketPathOf(self))) return;
    // Written beside the list and renamed over it, so that a reader sees the old list or the new one.
    const std::filesystem::path temporary = folder / (std::to_string(self) + kListSuffix + ".tmp");
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << text.str();
        if (!out) return;
    }
    std::filesystem::rename(temporary, list, ec);
}

RemoteReply AnswerRemoteRequest(const RemoteRequest& request) {
    RemoteReply reply{kRemoteMagic, 1, 0, 0, 0};
    const HWND hwnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(request.hwnd));
    if (request.op == RemoteOp::IsWindow) {
        reply.result = FindWindowRecord(hwnd) ? TRUE : FALSE;
        return reply;
    }
    if (!FindWindowRecord(hwnd)) {
        reply.ok = 0;
        reply.error = ERROR_INVALID_WINDOW_HANDLE;
        return reply;
    }
    switch (request.op) {
    case RemoteOp::Send:
        reply.result = SendMessageW(hwnd, request.message, static_cast<WPARAM>(request.wParam),
                                    static_cast<LPARAM>(request.lParam));
        break;
    case RemoteOp::Post:
        reply.ok = PostMessageW(hwnd, request.message, static_cast<WPARAM>(request.wParam),
                                static_cast<LPARAM>(request.lParam));
        break;
    case RemoteOp::Foreground: reply.ok = SetForegroundWindow(hwnd); break;
    case RemoteOp::Screenshot: reply.ok = SaveScreenPng(ScreenshotPathOf(GetCurrentProcessId())); break;
    default: reply.ok = 0; reply.error = ERROR_INVALID_PARAMETER;
    }
    if (!reply.ok) reply.error = GetLastError();
    return reply;
}

}  // namespace platform
