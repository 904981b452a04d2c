// Small text operations shared by the views, editors and loaders: ASCII tests, digit runs, the
// recognition of phone numbers, web addresses and contact tags in free text, the letter+number
// priority prefix of task subjects, and a file existence test.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "platform/text.h"
#include "platform/types.h"

// One UTF-16 unit at a time; characters outside ASCII fail the tests and are left unchanged.
bool IsUpperAscii(WCHAR c);
bool IsAsciiLetter(WCHAR c);
WCHAR ToUpperAscii(WCHAR c);
WCHAR ToLowerAscii(WCHAR c);
int DigitValue(WCHAR c);  // -1 for anything but '0' to '9'
bool IsEmailChar(WCHAR c);
bool IsUrlChar(WCHAR c);

// Scans from pos for n consecutive digits; on success pos is just past the n-th digit of the run.
// pos is unchanged on failure.
bool FindDigitRun(std::u16string_view text, int n, int& pos);
bool IsPhoneChars(std::u16string_view text);
bool LooksLikePhoneNumber(std::u16string_view text);
bool DetectUrl(std::u16string_view text);
// A word the link scan joins with the next word: an unclosed bracket tag, or a short digit code.
bool IsNoLinkWord(std::u16string_view word);
// Trims the text; strips the brackets of a "[...]" tag of at least 3 characters and returns true.
bool TrimBracketTag(std::u16string& text);
// A "[...]" tag naming a loaded contact.
bool IsCtsName(std::u16string_view text);
bool FileExists(const std::u16string& path);

// The priority prefix "%c%d: " of a task subject: a letter, one or two digits, a colon and a blank.
inline constexpr int kMaxPrefixNumber = 99;
// The subject with the prefix in front, or the subject alone when letter or number cannot be one.
void FormatLetterNumberPrefix(std::u16string& out, std::u16string_view subject, WCHAR letter, LONG number);
// Splits a prefix from the subject; letter and number are 0 and out is the subject when there is none.
void ParseLetterNumberPrefix(std::u16string& out, std::u16string_view subject, WCHAR& letter, LONG& number);

// White space trimmed at both ends (the runtime's wide white space test).
std::u16string TrimSpaces(std::u16string_view text);
// Every piece of a comma-separated text, trimmed, empty pieces left out.
template <class F>
void ForEachCommaPiece(std::u16string_view text, F&& f) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(u',', start);
        if (comma == std::u16string_view::npos) comma = text.size();
        const std::u16string piece = TrimSpaces(text.substr(start, comma - start));
        if (!piece.empty()) f(piece);
        start = comma + 1;
    }
}
// The C runtime's wide lower-casing of a whole text.
std::u16string LowerText(std::u16string_view text);

// Fills the numbered inserts ("%1", "%2!d!") of a message text into out; returns the characters
// written, 0 when the text does not fit or an insert has no argument. Texts are passed as WCHAR
// pointers, numbers as integers.
template <class T>
DWORD_PTR InsertWord(T value) {
    if constexpr (std::is_pointer_v<T>) return reinterpret_cast<DWORD_PTR>(value);
    else return static_cast<DWORD_PTR>(value);
}

template <class... Args>
int FormatTextToBuf(WCHAR* out, int outChars, const WCHAR* format, Args... args) {
    static_assert(((std::is_integral_v<Args> || std::is_pointer_v<Args>) && ...), "texts and numbers only");
    DWORD_PTR words[sizeof...(Args) + 1] = {InsertWord(args)...};
    if (!out || outChars <= 0) return 0;
    const DWORD flags = FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY;
    const DWORD written = FormatMessageW(flags, format, 0, 0, out, static_cast<DWORD>(outChars),
                                         sizeof...(Args) ? reinterpret_cast<va_list*>(words) : nullptr);
    if (written == 0) out[0] = 0;
    return static_cast<int>(written);
}
