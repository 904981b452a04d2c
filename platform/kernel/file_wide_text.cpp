// fgetws and fputws: wide text read from and written to any stream in the device's ANSI code page.
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/text.h"

namespace {

constexpr WCHAR kReplacement = u'\xFFFD';
constexpr std::size_t kLongestCharacter = 4;  // bytes of one UTF-8 character

// How many bytes the character starting with lead takes in the ANSI page.
std::size_t CharacterBytes(unsigned char lead) {
    if (GetACP() != CP_UTF8 || lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return kLongestCharacter;
}

}  // namespace

WCHAR* fgetws(WCHAR* out, int n, FILE* stream) {
    if (!out || n <= 0 || !stream) {
        errno = EINVAL;
        return nullptr;
    }
    const auto room = static_cast<std::size_t>(n - 1);
    std::size_t count = 0;
    bool sawAny = false;
    while (count < room) {
        const int lead = std::getc(stream);
        if (lead == EOF) break;
        sawAny = true;
        if (lead == 0) {  // kept as the runtime keeps it; mbstowcs would read it as the end
            out[count++] = 0;
            continue;
        }
        const std::size_t length = CharacterBytes(static_cast<unsigned char>(lead));
        // A character beyond the basic plane takes two units; it waits for the next call.
        if (length == kLongestCharacter && count + 2 > room) {
            std::ungetc(lead, stream);
            break;
        }
        char bytes[kLongestCharacter + 1] = {static_cast<char>(lead)};
        std::size_t got = 1;
        while (got < length) {
            const int next = std::getc(stream);
            if (next == EOF) break;
            if ((next & 0xC0) != 0x80) {  // a broken sequence: the stray byte starts the next character
                std::ungetc(next, stream);
                break;
            }
            bytes[got++] = static_cast<char>(next);
        }
        WCHAR units[2] = {};
        const std::size_t converted = got == length ? mbstowcs(units, bytes, 2) : static_cast<std::size_t>(-1);
        if (converted == static_cast<std::size_t>(-1) || converted == 0) {
            out[count++] = kReplacement;
        } else {
            for (std::size_t i = 0; i < converted; ++i) out[count++] = units[i];
        }
        if (out[count - 1] == u'\n') break;
    }
    if (!sawAny || std::ferror(stream)) return nullptr;
    out[count] = 0;
    return out;
}

int fputws(const WCHAR* text, FILE* stream) {
    if (!text || !stream) {
        errno = EINVAL;
        return -1;
    }
    const std::size_t needed = wcstombs(nullptr, text, 0);
    if (needed == static_cast<std::size_t>(-1)) return -1;  // errno says EILSEQ; nothing is written
    std::string bytes(needed + 1, '\0');
    wcstombs(bytes.data(), text, bytes.size());
    bytes.resize(needed);
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() ? 0 : -1;
}
