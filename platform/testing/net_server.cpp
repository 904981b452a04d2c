// A small FTP and HTTP server for tests: one thread, one connection at a time, on 127.0.0.1 only,
// every wait bounded so a confused client cannot hang a test.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "kernel/file_common.h"
#include "platform/testing_net.h"

namespace platform::testing {
namespace {

constexpr int kPollMs = 50;
constexpr int kIoTimeoutSeconds = 5;
constexpr std::size_t kMaxLine = 4096;

UniqueFd Listen(int& port) {
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.Get() < 0) return {};
    const int yes = 1;
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return {};
    if (::listen(fd.Get(), 4) != 0) return {};
    socklen_t length = sizeof address;
    ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

UniqueFd AcceptWithin(int listener, int milliseconds) {
    pollfd waiting{listener, POLLIN, 0};
    if (::poll(&waiting, 1, milliseconds) <= 0) return {};
    UniqueFd fd(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
    if (fd.Get() >= 0) {
        const timeval limit{kIoTimeoutSeconds, 0};
        ::setsockopt(fd.Get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(fd.Get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    }
    return fd;
}

bool SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

bool ReadLine(int fd, std::string& line) {
    line.clear();
    char c = 0;
    while (line.size() < kMaxLine) {
        if (::recv(fd, &c, 1, 0) != 1) return false;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        line += c;
    }
    return false;
}

std::string Reply(int code, const std::string& text) { return std::to_string(code) + " " + text + "\r\n"; }

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (name.starts_with('/')) return name;
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

std::string TrimSlash(std::string path) {
    while (path.size() > 1 && path.ends_with('/')) path.pop_back();
    return path;
}

}  // namespace

struct LocalNetServer::State {
    Kind kind;
    UniqueFd listener;
    int port = 0;
    std::atomic<bool> stop{false};
    std::thread thread;
    mutable std::mutex lock;
    std::map<std::string, std::string> files;
    std::set<std::string> folders{"/"};
    std::map<std::string, std::string> logins;
    std::vector<std::string> fetched;

    bool Find(const std::string& path, std::string& bytes) {
        const std::lock_guard guard(lock);
        const auto found = files.find(path);
        if (found == files.end()) return false;
        bytes = found->second;
        fetched.push_back(path);
        return true;
    }
    bool FolderExists(const std::string& path) {
        const std::lock_guard guard(lock);
        return folders.count(TrimSlash(path)) != 0;
    }
    bool LoginOk(const std::string& user, const std::string& password) {
        if (user == "anonymous") return true;
        const std::lock_guard guard(lock);
        const auto found = logins.find(user);
        return found != logins.end() && found->second == password;
    }

    void Run() {
        while (!stop) {
            UniqueFd client = AcceptWithin(listener.Get(), kPollMs);
            if (client.Get() < 0) continue;
            if (kind == Kind::kHttp) {
                ServeHttp(client.Get());
            } else {
                ServeFtp(client.Get());
            }
        }
    }

    void ServeHttp(int fd) {
        std::string line;
        if (!ReadLine(fd, line)) return;
        std::istringstream words(line);
        std::string method, path;
        words >> method >> path;
        std::string header;
        while (ReadLine(fd, header) && !header.empty()) {
        }
        std::string bytes;
        if (method == "GET" && Find(path, bytes)) {
            SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(bytes.size()) +
                            "\r\nConnection: close\r\n\r\n" + bytes);
        } else {
            SendAll(fd, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        }
    }

    void ServeFtp(int fd) {
        SendAll(fd, Reply(220, "ready"));
        std::string folder = "/";
        std::string user;
        bool loggedIn = false;
        UniqueFd passive;
        std::string line;
        while (!stop && ReadLine(fd, line)) {
            const std::size_t blank = line.find(' ');
            std::string command = line.substr(0, blank);
            for (char& c : command) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const std::string argument = blank == std::string::npos ? std::string() : line.substr(blank + 1);
            if (command == "USER") {
                user = argument;
                SendAll(fd, Reply(331, "password"));
            } else if (command == "PASS") {
                loggedIn = LoginOk(user, argument);
                SendAll(fd, loggedIn ? Reply(230, "in") : Reply(530, "refused"));
            } else if (command == "QUIT") {
                SendAll(fd, Reply(221, "bye"));
                return;
            } else if (!loggedIn) {
                SendAll(fd, Reply(530, "log in first"));
            } else if (command == "PWD") {
                SendAll(fd, "257 \"" + folder + "\"\r\n");
            } else if (command == "CWD") {
                const std::string to = TrimSlash(JoinPath(folder, argument));
                if (FolderExists(to)) folder = to;
                SendAll(fd, FolderExists(to) ? Reply(250, "ok") : Reply(550, "no such folder"));
            } else if (command == "TYPE") {
                SendAll(fd, Reply(200, "ok"));
            } else if (command == "EPSV" || command == "PASV") {
                int dataPort = 0;
                passive = Listen(dataPort);
                if (command == "EPSV") {
                    SendAll(fd, "229 Entering Extended Passive Mode (|||" + std::to_string(dataPort) + "|)\r\n");
                } else {
                    SendAll(fd, "227 Entering Passive Mode (127,0,0,1," + std::to_string(dataPort / 256) + "," +
                                    std::to_string(dataPort % 256) + ")\r\n");
                }
            } else if (command == "SIZE") {
                std::string bytes;
                const std::lock_guard guard(lock);
                const auto found = files.find(JoinPath(folder, argument));
                SendAll(fd, found != files.end() ? Reply(213, std::to_string(found->second.size()))
                                                 : Reply(550, "no such file"));
            } else if (command == "RETR") {
                std::string bytes;
                if (!Find(JoinPath(folder, argument), bytes)) {
                    SendAll(fd, Reply(550, "no such file"));
                    continue;
                }
                UniqueFd data = passive.Get() >= 0 ? AcceptWithin(passive.Get(), kIoTimeoutSeconds * 1000) : UniqueFd();
                passive = UniqueFd();
                if (data.Get() < 0) {
                    SendAll(fd, Reply(425, "no data connection"));
                    continue;
                }
                SendAll(fd, Reply(150, "sending"));
                SendAll(data.Get(), bytes);
                data = UniqueFd();
                SendAll(fd, Reply(226, "done"));
            } else {
                SendAll(fd, Reply(502, "not here"));
            }
        }
    }
};

LocalNetServer::LocalNetServer(Kind kind) : state_(std::make_unique<State>()) {
    state_->kind = kind;
    state_->listener = Listen(state_->port);
    state_->thread = std::thread([state = state_.get()] { state->Run(); });
}

LocalNetServer::~LocalNetServer() {
    state_->stop = true;
    state_->thread.join();
}

void LocalNetServer::SetFile(const std::string& path, const std::string& bytes) {
    const std::lock_guard guard(state_->lock);
    state_->files[path] = bytes;
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        state_->folders.insert(path.substr(0, slash));
    }
}

void LocalNetServer::AddLogin(const std::string& user, const std::string& password) {
    const std::lock_guard guard(state_->lock);
    state_->logins[user] = password;
}

int LocalNetServer::Port() const { return state_->port; }

std::vector<std::string> LocalNetServer::Fetched() const {
    const std::lock_guard guard(state_->lock);
    return state_->fetched;
}

void RouteHost(TestDevice& device, const std::string& host, int port, int localPort) {
    DeviceProfile profile = Profile();
    const std::string from = host + ":" + std::to_string(port) + ":";
    // A later route of the same host and port replaces the earlier one.
    std::string routes;
    std::istringstream entries(profile.values["netroute"]);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        if (entry.empty() || entry.starts_with(from)) continue;
        routes += entry + ",";
    }
    profile.values["netroute"] = routes + from + "127.0.0.1:" + std::to_string(localPort);
    device.SetProfile(profile);
}

int ClosedLocalPort() {
    int port = 0;
    { UniqueFd probe = Listen(port); }
    return port;
}

}  // namespace platform::testing
