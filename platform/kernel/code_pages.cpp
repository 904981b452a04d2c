// Code-page conversions: the device's ANSI page (UTF-8 by default, Windows-1252 when the profile
// says so), UTF-8 and Windows-1252, with the platform's length and buffer rules, and the runtime's
// wcstombs and mbstowcs through the ANSI page.
#include <cerrno>
#include <optional>

#include "kernel/code_page.h"
#include "platform/device.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

enum class Page { Utf8, Windows1252 };

constexpr UINT kThreadAnsiPage = 3;  // CP_THREAD_ACP
constexpr char kUnmappable = '?';

// Windows-1252 bytes 0x80-0x9F. The five bytes the page leaves undefined map to the control
// characters of the same number, so that any byte survives a round trip.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<Page> ResolvePage(UINT codePage) {
    if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == kThreadAnsiPage) codePage = GetACP();
    if (codePage == CP_UTF8) return Page::Utf8;
    if (codePage == CP_1252) return Page::Windows1252;
    return std::nullopt;
}

Page AnsiPage() { return GetACP() == CP_1252 ? Page::Windows1252 : Page::Utf8; }

char16_t Decode1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? k1252High[b - 0x80] : b; }

std::optional<char> Encode1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (k1252High[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Units of the character starting at i: two for a surrogate pair, else one.
std::size_t CharUnits(std::u16string_view text, std::size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); i += CharUnits(text, i))
        if ((IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) && CharUnits(text, i) == 1) return true;
    return false;
}

// Valid UTF-8 is exactly what decodes and encodes back to the same bytes: anything invalid
// comes back as U+FFFD's own bytes instead.
bool IsValidUtf8(std::string_view bytes) { return platform::ToUtf8(platform::FromUtf8(bytes)) == bytes; }

// 1252 encoding of a whole text; the position of the first character the page lacks, if any.
std::string Encode1252Text(std::u16string_view text, char fallback, std::size_t* firstMissing) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); i += CharUnits(text, i)) {
        const std::optional<char> b = CharUnits(text, i) == 1 ? Encode1252(text[i]) : std::nullopt;
        if (!b && firstMissing && *firstMissing == std::u16string_view::npos) *firstMissing = i;
        out += b ? *b : fallback;
    }
    return out;
}

std::u16string Decode1252Text(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char b : bytes) out += Decode1252(static_cast<unsigned char>(b));
    return out;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// The platform's rule for a converted text: size 0 asks for the length, a short buffer fails.
template <class Text>
int ReturnConverted(const Text& text, typename Text::value_type* out, int outSize) {
    const int needed = static_cast<int>(text.size());
    if (outSize == 0) return needed;
    if (outSize < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    text.copy(out, text.size());
    return needed;
}

}  // namespace

namespace platform {

std::string ToAnsi(std::u16string_view text) {
    return AnsiPage() == Page::Utf8 ? ToUtf8(text) : Encode1252Text(text, kUnmappable, nullptr);
}

std::u16string FromAnsi(std::string_view bytes) {
    return AnsiPage() == Page::Utf8 ? FromUtf8(bytes) : Decode1252Text(bytes);
}

}  // namespace platform

