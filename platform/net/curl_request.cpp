// Runs one transfer with libcurl. Every transfer is bounded in time, so an address that does not
// answer fails rather than hanging the window that asked.
#include "net/curl_request.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <sstream>

#include "platform/device.h"
#include "platform/wininet.h"

namespace platform::net {
namespace {

constexpr long kConnectTimeoutSeconds = 15;
constexpr long kTransferTimeoutSeconds = 120;
constexpr const char* kRouteKey = "netroute";

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t WriteToSink(char* data, size_t size, size_t count, void* user) {
    const auto* request = static_cast<const CurlRequest*>(user);
    const size_t bytes = size * count;
    if (request->sink && !request->sink(std::string_view(data, bytes))) return 0;
    return bytes;
}

struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct EasyFree {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

std::unique_ptr<curl_slist, SlistFree> RouteList() {
    curl_slist* list = nullptr;
    std::string entries = NetRouteSetting();
    for (char& c : entries)
        if (c == ',') c = ' ';
    std::istringstream words(entries);
    std::string entry;
    while (words >> entry) list = curl_slist_append(list, entry.c_str());
    return std::unique_ptr<curl_slist, SlistFree>(list);
}

DWORD ErrorOf(CURLcode code) {
    switch (code) {
    case CURLE_URL_MALFORMAT: return ERROR_INTERNET_INVALID_URL;
    case CURLE_UNSUPPORTED_PROTOCOL: return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    case CURLE_COULDNT_RESOLVE_HOST: return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT: return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT: return ERROR_INTERNET_TIMEOUT;
    default: return ERROR_INTERNET_EXTENDED_ERROR;
    }
}

}  // namespace

std::string NetRouteSetting() {
    const auto& values = Profile().values;
    const auto found = values.find(kRouteKey);
    return found == values.end() ? std::string() : found->second;
}

CurlResult RunCurl(const CurlRequest& request) {
    GlobalInit();
    CurlResult result;
    std::unique_ptr<CURL, EasyFree> easy(curl_easy_init());
    if (!easy) {
        result.error = ERROR_INTERNET_INTERNAL_ERROR;
        return result;
    }
    CURL* e = easy.get();
    const auto routes = RouteList();
    curl_easy_setopt(e, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(e, CURLOPT_TIMEOUT, kTransferTimeoutSeconds);
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https,ftp");
    if (routes) curl_easy_setopt(e, CURLOPT_CONNECT_TO, routes.get());
    if (!request.agent.empty()) curl_easy_setopt(e, CURLOPT_USERAGENT, request.agent.c_str());
    if (!request.user.empty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, request.user.c_str());
        curl_easy_setopt(e, CURLOPT_PASSWORD, request.password.c_str());
    }
    std::unique_ptr<curl_slist, SlistFree> headers;
    if (request.reload) {
        headers.reset(curl_slist_append(nullptr, "Cache-Control: no-cache"));
        curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
    }
    if (request.headOnly) curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, WriteToSink);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, const_cast<CurlRequest*>(&request));
    const CURLcode code = curl_easy_perform(e);
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    result.ok = code == CURLE_OK;
    if (!result.ok) result.error = ErrorOf(code);
    return result;
}

}  // namespace platform::net
