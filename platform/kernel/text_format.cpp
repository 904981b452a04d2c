// The platform's formatting of wide texts: %[flags][width][.precision][size]type as the device's
// wsprintfW and the runtime's wide printf family read it. %s and %c take WCHAR, %S and %C char
// texts in the ANSI page; %ld and %lu take the device's 32-bit LONG and DWORD.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "kernel/code_page.h"
#include "platform/text.h"

namespace {

// wsprintfW's buffer holds at most this many characters, terminator included.
constexpr std::size_t kWsprintfLimit = 1024;

// va_list travels by reference only inside a struct (it is an array type on some targets).
struct Args {
    va_list list;
};

enum class Size { Default, Char, Short, Long, LongLong, Pointer, LongDouble, Wide, Narrow };

struct Conversion {
    bool left = false;
    bool zero = false;
    bool plus = false;
    bool space = false;
    bool alt = false;
    int width = 0;
    int precision = -1;
    Size size = Size::Default;
    char16_t type = 0;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int ReadNumber(const WCHAR*& p) {
    long long n = 0;
    while (IsDigit(*p)) {
        if (n < 1000000) n = n * 10 + (*p - u'0');
        ++p;
    }
    return static_cast<int>(n);
}

// Reads flags, width, precision and size after the '%'; p is left on the type character.
Conversion ReadConversion(const WCHAR*& p, Args& args) {
    Conversion s;
    for (;; ++p) {
        if (*p == u'-') s.left = true;
        else if (*p == u'0') s.zero = true;
        else if (*p == u'+') s.plus = true;
        else if (*p == u' ') s.space = true;
        else if (*p == u'#') s.alt = true;
        else break;
    }
    if (*p == u'*') {
        s.width = va_arg(args.list, int);
        if (s.width < 0) {
            s.left = true;
            s.width = -s.width;
        }
        ++p;
    } else {
        s.width = ReadNumber(p);
    }
    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            s.precision = va_arg(args.list, int);
            if (s.precision < 0) s.precision = -1;
            ++p;
        } else {
            s.precision = ReadNumber(p);
        }
    }
    switch (*p) {
    case u'h':
        ++p;
        s.size = Size::Short;
        if (*p == u'h') {
            ++p;
            s.size = Size::Char;
        }
        break;
    case u'l':
        ++p;
        s.size = Size::Long;
        if (*p == u'l') {
            ++p;
            s.size = Size::LongLong;
        }
        break;
    case u'w': ++p; s.size = Size::Wide; break;
    case u'L': ++p; s.size = Size::LongDouble; break;
    case u'j': ++p; s.size = Size::LongLong; break;
    case u'z':
    case u't': ++p; s.size = Size::Pointer; break;
    case u'I':
        if (p[1] == u'6' && p[2] == u'4') {
            p += 3;
            s.size = Size::LongLong;
        } else if (p[1] == u'3' && p[2] == u'2') {
            p += 3;
            s.size = Size::Long;
        } else {
            ++p;
            s.size = Size::Pointer;
        }
        break;
    }
    s.type = *p;
    return s;
}

void Pad(std::u16string& out, int count, char16_t c) {
    if (count > 0) out.append(static_cast<std::size_t>(count), c);
}

// Places a converted field in its width: prefix (sign, "0x"), then the body.
void PutField(std::u16string& out, const Conversion& s, std::u16string_view prefix, std::u16string_view body, bool zeroPadOk) {
    const int fill = s.width - static_cast<int>(prefix.size() + body.size());
    if (s.left) {
        out += prefix;
        out += body;
        Pad(out, fill, u' ');
    } else if (s.zero && zeroPadOk) {
        out += prefix;
        Pad(out, fill, u'0');
        out += body;
    } else {
        Pad(out, fill, u' ');
        out += prefix;
        out += body;
    }
}

std::int64_t SignedArg(const Conversion& s, Args& args) {
    switch (s.size) {
    case Size::Char: return static_cast<signed char>(va_arg(args.list, int));
    case Size::Short: return static_cast<short>(va_arg(args.list, int));
    case Size::LongLong: return va_arg(args.list, long long);
    case Size::Pointer: return va_arg(args.list, std::intptr_t);
    default: return va_arg(args.list, int);  // int, and the device's 32-bit long
    }
}

