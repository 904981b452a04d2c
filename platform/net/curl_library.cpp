// libcurl is loaded at the first network call, not at process start: it and the libraries it pulls
// in (TLS, Kerberos, LDAP) cost every run a good part of its start, and most runs never go online.
// The curl functions the internet calls use are defined here and call the loaded library.
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>

namespace {

void* Library() {
    static void* const library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    return library;
}

template <class F>
F Symbol(const char* name) {
    void* const library = Library();
    return library ? reinterpret_cast<F>(dlsym(library, name)) : nullptr;
}

// The option ranges say the type of an option's value, as curl itself reads it.
bool IsLongOption(int option) { return option < CURLOPTTYPE_OBJECTPOINT; }
bool IsOffsetOption(int option) { return option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB; }

}  // namespace

// Each forwarder looks its function up once; without the library every call fails as curl would.
#define QV_CURL_FN(name) static const auto fn = Symbol<decltype(&name)>(#name)

CURLcode curl_global_init(long flags) {
    QV_CURL_FN(curl_global_init);
    return fn ? fn(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    QV_CURL_FN(curl_easy_init);
    return fn ? fn() : nullptr;
}

// The rest are only reached with a handle from curl_easy_init, so the library is there.
void curl_easy_cleanup(CURL* curl) {
    QV_CURL_FN(curl_easy_cleanup);
    fn(curl);
}

CURLcode curl_easy_perform(CURL* curl) {
    QV_CURL_FN(curl_easy_perform);
    return fn(curl);
}

CURLcode curl_easy_setopt(CURL* curl, CURLoption option, ...) {
    QV_CURL_FN(curl_easy_setopt);
    va_list args;
    va_start(args, option);
    CURLcode code = CURLE_OK;
    if (IsLongOption(option))
        code = fn(curl, option, va_arg(args, long));
    else if (IsOffsetOption(option))
        code = fn(curl, option, va_arg(args, curl_off_t));
    else
        code = fn(curl, option, va_arg(args, void*));
    va_end(args);
    return code;
}

CURLcode curl_easy_getinfo(CURL* curl, CURLINFO info, ...) {
    QV_CURL_FN(curl_easy_getinfo);
    va_list args;
    va_start(args, info);
    const CURLcode code = fn(curl, info, va_arg(args, void*));
    va_end(args);
    return code;
}

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
    QV_CURL_FN(curl_slist_append);
    return fn ? fn(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list) {
    QV_CURL_FN(curl_slist_free_all);
    if (fn) fn(list);
}
