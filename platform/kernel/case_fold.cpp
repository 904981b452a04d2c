// Simple case folding, one UTF-16 unit to one: ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic. Names in the registry, the file system and the program's lists compare through it.
#include "platform/text.h"

namespace {

bool InRange(WCHAR c, unsigned lo, unsigned hi) { return c >= lo && c <= hi; }

}  // namespace

WCHAR towlower(WCHAR c) {
    if (InRange(c, 'A', 'Z')) return static_cast<WCHAR>(c + 32);
    if (c < 0x80) return c;
    if ((InRange(c, 0xC0, 0xDE) && c != 0xD7) || (InRange(c, 0x391, 0x3AB) && c != 0x3A2) || InRange(c, 0x410, 0x42F))
        return static_cast<WCHAR>(c + 32);
    if (InRange(c, 0x400, 0x40F)) return static_cast<WCHAR>(c + 0x50);
    if (c == 0x178) return 0xFF;
    if (c == 0x130) return u'i';
    if ((InRange(c, 0x100, 0x137) || InRange(c, 0x14A, 0x177)) && c % 2 == 0) return static_cast<WCHAR>(c + 1);
    if ((InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E)) && c % 2 == 1) return static_cast<WCHAR>(c + 1);
    return c;
}

WCHAR towupper(WCHAR c) {
    if (InRange(c, 'a', 'z')) return static_cast<WCHAR>(c - 32);
    if (c < 0x80) return c;
    if ((InRange(c, 0xE0, 0xFE) && c != 0xF7) || InRange(c, 0x3B1, 0x3CB) || InRange(c, 0x430, 0x44F))
        return c == 0x3C2 ? static_cast<WCHAR>(0x3A3) : static_cast<WCHAR>(c - 32);
    if (InRange(c, 0x450, 0x45F)) return static_cast<WCHAR>(c - 0x50);
    if (c == 0xFF) return 0x178;
    if ((InRange(c, 0x101, 0x137) || InRange(c, 0x14B, 0x177)) && c % 2 == 1) return static_cast<WCHAR>(c - 1);
    if ((InRange(c, 0x13A, 0x148) || InRange(c, 0x17A, 0x17E)) && c % 2 == 0) return static_cast<WCHAR>(c - 1);
    return c;
}

namespace platform {

std::u16string FoldCase(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) c = towlower(c);
    return out;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const WCHAR x = towlower(a[i]);
        const WCHAR y = towlower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace platform
