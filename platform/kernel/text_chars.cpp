// Character classes of single UTF-16 units, and the platform's in-place case changes.
#include "platform/text.h"

namespace {

struct Range {
    char16_t first;
    char16_t last;
};

// Letters beyond ASCII: Latin, Greek, Cyrillic, Armenian, Hebrew, Arabic, the Indic and Thai
// blocks, Georgian, Hangul Jamo, Latin Extended Additional, Greek Extended, kana, CJK, Hangul.
constexpr Range kLetters[] = {
    {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA}, {0x00C0, 0x00D6}, {0x00D8, 0x00F6},
    {0x00F8, 0x02AF}, {0x0370, 0x0373}, {0x0376, 0x0377}, {0x037B, 0x037D}, {0x0386, 0x0386},
    {0x0388, 0x03FF}, {0x0400, 0x0481}, {0x048A, 0x052F}, {0x0531, 0x0556}, {0x0561, 0x0587},
    {0x05D0, 0x05EA}, {0x0620, 0x064A}, {0x0671, 0x06D3}, {0x0900, 0x0DFF}, {0x0E01, 0x0E30},
    {0x10A0, 0x10FF}, {0x1100, 0x11FF}, {0x1E00, 0x1FFF}, {0x3041, 0x3096}, {0x30A1, 0x30FA},
    {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFF21, 0xFF3A},
    {0xFF41, 0xFF5A},
};

// Punctuation and symbols beyond ASCII.
constexpr Range kPunctuation[] = {
    {0x00A1, 0x00A9}, {0x00AB, 0x00B4}, {0x00B6, 0x00B9}, {0x00BB, 0x00BF}, {0x00D7, 0x00D7},
    {0x00F7, 0x00F7}, {0x2010, 0x2027}, {0x2030, 0x205E}, {0x20A0, 0x20CF}, {0x2100, 0x214F},
    {0x2190, 0x23FF}, {0x2500, 0x27BF}, {0x3001, 0x3003}, {0x3008, 0x3011}, {0xFF01, 0xFF0F},
};

constexpr Range kSpaces[] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0}, {0x1680, 0x1680},
    {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

template <std::size_t N>
bool InRanges(const Range (&ranges)[N], WCHAR c) {
    for (const Range& r : ranges)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

bool IsAsciiLetter(WCHAR c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// A pointer whose high word is zero is one character passed in place of a text.
bool IsCharInPointer(LPWSTR s) { return (reinterpret_cast<ULONG_PTR>(s) >> 16) == 0; }

template <class Convert>
LPWSTR ConvertText(LPWSTR s, Convert convert) {
    if (IsCharInPointer(s)) {
        const auto c = static_cast<WCHAR>(reinterpret_cast<ULONG_PTR>(s));
        return reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(convert(c)));
    }
    for (WCHAR* p = s; *p; ++p) *p = convert(*p);
    return s;
}

template <class Convert>
DWORD ConvertBuffer(LPWSTR s, DWORD len, Convert convert) {
    if (!s) return 0;
    for (DWORD i = 0; i < len; ++i) s[i] = convert(s[i]);
    return len;
}

}  // namespace

int iswspace(WCHAR c) { return InRanges(kSpaces, c); }
int iswdigit(WCHAR c) { return c >= u'0' && c <= u'9'; }
int iswxdigit(WCHAR c) { return iswdigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }
int iswalpha(WCHAR c) { return c < 0x80 ? IsAsciiLetter(c) : InRanges(kLetters, c); }
int iswalnum(WCHAR c) { return iswalpha(c) || iswdigit(c); }
int iswupper(WCHAR c) { return towlower(c) != c; }
// Also the small letters without a capital of their own (sharp s, kra, n preceded by apostrophe).
int iswlower(WCHAR c) { return towupper(c) != c || c == 0xDF || c == 0x138 || c == 0x149; }
int iswpunct(WCHAR c) {
    if (c < 0x80) return c > 0x20 && c < 0x7F && !IsAsciiLetter(c) && !iswdigit(c);
    return InRanges(kPunctuation, c);
}

BOOL IsCharAlphaW(WCHAR c) { return iswalpha(c) ? TRUE : FALSE; }
BOOL IsCharAlphaNumericW(WCHAR c) { return iswalnum(c) ? TRUE : FALSE; }
BOOL IsCharUpperW(WCHAR c) { return iswupper(c) ? TRUE : FALSE; }
BOOL IsCharLowerW(WCHAR c) { return iswlower(c) ? TRUE : FALSE; }

LPWSTR CharLowerW(LPWSTR s) { return ConvertText(s, [](WCHAR c) { return towlower(c); }); }
LPWSTR CharUpperW(LPWSTR s) { return ConvertText(s, [](WCHAR c) { return towupper(c); }); }
DWORD CharLowerBuffW(LPWSTR s, DWORD len) { return ConvertBuffer(s, len, [](WCHAR c) { return towlower(c); }); }
DWORD CharUpperBuffW(LPWSTR s, DWORD len) { return ConvertBuffer(s, len, [](WCHAR c) { return towupper(c); }); }
