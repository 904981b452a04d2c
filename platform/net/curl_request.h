// One libcurl transfer as the internet functions run it: the address, the login, the profile's
// host routes and time limits, and where the bytes go.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform::net {

struct CurlRequest {
    std::string url;
    std::string user;
    std::string password;
    std::string agent;
    bool headOnly = false;  // log in and walk to the folder, transfer nothing
    bool reload = false;    // ask caches along the way for a fresh copy
    // Receives the bytes; false stops the transfer as failed.
    std::function<bool(std::string_view)> sink;
};

struct CurlResult {
    bool ok = false;
    long httpStatus = 0;
    DWORD error = 0;  // an ERROR_INTERNET_* code when !ok
};

CurlResult RunCurl(const CurlRequest& request);

// "host:port:address:port" entries of the profile's "netroute" key, separated by commas or blanks.
std::string NetRouteSetting();

}  // namespace platform::net