std::uint64_t UnsignedArg(const Conversion& s, Args& args) {
    switch (s.size) {
    case Size::Char: return static_cast<unsigned char>(va_arg(args.list, unsigned));
    case Size::Short: return static_cast<unsigned short>(va_arg(args.list, unsigned));
    case Size::LongLong: return va_arg(args.list, unsigned long long);
    case Size::Pointer: return va_arg(args.list, std::uintptr_t);
    default: return va_arg(args.list, unsigned);
    }
}

void PutInteger(std::u16string& out, const Conversion& s, Args& args) {
    const bool isSigned = s.type == u'd' || s.type == u'i';
    std::uint64_t magnitude = 0;
    bool negative = false;
    if (isSigned) {
        const std::int64_t v = SignedArg(s, args);
        negative = v < 0;
        magnitude = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    } else {
        magnitude = UnsignedArg(s, args);
    }
    const unsigned base = s.type == u'o' ? 8 : (s.type == u'x' || s.type == u'X' || s.type == u'p') ? 16 : 10;
    const char* digitSet = s.type == u'x' ? "0123456789abcdef" : "0123456789ABCDEF";
    char16_t buffer[64];
    std::size_t n = 0;
    for (std::uint64_t v = magnitude; v != 0; v /= base) buffer[n++] = static_cast<char16_t>(digitSet[v % base]);
    std::u16string body;
    // Precision is the least number of digits; ".0" prints nothing for zero.
    const int minDigits = s.precision < 0 ? 1 : s.precision;
    Pad(body, minDigits - static_cast<int>(n), u'0');
    while (n > 0) body += buffer[--n];
    if (s.alt && base == 8 && (body.empty() || body[0] != u'0')) body.insert(body.begin(), u'0');
    std::u16string_view prefix;
    if (negative) prefix = u"-";
    else if (isSigned && s.plus) prefix = u"+";
    else if (isSigned && s.space) prefix = u" ";
    else if (s.alt && base == 16 && magnitude != 0) prefix = s.type == u'X' ? u"0X" : u"0x";
    PutField(out, s, prefix, body, s.precision < 0);
}

void PutText(std::u16string& out, const Conversion& s, std::u16string_view text) {
    if (s.precision >= 0 && text.size() > static_cast<std::size_t>(s.precision)) text = text.substr(0, s.precision);
    PutField(out, s, {}, text, true);
}

bool NarrowText(const Conversion& s) {
    const bool upper = s.type == u'S' || s.type == u'C';
    return s.size == Size::Short || (upper && s.size != Size::Long && s.size != Size::Wide);
}

void PutString(std::u16string& out, const Conversion& s, Args& args) {
    if (NarrowText(s)) {
        const char* text = va_arg(args.list, const char*);
        PutText(out, s, text ? platform::FromAnsi(text) : u"(null)");
    } else {
        const WCHAR* text = va_arg(args.list, const WCHAR*);
        PutText(out, s, text ? std::u16string_view(text) : u"(null)");
    }
}

void PutChar(std::u16string& out, const Conversion& s, Args& args) {
    const int value = va_arg(args.list, int);
    if (NarrowText(s)) {
        const char byte = static_cast<char>(value);
        PutField(out, s, {}, platform::FromAnsi(std::string_view(&byte, 1)), true);
    } else {
        const char16_t c = static_cast<char16_t>(value);
        PutField(out, s, {}, std::u16string_view(&c, 1), true);
    }
}

// Floating point through the C runtime, the flags passed on unchanged ("C" locale decimal point).
void PutFloat(std::u16string& out, const Conversion& s, Args& args) {
    std::string format = "%";
    if (s.left) format += '-';
    if (s.zero) format += '0';
    if (s.plus) format += '+';
    if (s.space) format += ' ';
    if (s.alt) format += '#';
    format += std::to_string(s.width);
    if (s.precision >= 0) format += '.' + std::to_string(s.precision);
    const bool longDouble = s.size == Size::LongDouble;
    if (longDouble) format += 'L';
    format += static_cast<char>(s.type);
    char buffer[512];
    const int n = longDouble ? std::snprintf(buffer, sizeof buffer, format.c_str(), va_arg(args.list, long double))
                             : std::snprintf(buffer, sizeof buffer, format.c_str(), va_arg(args.list, double));
    const std::size_t length = n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1);
    for (std::size_t i = 0; i < length; ++i) out += static_cast<char16_t>(buffer[i]);
}

