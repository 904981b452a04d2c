// swscanf for WCHAR texts: %d %i %u %x %X %o %s %c %[...] %f %e %g %n %%, widths, '*' to skip a
// field, sizes h hh l ll I64 L. %ld stores the device's 32-bit LONG; %S and %hs store char texts
// in the ANSI page.
#include <cstdint>
#include <string>

#include "kernel/code_page.h"
#include "platform/text.h"

namespace {

struct Args {
    va_list list;
};

enum class Size { Default, Char, Short, Long, LongLong, LongDouble, Narrow };

struct Field {
    bool skip = false;  // '*': read but not stored
    std::size_t width = 0;  // 0: no limit
    Size size = Size::Default;
    WCHAR type = 0;
};

bool IsDigit(WCHAR c) { return c >= u'0' && c <= u'9'; }

Field ReadField(const WCHAR*& f) {
    Field field;
    if (*f == u'*') {
        field.skip = true;
        ++f;
    }
    while (IsDigit(*f)) field.width = field.width * 10 + static_cast<std::size_t>(*f++ - u'0');
    if (*f == u'h') {
        ++f;
        field.size = Size::Short;
        if (*f == u'h') {
            ++f;
            field.size = Size::Char;
        }
    } else if (*f == u'l' || *f == u'w') {
        ++f;
        field.size = Size::Long;
        if (*f == u'l') {
            ++f;
            field.size = Size::LongLong;
        }
    } else if (*f == u'L') {
        ++f;
        field.size = Size::LongDouble;
    } else if (f[0] == u'I' && f[1] == u'6' && f[2] == u'4') {
        f += 3;
        field.size = Size::LongLong;
    }
    field.type = *f;
    return field;
}

// The characters of the input a field may take: at most its width.
std::u16string_view Window(const WCHAR* in, std::size_t width) {
    const std::u16string_view rest(in);
    return width == 0 ? rest : rest.substr(0, width);
}

void StoreSigned(const Field& field, Args& args, std::int64_t v) {
    switch (field.size) {
    case Size::Char: *va_arg(args.list, signed char*) = static_cast<signed char>(v); break;
    case Size::Short: *va_arg(args.list, short*) = static_cast<short>(v); break;
    case Size::LongLong: *va_arg(args.list, long long*) = v; break;
    default: *va_arg(args.list, std::int32_t*) = static_cast<std::int32_t>(v); break;  // int and LONG
    }
}

int DigitOf(WCHAR c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 99;
}

// An integer within the field's window; false when no digits are there. %i reads "0x" as hex and
// a leading 0 as octal.
bool ScanInteger(const WCHAR*& in, const Field& field, Args& args) {
    const std::u16string_view w = Window(in, field.width);
    std::size_t i = 0;
    const bool negative = !w.empty() && w[0] == u'-';
    if (!w.empty() && (w[0] == u'+' || w[0] == u'-')) ++i;
    int radix = field.type == u'd' || field.type == u'u' ? 10 : field.type == u'i' ? 0 : field.type == u'o' ? 8 : 16;
    if ((radix == 0 || radix == 16) && i + 2 < w.size() && w[i] == u'0' && (w[i + 1] == u'x' || w[i + 1] == u'X') &&
        DigitOf(w[i + 2]) < 16) {
        i += 2;
        radix = 16;
    } else if (radix == 0) {
        radix = i < w.size() && w[i] == u'0' ? 8 : 10;
    }
    const std::size_t digits = i;
    std::uint64_t magnitude = 0;
    for (; i < w.size() && DigitOf(w[i]) < radix; ++i)
        magnitude = magnitude * static_cast<unsigned>(radix) + static_cast<unsigned>(DigitOf(w[i]));
    if (i == digits) return false;
    in += i;
    if (!field.skip) {
        StoreSigned(field, args, static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude));
    }
    return true;
}

