// The server side of other processes' windows: one thread per process accepts connections on
// run/<pid>.sock and answers each request in turn (sent messages through the window's own thread).
// It ends with the process, removing its socket and window list.
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/device.h"
#include "platform/process.h"
#include "user/remote_windows.h"

namespace platform {
namespace {

// A peer that connects and then says nothing is given this long.
constexpr int kRequestTimeoutMs = 2000;
constexpr int kBacklog = 16;

bool ReadRequest(int fd, RemoteRequest* request) {
    auto* bytes = reinterpret_cast<char*>(request);
    std::size_t got = 0;
    while (got < sizeof(RemoteRequest)) {
        pollfd pfd{fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, kRequestTimeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = recv(fd, bytes + got, sizeof(RemoteRequest) - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return request->magic == kRemoteMagic;
}

void Serve(int fd) {
    RemoteRequest request{};
    if (ReadRequest(fd, &request)) {
        const RemoteReply reply = AnswerRemoteRequest(request);
        send(fd, &reply, sizeof reply, MSG_NOSIGNAL);
    }
    close(fd);
}

class RemoteServer {
public:
    ~RemoteServer() {
        {
            const std::lock_guard guard(lock_);
            stopping_ = true;
        }
        Wake();
        if (thread_.joinable()) thread_.join();
        CloseListener();
        for (const int fd : wake_)
            if (fd >= 0) close(fd);
    }

    bool Listen(const std::string& path) {
        const std::lock_guard guard(lock_);
        if (path == path_ && listener_ >= 0) return true;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof(address.sun_path)) return false;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        unlink(path.c_str());  // a socket left by an earlier process with our number
        if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(fd, kBacklog) != 0) {
            close(fd);
            return false;
        }
        retired_.push_back(listener_);
        if (!path_.empty()) RemoveFiles(path_);
        listener_ = fd;
        path_ = path;
        if (!thread_.joinable()) {
            if (pipe2(wake_, O_CLOEXEC) != 0) return false;
            thread_ = std::thread([this] { Loop(); });
        } else {
            Wake();
        }
        return true;
    }

private:
    void Wake() {
        if (wake_[1] >= 0) {
            const char byte = 0;
            [[maybe_unused]] const ssize_t n = write(wake_[1], &byte, 1);
        }
    }

    void Loop() {
        for (;;) {
            int listener = -1;
            {
                const std::lock_guard guard(lock_);
                if (stopping_) return;
                for (const int fd : retired_)
                    if (fd >= 0) close(fd);
                retired_.clear();
                listener = listener_;
            }
            pollfd fds[2] = {{listener, POLLIN, 0}, {wake_[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) continue;
            if (fds[1].revents & POLLIN) {
                char drain[16];
                [[maybe_unused]] const ssize_t n = read(wake_[0], drain, sizeof drain);
                continue;
            }
            if (fds[0].revents & POLLIN) {
                const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
                if (client >= 0) Serve(client);
            }
        }
    }

    // The socket and the window list of this process under the device root the socket was made in.
    static void RemoveFiles(const std::string& socketPath) {
        std::error_code ec;
        std::filesystem::path list(socketPath);
        list.replace_extension(".windows");
        std::filesystem::remove(socketPath, ec);
        std::filesystem::remove(list, ec);
    }

    void CloseListener() {
        if (listener_ >= 0) close(listener_);
        for (const int fd : retired_)
            if (fd >= 0) close(fd);
        if (!path_.empty()) RemoveFiles(path_);
    }

    std::mutex lock_;
    std::thread thread_;
    int listener_ = -1;
    std::vector<int> retired_;
    std::string path_;
    int wake_[2] = {-1, -1};
    bool stopping_ = false;
};

RemoteServer& Server() {
    static RemoteServer server;
    return server;
}

}  // namespace

bool ListenForRemoteRequests(const std::string& socketPath) { return Server().Listen(socketPath); }

}  // namespace platform
