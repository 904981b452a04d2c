// Windows of the device's other programs. Every process lists its top-level windows in
// run/<pid>.windows (rewritten whole on each change) and answers requests on the local socket
// run/<pid>.sock. FindWindowW in another process returns a proxy handle for such a window; messages
// with integer parameters, SetForegroundWindow and IsWindow on a proxy travel over the socket.
// Entries of processes that have ended are ignored and cleared away.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/user.h"

namespace platform {

bool IsProxyWindow(HWND hwnd);
HWND FindRemoteWindow(LPCWSTR className, LPCWSTR windowName);
// A proxy for window `value` (its handle there) of process `processId`, for areas that learn of
// windows of other processes by other roads (the PIM store's logged-on windows).
HWND RemoteWindowHandle(DWORD processId, std::uint64_t value);

LRESULT RemoteSendMessage(HWND proxy, UINT message, WPARAM wParam, LPARAM lParam);
bool RemotePostMessage(HWND proxy, UINT message, WPARAM wParam, LPARAM lParam);
bool RemoteSetForeground(HWND proxy);
bool RemoteIsWindow(HWND proxy);
std::u16string ProxyClassName(HWND proxy);
DWORD ProxyProcessId(HWND proxy);

// The device screen of the process that owns the proxy, saved as a PNG file; false when that
// process could not be reached or could not write it.
bool RemoteScreenshot(HWND proxy, const std::filesystem::path& file);

// Rewrites this process's list of top-level windows and makes sure its socket listens.
void PublishTopLevelWindows();

// The socket protocol, one request and one reply per connection.
enum class RemoteOp : std::uint32_t { Send = 1, Post = 2, Foreground = 3, IsWindow = 4, Screenshot = 5 };
constexpr std::uint32_t kRemoteMagic = 0x51565731;  // "QVW1"

struct RemoteRequest {
    std::uint32_t magic;
    RemoteOp op;
    std::uint64_t hwnd;
    std::uint32_t message;
    std::uint32_t reserved;
    std::uint64_t wParam;
    std::int64_t lParam;
};

struct RemoteReply {
    std::uint32_t magic;
    std::uint32_t ok;
    std::uint32_t error;
    std::uint32_t reserved;
    std::int64_t result;
};

// The server side: answers one request (on the server's own thread).
RemoteReply AnswerRemoteRequest(const RemoteRequest& request);
// Starts listening on `socketPath` (closing an earlier socket of another device root); false when it cannot.
bool ListenForRemoteRequests(const std::string& socketPath);

}  // namespace platform
