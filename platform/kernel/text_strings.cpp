// The runtime's wide string calls and the platform's lstr* calls for WCHAR texts.
#include <cstdlib>

#include "platform/text.h"

namespace {

const WCHAR* FindChar(const WCHAR* s, WCHAR c) {
    for (;; ++s) {
        if (*s == c) return s;
        if (!*s) return nullptr;
    }
}

bool Contains(const WCHAR* set, WCHAR c) {
    for (; *set; ++set)
        if (*set == c) return true;
    return false;
}

// The platform's word order for lstrcmpW: letters compare without regard to case first, and
// only texts equal that way are ordered by case, small letters first.
int CompareWithCaseLast(const WCHAR* a, const WCHAR* b) {
    if (const int folded = platform::CompareNoCase(a, b); folded != 0) return folded;
    for (; *a && *a == *b; ++a, ++b) {
    }
    if (*a == *b) return 0;
    const bool smallA = iswlower(*a) != 0;
    const bool smallB = iswlower(*b) != 0;
    if (smallA != smallB) return smallA ? -1 : 1;
    return *a < *b ? -1 : 1;
}

}  // namespace

std::size_t wcslen(const WCHAR* s) {
    const WCHAR* end = s;
    while (*end) ++end;
    return static_cast<std::size_t>(end - s);
}

WCHAR* wcscpy(WCHAR* dst, const WCHAR* src) {
    WCHAR* d = dst;
    while ((*d++ = *src++) != 0) {
    }
    return dst;
}

// As the runtime: pads with zeros up to n and leaves the text unterminated when src is n long or longer.
WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, std::size_t n) {
    std::size_t i = 0;
    for (; i < n && src[i]; ++i) dst[i] = src[i];
    for (; i < n; ++i) dst[i] = 0;
    return dst;
}

WCHAR* wcscat(WCHAR* dst, const WCHAR* src) {
    wcscpy(dst + wcslen(dst), src);
    return dst;
}

WCHAR* wcsncat(WCHAR* dst, const WCHAR* src, std::size_t n) {
    WCHAR* d = dst + wcslen(dst);
    for (std::size_t i = 0; i < n && src[i]; ++i) *d++ = src[i];
    *d = 0;
    return dst;
}

int wcscmp(const WCHAR* a, const WCHAR* b) { return wcsncmp(a, b, static_cast<std::size_t>(-1)); }

int wcsncmp(const WCHAR* a, const WCHAR* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
        if (!a[i]) return 0;
    }
    return 0;
}

int _wcsicmp(const WCHAR* a, const WCHAR* b) { return _wcsnicmp(a, b, static_cast<std::size_t>(-1)); }

int _wcsnicmp(const WCHAR* a, const WCHAR* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const WCHAR x = towlower(a[i]);
        const WCHAR y = towlower(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
    return 0;
}

const WCHAR* wcschr(const WCHAR* s, WCHAR c) { return FindChar(s, c); }
WCHAR* wcschr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(FindChar(s, c)); }

const WCHAR* wcsrchr(const WCHAR* s, WCHAR c) {
    const WCHAR* found = nullptr;
    for (;; ++s) {
        if (*s == c) found = s;
        if (!*s) return found;
    }
}
WCHAR* wcsrchr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(wcsrchr(static_cast<const WCHAR*>(s), c)); }

const WCHAR* wcsstr(const WCHAR* s, const WCHAR* sub) {
    const std::u16string_view text(s);
    const std::size_t at = text.find(sub);
    return at == std::u16string_view::npos ? nullptr : s + at;
}
WCHAR* wcsstr(WCHAR* s, const WCHAR* sub) { return const_cast<WCHAR*>(wcsstr(static_cast<const WCHAR*>(s), sub)); }

std::size_t wcsspn(const WCHAR* s, const WCHAR* accept) {
    std::size_t n = 0;
    while (s[n] && Contains(accept, s[n])) ++n;
    return n;
}

std::size_t wcscspn(const WCHAR* s, const WCHAR* reject) {
    std::size_t n = 0;
    while (s[n] && !Contains(reject, s[n])) ++n;
    return n;
}

WCHAR* _wcsdup(const WCHAR* s) {
    if (!s) return nullptr;
    const std::size_t bytes = (wcslen(s) + 1) * sizeof(WCHAR);
    auto* copy = static_cast<WCHAR*>(std::malloc(bytes));
    if (copy) std::memcpy(copy, s, bytes);
    return copy;
}

WCHAR* _wcslwr(WCHAR* s) {
    for (WCHAR* p = s; *p; ++p) *p = towlower(*p);
    return s;
}

WCHAR* _wcsupr(WCHAR* s) {
    for (WCHAR* p = s; *p; ++p) *p = towupper(*p);
    return s;
}

// The lstr* calls take null pointers quietly, as the platform's do.
int lstrlenW(LPCWSTR s) { return s ? static_cast<int>(wcslen(s)) : 0; }

LPWSTR lstrcpyW(LPWSTR dst, LPCWSTR src) {
    if (!dst || !src) return nullptr;
    return wcscpy(dst, src);
}

LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int maxChars) {
    if (!dst || !src || maxChars <= 0) return nullptr;
    int i = 0;
    for (; i < maxChars - 1 && src[i]; ++i) dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPWSTR lstrcatW(LPWSTR dst, LPCWSTR src) {
    if (!dst || !src) return nullptr;
    return wcscat(dst, src);
}

int lstrcmpW(LPCWSTR a, LPCWSTR b) { return CompareWithCaseLast(a ? a : u"", b ? b : u""); }

int lstrcmpiW(LPCWSTR a, LPCWSTR b) { return platform::CompareNoCase(a ? a : u"", b ? b : u""); }
