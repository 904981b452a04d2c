// Conversions through the runtime's wcstombs and mbstowcs, with the cases they refuse handled
// character by character so that one bad character never costs the whole text.
#include "core/ansi_text.h"

#include "platform/text.h"

namespace {

constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);
// Long enough for the bytes of one character (a surrogate pair included) and a terminator.
constexpr std::size_t kCharBytes = 8;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }
std::string_view UpToNul(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

// One character at a time: slower, used only when the text is too long or holds a character
// the code page refuses.
std::string ConvertByCharacter(std::u16string_view text, std::size_t maxBytes, bool* cut) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t units = 1;
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) units = 2;
        const std::u16string one(text.substr(i, units));
        char bytes[kCharBytes] = {};
        const std::size_t n = wcstombs(bytes, one.c_str(), sizeof bytes);
        i += units;
        if (n == kConversionFailed) continue;
        if (out.size() + n > maxBytes) {
            if (cut) *cut = true;
            break;
        }
        out.append(bytes, n);
    }
    return out;
}

}  // namespace

std::string ToAnsi(std::u16string_view text, std::size_t maxBytes, bool* cut) {
    if (cut) *cut = false;
    const std::u16string whole(UpToNul(text));
    const std::size_t needed = wcstombs(nullptr, whole.c_str(), 0);
    if (needed == kConversionFailed || needed > maxBytes) return ConvertByCharacter(whole, maxBytes, cut);
    std::string out(needed + 1, '\0');
    const std::size_t written = wcstombs(out.data(), whole.c_str(), out.size());
    out.resize(written == kConversionFailed ? 0 : written);
    return out;
}

bool AnsiHoldsAll(std::u16string_view text) {
    // The conversion stops at a NUL and drops a lone surrogate: texts that differ there alone would
    // come out the same.
    if (text.find(u'\0') != std::u16string_view::npos) return false;
    if (text.empty()) return true;
    const int units = static_cast<int>(text.size());
    if (GetACP() == CP_UTF8)
        return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), units, nullptr, 0, nullptr, nullptr) > 0;
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, &usedDefault);
    return n > 0 && !usedDefault;
}

std::u16string FromAnsi(std::string_view bytes) {
    const std::string whole(UpToNul(bytes));
    const std::size_t needed = mbstowcs(static_cast<WCHAR*>(nullptr), whole.c_str(), 0);
    if (needed != kConversionFailed) {
        std::u16string out(needed + 1, u'\0');
        const std::size_t written = mbstowcs(out.data(), whole.c_str(), out.size());
        if (written != kConversionFailed) {
            out.resize(written);
            return out;
        }
    }
    // Bytes the code page does not accept (a file from another code page): keep what can be read.
    const int length = MultiByteToWideChar(CP_ACP, 0, whole.data(), static_cast<int>(whole.size()), nullptr, 0);
    if (length <= 0) return {};
    std::u16string out(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, whole.data(), static_cast<int>(whole.size()), out.data(), length);
    return out;
}