void PutPointer(std::u16string& out, Conversion s, Args& args) {
    s.size = Size::Pointer;
    s.precision = static_cast<int>(sizeof(void*) * 2);
    PutInteger(out, s, args);
}

void FormatTo(std::u16string& out, const WCHAR* format, Args& args) {
    if (!format) return;
    for (const WCHAR* p = format; *p; ++p) {
        if (*p != u'%') {
            out += *p;
            continue;
        }
        ++p;
        const Conversion s = ReadConversion(p, args);
        switch (s.type) {
        case 0: return;
        case u'd': case u'i': case u'u': case u'x': case u'X': case u'o': PutInteger(out, s, args); break;
        case u's': case u'S': PutString(out, s, args); break;
        case u'c': case u'C': PutChar(out, s, args); break;
        case u'e': case u'E': case u'f': case u'F': case u'g': case u'G': case u'a': case u'A': PutFloat(out, s, args); break;
        case u'p': PutPointer(out, s, args); break;
        case u'n': va_arg(args.list, void*); break;  // never writes through a pointer from a format
        default: out += s.type; break;  // "%%" and any letter without meaning stand for themselves
        }
        if (!*p) return;
    }
}

std::u16string Format(const WCHAR* format, va_list list) {
    Args args;
    va_copy(args.list, list);
    std::u16string out;
    FormatTo(out, format, args);
    va_end(args.list);
    return out;
}

}  // namespace

namespace platform {

std::u16string VFormatW(const WCHAR* format, va_list args) { return Format(format, args); }

std::u16string FormatW(const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    std::u16string out = Format(format, args);
    va_end(args);
    return out;
}

}  // namespace platform

// The device cuts the text to its 1024-character buffer, keeping room for the terminator and never
// half a surrogate pair.
int wvsprintfW(LPWSTR out, LPCWSTR format, va_list args) {
    if (!out) return 0;
    std::u16string text = Format(format, args);
    if (text.size() >= kWsprintfLimit) {
        text.resize(kWsprintfLimit - 1);
        if (text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    }
    text.copy(out, text.size());
    out[text.size()] = 0;
    return static_cast<int>(text.size());
}

int wsprintfW(LPWSTR out, LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    const int n = wvsprintfW(out, format, args);
    va_end(args);
    return n;
}

// As the runtime: the terminator only when there is room; -1 when the text was cut.
int _vsnwprintf(WCHAR* out, std::size_t n, const WCHAR* format, va_list args) {
    const std::u16string text = Format(format, args);
    if (!out) return n == 0 ? static_cast<int>(text.size()) : -1;
    if (text.size() > n) {
        text.copy(out, n);
        return -1;
    }
    text.copy(out, text.size());
    if (text.size() < n) out[text.size()] = 0;
    return static_cast<int>(text.size());
}

int _snwprintf(WCHAR* out, std::size_t n, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = _vsnwprintf(out, n, format, args);
    va_end(args);
    return result;
}

HRESULT StringCchVPrintfW(LPWSTR out, std::size_t cch, LPCWSTR format, va_list args) {
    if (!out || cch == 0 || cch > STRSAFE_MAX_CCH) return STRSAFE_E_INVALID_PARAMETER;
    std::u16string text = Format(format, args);
    const bool cut = text.size() >= cch;
    if (cut) {
        text.resize(cch - 1);
        // Never half of a surrogate pair at the end.
        if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    }
    text.copy(out, text.size());
    out[text.size()] = 0;
    return cut ? STRSAFE_E_INSUFFICIENT_BUFFER : S_OK;
}

HRESULT StringCchPrintfW(LPWSTR out, std::size_t cch, LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    const HRESULT result = StringCchVPrintfW(out, cch, format, args);
    va_end(args);
    return result;
}

int swprintf(WCHAR* out, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    const std::u16string text = Format(format, args);
    va_end(args);
    if (!out) return -1;
    text.copy(out, text.size());
    out[text.size()] = 0;
    return static_cast<int>(text.size());
}