UINT GetACP() { return platform::Profile().ansiCodePage == CP_1252 ? CP_1252 : CP_UTF8; }

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLen, LPSTR out, int outBytes,
                        LPCSTR defaultChar, LPBOOL usedDefault) {
    if (!wide || wideLen == 0 || wideLen < -1 || outBytes < 0 || (outBytes > 0 && !out))
        return Fail(ERROR_INVALID_PARAMETER);
    const std::optional<Page> page = ResolvePage(codePage);
    if (!page) return Fail(ERROR_INVALID_PARAMETER);
    // -1 takes the text with its terminator, which then counts in the result.
    const std::u16string_view text(wide, wideLen == -1 ? wcslen(wide) + 1 : static_cast<std::size_t>(wideLen));
    if (usedDefault) *usedDefault = FALSE;
    if (*page == Page::Utf8) {
        if ((flags & WC_ERR_INVALID_CHARS) && HasLoneSurrogate(text)) return Fail(ERROR_NO_UNICODE_TRANSLATION);
        return ReturnConverted(platform::ToUtf8(text), out, outBytes);
    }
    std::size_t missing = std::u16string_view::npos;
    const std::string bytes = Encode1252Text(text, defaultChar ? *defaultChar : kUnmappable, &missing);
    if (usedDefault && missing != std::u16string_view::npos) *usedDefault = TRUE;
    return ReturnConverted(bytes, out, outBytes);
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR bytes, int byteLen, LPWSTR out, int outChars) {
    if (!bytes || byteLen == 0 || byteLen < -1 || outChars < 0 || (outChars > 0 && !out))
        return Fail(ERROR_INVALID_PARAMETER);
    const std::optional<Page> page = ResolvePage(codePage);
    if (!page) return Fail(ERROR_INVALID_PARAMETER);
    const std::string_view text(bytes, byteLen == -1 ? std::strlen(bytes) + 1 : static_cast<std::size_t>(byteLen));
    if (*page == Page::Windows1252) return ReturnConverted(Decode1252Text(text), out, outChars);
    if ((flags & MB_ERR_INVALID_CHARS) && !IsValidUtf8(text)) return Fail(ERROR_NO_UNICODE_TRANSLATION);
    return ReturnConverted(platform::FromUtf8(text), out, outChars);
}

// The runtime's rules: the count excludes the terminator, written only when it fits; a character
// is never split; (size_t)-1 with EILSEQ for a character the page cannot take, after the part
// before it has been written.
std::size_t wcstombs(char* out, const WCHAR* in, std::size_t outBytes) {
    constexpr auto kFailed = static_cast<std::size_t>(-1);
    if (!in) {
        errno = EINVAL;
        return kFailed;
    }
    const std::u16string_view text(in);
    std::string bytes;
    bool failed = false;
    if (AnsiPage() == Page::Utf8) {
        bytes = platform::ToUtf8(text);
    } else {
        std::size_t missing = std::u16string_view::npos;
        bytes = Encode1252Text(text, kUnmappable, &missing);
        if (missing != std::u16string_view::npos) {
            bytes.resize(missing);
            failed = true;
        }
    }
    if (!out) {
        if (failed) errno = EILSEQ;
        return failed ? kFailed : bytes.size();
    }
    std::size_t n = bytes.size();
    if (n > outBytes) {
        n = outBytes;
        while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80) --n;  // whole characters only
    }
    bytes.copy(out, n);
    if (n < outBytes) out[n] = 0;
    if (failed) errno = EILSEQ;
    return failed ? kFailed : n;
}

std::size_t mbstowcs(WCHAR* out, const char* in, std::size_t outChars) {
    constexpr auto kFailed = static_cast<std::size_t>(-1);
    if (!in) {
        errno = EINVAL;
        return kFailed;
    }
    const std::string_view bytes(in);
    if (AnsiPage() == Page::Utf8 && !IsValidUtf8(bytes)) {
        errno = EILSEQ;
        return kFailed;
    }
    const std::u16string text = AnsiPage() == Page::Utf8 ? platform::FromUtf8(bytes) : Decode1252Text(bytes);
    if (!out) return text.size();
    std::size_t n = text.size();
    if (n > outChars) {
        n = outChars;
        if (n > 0 && IsLowSurrogate(text[n]) && IsHighSurrogate(text[n - 1])) --n;  // never half a pair
    }
    text.copy(out, n);
    if (n < outChars) out[n] = 0;
    return n;
}

std::size_t mbstowcs(std::nullptr_t, const char* in, std::size_t outChars) {
    return mbstowcs(static_cast<WCHAR*>(nullptr), in, outChars);
}
