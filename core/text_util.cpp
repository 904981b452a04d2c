// Character tests, link recognition in free text, the task priority prefix and the file test.
#include "core/text_util.h"

#include <iterator>

#include "core/cts_name_index.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

constexpr std::u16string_view kEmailChars =
    u"1234567890-_.^~abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::u16string_view kUrlChars =
    u".1234567890-abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ:/?&=_";
constexpr std::u16string_view kPhoneChars = u"()-+#";
// Tested in this order, case-sensitive.
constexpr std::u16string_view kUrlMarks[] = {
    u"www", u".com", u"http", u".net", u".org", u".edu", u".biz", u".co.uk", u".info", u".mobi",
    u".tv", u".us", u".eu", u".de", u".cc", u".cn", u".name", u".ws", u".bz",
};
constexpr int kPhoneDigitRun = 3;
constexpr std::size_t kMinTagLength = 3;

}  // namespace

bool IsUpperAscii(WCHAR c) { return c >= u'A' && c <= u'Z'; }

bool IsAsciiLetter(WCHAR c) { return IsUpperAscii(c) || (c >= u'a' && c <= u'z'); }

WCHAR ToUpperAscii(WCHAR c) { return c >= u'a' && c <= u'z' ? static_cast<WCHAR>(c - u'a' + u'A') : c; }

WCHAR ToLowerAscii(WCHAR c) { return IsUpperAscii(c) ? static_cast<WCHAR>(c - u'A' + u'a') : c; }

int DigitValue(WCHAR c) { return c >= u'0' && c <= u'9' ? c - u'0' : -1; }

bool IsEmailChar(WCHAR c) { return kEmailChars.find(c) != std::u16string_view::npos; }

bool IsUrlChar(WCHAR c) { return kUrlChars.find(c) != std::u16string_view::npos; }

bool FindDigitRun(std::u16string_view text, int n, int& pos) {
    int run = 0;
    for (std::size_t i = pos < 0 ? 0 : static_cast<std::size_t>(pos); i < text.size(); ++i) {
        run = DigitValue(text[i]) >= 0 ? run + 1 : 0;
        if (run == n) {
            pos = static_cast<int>(i + 1);
            return true;
        }
    }
    return false;
}

bool IsPhoneChars(std::u16string_view text) {
    for (WCHAR c : text) {
        if (DigitValue(c) < 0 && kPhoneChars.find(c) == std::u16string_view::npos) return false;
    }
    return true;
}

bool LooksLikePhoneNumber(std::u16string_view text) {
    int pos = 0;
    return FindDigitRun(text, kPhoneDigitRun, pos) && FindDigitRun(text, kPhoneDigitRun, pos);
}

bool DetectUrl(std::u16string_view text) {
    for (std::u16string_view mark : kUrlMarks) {
        if (text.find(mark) != std::u16string_view::npos) return true;
    }
    return false;
}

bool IsNoLinkWord(std::u16string_view word) {
    if (word.size() >= kMinTagLength && word.front() == u'[') return word.back() != u']';
    int pos = 0;
    return IsPhoneChars(word) && FindDigitRun(word, kPhoneDigitRun, pos) && !LooksLikePhoneNumber(word);
}

bool TrimBracketTag(std::u16string& text) {
    text = TrimSpaces(text);
    if (text.size() < kMinTagLength || text.front() != u'[' || text.back() != u']') return false;
    text = text.substr(1, text.size() - 2);
    return true;
}

bool IsCtsName(std::u16string_view text) {
    std::u16string tag(text);
    return TrimBracketTag(tag) && FindCtsIdByName(tag) != -1;
}

bool FileExists(const std::u16string& path) {
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

void FormatLetterNumberPrefix(std::u16string& out, std::u16string_view subject, WCHAR letter, LONG number) {
    // The parser reads one or two digits, so a larger number would not come back.
    if (!IsAsciiLetter(letter) || static_cast<DWORD>(number) > kMaxPrefixNumber) {
        out.assign(subject);
        return;
    }
    out = platform::FormatW(u"%c%d: ", letter, static_cast<int>(number));
    out.append(subject);
}

void ParseLetterNumberPrefix(std::u16string& out, std::u16string_view subject, WCHAR& letter, LONG& number) {
    letter = 0;
    number = 0;
    out.assign(subject);
    if (subject.size() < 3 || !IsAsciiLetter(subject[0]) || DigitValue(subject[1]) < 0) return;
    const int d1 = DigitValue(subject[1]);
    std::size_t prefixLength = 0;
    if (subject.size() >= 4 && DigitValue(subject[2]) >= 0 && subject[3] == u':') {
        number = 10 * d1 + DigitValue(subject[2]);
        prefixLength = 4;
    } else if (subject[2] == u':') {
        number = d1;
        prefixLength = 3;
    } else {
        return;
    }
    letter = subject[0];
    // Exactly the prefix and the one blank the writer puts after it: the subject keeps its own text.
    if (prefixLength < subject.size() && subject[prefixLength] == u' ') ++prefixLength;
    out.assign(subject.substr(prefixLength));
}

std::u16string TrimSpaces(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && iswspace(text[first])) ++first;
    while (last > first && iswspace(text[last - 1])) --last;
    return std::u16string(text.substr(first, last - first));
}

std::u16string LowerText(std::u16string_view text) {
    std::u16string lower(text);
    for (WCHAR& c : lower) c = towlower(c);
    return lower;
}
