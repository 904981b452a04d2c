// The test API of the internet functions: a small FTP and HTTP server on 127.0.0.1 that serves
// files from memory, and routing the device's host names to it.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/testing.h"

namespace platform::testing {

// Serves on an ephemeral port of 127.0.0.1 until destroyed. Anonymous FTP logins and any login
// in `logins` are accepted; folders are the keys' folders ("/a/b/c.txt" makes "/a" and "/a/b").
// HTTP answers a GET of a known path with 200 and the bytes, any other with 404.
class LocalNetServer {
public:
    enum class Kind { kFtp, kHttp };
    explicit LocalNetServer(Kind kind);
    ~LocalNetServer();
    LocalNetServer(const LocalNetServer&) = delete;
    LocalNetServer& operator=(const LocalNetServer&) = delete;

    void SetFile(const std::string& path, const std::string& bytes);
    void AddLogin(const std::string& user, const std::string& password);
    int Port() const;
    // The paths fetched so far (RETR or GET), in order.
    std::vector<std::string> Fetched() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Routes host:port of the device to 127.0.0.1:localPort through the profile ("netroute"),
// replacing an earlier route of that host and port.
void RouteHost(TestDevice& device, const std::string& host, int port, int localPort);
// A port of 127.0.0.1 where nothing listens.
int ClosedLocalPort();

}  // namespace platform::testing
