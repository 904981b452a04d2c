// Numbers in wide texts. The device's long is 32 bits wide, so the long calls here keep to its
// range: values beyond it are clamped (LONG_MAX or LONG_MIN of the device) as the runtime does.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/text.h"

namespace {

constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr std::uint64_t kUlongMax = std::numeric_limits<std::uint32_t>::max();
constexpr int kNoDigit = 99;

int DigitValue(WCHAR c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'z') return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
    return kNoDigit;
}

struct Parsed {
    std::uint64_t magnitude = 0;
    bool negative = false;
    bool overflow = false;
    const WCHAR* end = nullptr;  // the text itself when no digits were found
};

// Blanks, a sign, a "0x" prefix for base 16 (or 0, which also takes a leading 0 as octal), digits.
Parsed ParseInteger(const WCHAR* s, int base) {
    Parsed r;
    r.end = s;
    if (!s) return r;
    const WCHAR* p = s;
    while (iswspace(*p)) ++p;
    if (*p == u'+' || *p == u'-') r.negative = *p++ == u'-';
    if ((base == 0 || base == 16) && p[0] == u'0' && (p[1] == u'x' || p[1] == u'X') && DigitValue(p[2]) < 16) {
        p += 2;
        base = 16;
    } else if (base == 0) {
        base = p[0] == u'0' ? 8 : 10;
    }
    if (base < 2 || base > 36) return r;
    const WCHAR* digits = p;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (int d; (d = DigitValue(*p)) < base; ++p) {
        if (r.magnitude > (kMax - static_cast<unsigned>(d)) / static_cast<unsigned>(base)) r.overflow = true;
        else r.magnitude = r.magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    if (p == digits) return Parsed{0, false, false, s};
    r.end = p;
    return r;
}

long ToDeviceLong(const Parsed& r) {
    const std::uint64_t limit = r.negative ? static_cast<std::uint64_t>(kLongMax) + 1 : kLongMax;
    if (r.overflow || r.magnitude > limit) {
        errno = ERANGE;
        return r.negative ? -kLongMax - 1 : kLongMax;
    }
    return r.negative ? -static_cast<long>(r.magnitude) : static_cast<long>(r.magnitude);
}

unsigned long ToDeviceUlong(const Parsed& r) {
    if (r.overflow || r.magnitude > kUlongMax) {
        errno = ERANGE;
        return kUlongMax;
    }
    // As the runtime: a minus sign negates within the unsigned range.
    return r.negative ? static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(r.magnitude)) : r.magnitude;
}

WCHAR* Unsigned(std::uint32_t value, bool negative, WCHAR* out, int radix) {
    if (!out) return out;
    if (radix < 2 || radix > 36) {
        out[0] = 0;
        return out;
    }
    WCHAR digits[40];
    int n = 0;
    do {
        digits[n++] = static_cast<WCHAR>("0123456789abcdefghijklmnopqrstuvwxyz"[value % static_cast<unsigned>(radix)]);
        value /= static_cast<unsigned>(radix);
    } while (value != 0);
    WCHAR* p = out;
    if (negative) *p++ = u'-';
    while (n > 0) *p++ = digits[--n];
    *p = 0;
    return out;
}

// Only radix 10 writes a sign; other radixes show the 32-bit pattern.
WCHAR* Signed(std::int32_t value, WCHAR* out, int radix) {
    const bool negative = radix == 10 && value < 0;
    const auto bits = static_cast<std::uint32_t>(value);
    return Unsigned(negative ? 0u - bits : bits, negative, out, radix);
}

}  // namespace

long wcstol(const WCHAR* s, WCHAR** end, int base) {
    const Parsed r = ParseInteger(s, base);
    if (end) *end = const_cast<WCHAR*>(r.end);
    return ToDeviceLong(r);
}

unsigned long wcstoul(const WCHAR* s, WCHAR** end, int base) {
    const Parsed r = ParseInteger(s, base);
    if (end) *end = const_cast<WCHAR*>(r.end);
    return ToDeviceUlong(r);
}

long _wtol(const WCHAR* s) { return ToDeviceLong(ParseInteger(s, 10)); }

int _wtoi(const WCHAR* s) { return static_cast<int>(_wtol(s)); }

// Decimal numbers as the "C" locale writes them, whatever locale the process has.
double wcstod(const WCHAR* s, WCHAR** end) {
    if (end) *end = const_cast<WCHAR*>(s);
    if (!s) return 0.0;
    const WCHAR* p = s;
    while (iswspace(*p)) ++p;
    bool negative = false;
    if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
    std::string narrow;
    for (const WCHAR* q = p; *q > 0x20 && *q < 0x7F; ++q) narrow += static_cast<char>(*q);
    double value = 0.0;
    const auto [stop, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (stop == narrow.data()) return 0.0;
    if (error == std::errc::result_out_of_range) {
        errno = ERANGE;
        // Too large gives HUGE_VAL, too small zero; the exponent's sign tells which.
        const std::size_t e = narrow.find_first_of("eE");
        value = e != std::string::npos && e + 1 < narrow.size() && narrow[e + 1] == '-' ? 0.0 : HUGE_VAL;
    }
    if (end) *end = const_cast<WCHAR*>(p + (stop - narrow.data()));
    return negative ? -value : value;
}

double _wtof(const WCHAR* s) { return wcstod(s, nullptr); }

WCHAR* _itow(int value, WCHAR* out, int radix) { return Signed(value, out, radix); }
WCHAR* _ltow(long value, WCHAR* out, int radix) { return Signed(static_cast<std::int32_t>(value), out, radix); }
WCHAR* _ultow(unsigned long value, WCHAR* out, int radix) {
    return Unsigned(static_cast<std::uint32_t>(value), false, out, radix);
}