bool ScanFloat(const WCHAR*& in, const Field& field, Args& args) {
    const std::u16string window(Window(in, field.width));
    WCHAR* end = nullptr;
    const double v = wcstod(window.c_str(), &end);
    if (end == window.c_str()) return false;
    in += end - window.c_str();
    if (field.skip) return true;
    if (field.size == Size::LongDouble) *va_arg(args.list, long double*) = v;
    else if (field.size == Size::Long) *va_arg(args.list, double*) = v;
    else *va_arg(args.list, float*) = static_cast<float>(v);
    return true;
}

bool NarrowTarget(const Field& field) {
    return field.size == Size::Short || ((field.type == u'S' || field.type == u'C') && field.size != Size::Long);
}

// Stores a run of characters as a text (terminated) or, for %c, as they stand.
void StoreText(const Field& field, Args& args, std::u16string_view text, bool terminate) {
    if (field.skip) return;
    if (NarrowTarget(field)) {
        const std::string bytes = platform::ToAnsi(text);
        char* out = va_arg(args.list, char*);
        bytes.copy(out, bytes.size());
        if (terminate) out[bytes.size()] = 0;
    } else {
        WCHAR* out = va_arg(args.list, WCHAR*);
        text.copy(out, text.size());
        if (terminate) out[text.size()] = 0;
    }
}

// The set of a %[...] field; f is on the character after '['. Ranges "a-z"; ']' first is a member.
bool InScanSet(const WCHAR* set, const WCHAR* setEnd, WCHAR c) {
    for (const WCHAR* p = set; p < setEnd; ++p) {
        if (p + 2 < setEnd && p[1] == u'-') {
            if (c >= p[0] && c <= p[2]) return true;
            p += 2;
        } else if (*p == c) {
            return true;
        }
    }
    return false;
}

int Scan(const WCHAR* in, const WCHAR* f, Args& args) {
    if (!in || !f) return -1;
    const WCHAR* const start = in;
    int assigned = 0;
    bool converted = false;
    for (; *f; ++f) {
        if (iswspace(*f)) {
            while (iswspace(*in)) ++in;
            continue;
        }
        if (*f != u'%' || f[1] == u'%') {
            if (*f == u'%') ++f;
            if (*in != *f) break;
            ++in;
            continue;
        }
        ++f;
        const Field field = ReadField(f);
        if (!field.type) break;
        if (field.type == u'n') {
            if (!field.skip) *va_arg(args.list, int*) = static_cast<int>(in - start);
            continue;
        }
        if (field.type != u'c' && field.type != u'C' && field.type != u'[')
            while (iswspace(*in)) ++in;
        if (!*in) return converted ? assigned : -1;  // the input ended before this field
        bool ok = false;
        switch (field.type) {
        case u'd': case u'i': case u'u': case u'x': case u'X': case u'o': ok = ScanInteger(in, field, args); break;
        case u'e': case u'E': case u'f': case u'g': case u'G': ok = ScanFloat(in, field, args); break;
        case u's': case u'S': {
            const std::u16string_view window = Window(in, field.width);
            std::size_t n = 0;
            while (n < window.size() && !iswspace(window[n])) ++n;
            StoreText(field, args, window.substr(0, n), true);
            in += n;
            ok = true;
            break;
        }
        case u'c': case u'C': {
            const std::u16string_view window = Window(in, field.width == 0 ? 1 : field.width);
            StoreText(field, args, window, false);
            in += window.size();
            ok = true;
            break;
        }
        case u'[': {
            const WCHAR* set = ++f;
            const bool negate = *set == u'^';
            if (negate) set = ++f;
            if (*f == u']') ++f;
            while (*f && *f != u']') ++f;
            if (!*f) return assigned;
            const std::u16string_view window = Window(in, field.width);
            std::size_t n = 0;
            while (n < window.size() && InScanSet(set, f, window[n]) != negate) ++n;
            if (n == 0) break;
            StoreText(field, args, window.substr(0, n), true);
            in += n;
            ok = true;
            break;
        }
        default: return assigned;
        }
        if (!ok) break;
        converted = true;
        if (!field.skip) ++assigned;
    }
    return assigned;
}

}  // namespace

int swscanf(const WCHAR* in, const WCHAR* format, ...) {
    Args args;
    va_start(args.list, format);
    const int n = Scan(in, format, args);
    va_end(args.list);
    return n;
}
