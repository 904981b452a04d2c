// Numbers and strings of the record-file stream, and the key preparation of enciphered files.
//
// On disk (ANSI is the device's code page):
//   number           decimal text ("%d") and a line feed, in every mode
//   string, text     the ANSI text and a line feed
//   string, plain    16-bit little-endian byte count, then the bytes
//   string, cipher   16-bit little-endian byte count, then the text padded with '^' to a multiple of
//                    the key length and enciphered block by block (ECB) under the prepared key
//
// Line breaks in text mode: a text holding CR or LF cannot be one line, so it is written escaped:
// a NUL byte first, then its bytes with "\\" for a backslash, "\n" for LF and "\r" for CR. A line
// written the plain way never begins with NUL (a text ends at its first NUL), so every existing
// file reads back as before, and texts without line breaks are written byte for byte as always.
// A CR before the line feed is the device's own line end and is dropped on reading.
#include "core/record_file.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/ansi_text.h"
#include "platform/text.h"

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEscapedLineMark = '\0';
constexpr char kEscape = '\\';
constexpr BYTE kPadByte = '^';
// Fillers of a short password's key.
constexpr std::string_view kKeyFillerTwo = "KV";
constexpr std::string_view kKeyFillerOne = "K";
constexpr int kMinKeyBytes = 16;
constexpr int kKeyBlockBytes = 8;
// A number line longer than this holds no more digits worth reading.
constexpr std::size_t kNumLineBytes = 255;
constexpr std::size_t kReadChunkBytes = 1024;

bool WriteBytes(RecordFile& rf, const void* bytes, std::size_t count) {
    if (rf.sink) {
        rf.sink->append(static_cast<const char*>(bytes), count);
        return true;
    }
    if (!rf.file) return false;
    return count == 0 || std::fwrite(bytes, 1, count, rf.file) == count;
}

// A record without a file reads as a file that has ended.
bool CanRead(RecordFile& rf) {
    if (!rf.file) rf.endOfFile = true;
    return rf.file != nullptr;
}

// Reads up to a line feed (dropped) or the end of the file, keeping at most maxKeep bytes; false
// when the file had ended before the first byte.
bool ReadRawLine(RecordFile& rf, std::string& line, std::size_t maxKeep) {
    line.clear();
    if (!CanRead(rf)) return false;
    bool any = false;
    for (int c = std::getc(rf.file); c != EOF; c = std::getc(rf.file)) {
        any = true;
        if (c == kLineFeed) break;
        if (line.size() < maxKeep) line.push_back(static_cast<char>(c));
    }
    if (!any) {
        rf.endOfFile = true;
        return false;
    }
    if (!line.empty() && line.back() == kCarriageReturn) line.pop_back();
    return true;
}

// Reads up to count bytes in chunks, so that a damaged count costs no more memory than the file holds.
std::string ReadCountedBytes(RecordFile& rf, std::size_t count) {
    std::string bytes;
    char chunk[kReadChunkBytes];
    while (bytes.size() < count) {
        const std::size_t want = std::min(sizeof chunk, count - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, rf.file);
        bytes.append(chunk, got);
        if (got < want) {
            rf.endOfFile = true;
            break;
        }
    }
    return bytes;
}

bool WriteCount(RecordFile& rf, std::size_t count) {
    const BYTE bytes[2] = {static_cast<BYTE>(count & 0xFF), static_cast<BYTE>((count >> 8) & 0xFF)};
    return WriteBytes(rf, bytes, sizeof bytes);
}

// The 16-bit count, or nothing at the end of the file.
std::optional<std::size_t> ReadCount(RecordFile& rf) {
    if (!CanRead(rf)) return std::nullopt;
    BYTE bytes[2] = {};
    if (std::fread(bytes, 1, sizeof bytes, rf.file) != sizeof bytes) {
        rf.endOfFile = true;
        return std::nullopt;
    }
    return std::size_t{bytes[0]} + 256 * std::size_t{bytes[1]};
}

bool HasLineBreak(std::string_view bytes) {
    return bytes.find(kLineFeed) != std::string_view::npos || bytes.find(kCarriageReturn) != std::string_view::npos;
}

std::string EscapeLine(std::string_view bytes) {
    std::string out(1, kEscapedLineMark);
    for (const char c : bytes) {
        switch (c) {
        case kEscape: out += "\\\\"; break;
        case kLineFeed: out += "\\n"; break;
        case kCarriageReturn: out += "\\r"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string UnescapeLine(std::string_view escaped) {
    std::string out;
    for (std::size_t i = 1; i < escaped.size(); ++i) {
        if (escaped[i] != kEscape || i + 1 == escaped.size()) {
            out += escaped[i];
            continue;
        }
        switch (escaped[i + 1]) {
        case 'n': out += kLineFeed; break;
        case 'r': out += kCarriageReturn; break;
        case kEscape: out += kEscape; break;
        default: out += kEscape; continue;  // not a sequence of ours: keep both as they stand
        }
        ++i;
    }
    return out;
}

bool WriteTextLine(RecordFile& rf, std::u16string_view text) {
    std::string line = ToAnsi(text);
    if (HasLineBreak(line)) line = EscapeLine(line);
    line += kLineFeed;
    return WriteBytes(rf, line.data(), line.size());
}

std::u16string ReadTextLine(RecordFile& rf) {
    std::string line;
    if (!ReadRawLine(rf, line, std::numeric_limits<std::size_t>::max())) return {};
    if (!line.empty() && line.front() == kEscapedLineMark) return FromAnsi(UnescapeLine(line));
    return FromAnsi(line);
}

bool WritePlain(RecordFile& rf, std::u16string_view text) {
    bool cut = false;
    const std::string bytes = ToAnsi(text, kRecFileMaxStringBytes, &cut);
    const bool written = WriteCount(rf, bytes.size()) && WriteBytes(rf, bytes.data(), bytes.size());
    return written && !cut;
}

std::u16string ReadPlain(RecordFile& rf) {
    const std::optional<std::size_t> count = ReadCount(rf);
    if (!count) return {};
    return FromAnsi(ReadCountedBytes(rf, *count));
}

bool WriteEnciphered(RecordFile& rf, std::u16string_view text) {
    if (!rf.cipher || rf.keyLength <= 0) return false;
    const std::size_t keyLength = static_cast<std::size_t>(rf.keyLength);
    // The padded length must fit the count; the buffer is sized from it, never from a fixed size.
    const std::size_t fits = kRecFileMaxStringBytes / keyLength * keyLength;
    bool cut = false;
    const std::string text8 = ToAnsi(text, fits, &cut);
    if (text8.empty()) return WriteCount(rf, 0) && !cut;
    const std::size_t padded = (text8.size() + keyLength - 1) / keyLength * keyLength;
    std::vector<BYTE> bytes(padded, kPadByte);
    std::copy(text8.begin(), text8.end(), bytes.begin());
    BlowfishEncrypt(*rf.cipher, bytes.data(), bytes.data(), bytes.size(), kBlowfishEcb);
    const bool written = WriteCount(rf, padded) && WriteBytes(rf, bytes.data(), bytes.size());
    return written && !cut;
}

std::u16string ReadEnciphered(RecordFile& rf) {
    const std::optional<std::size_t> count = ReadCount(rf);
    if (!count || *count == 0) return {};
    const std::string sealed = ReadCountedBytes(rf, *count);
    if (!rf.cipher) return {};
    // A damaged count may leave a part block at the end: it cannot be deciphered.
    std::vector<BYTE> bytes(sealed.begin(), sealed.end());
    bytes.resize(bytes.size() / kBlowfishBlockBytes * kBlowfishBlockBytes);
    BlowfishDecrypt(*rf.cipher, bytes.data(), bytes.data(), bytes.size(), kBlowfishEcb);
    // Every trailing '^' goes, also any that ended the text itself: stored wallets rely on this.
    while (!bytes.empty() && bytes.back() == kPadByte) bytes.pop_back();
    return FromAnsi(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

bool WriteNumLine(RecordFile& rf, LONG number) {
    char line[16];
    const auto result = std::to_chars(line, line + sizeof line - 1, number);
    *result.ptr = kLineFeed;
    return WriteBytes(rf, line, static_cast<std::size_t>(result.ptr + 1 - line));
}

LONG ReadNumLine(RecordFile& rf) {
    std::string line;
    if (!ReadRawLine(rf, line, kNumLineBytes)) return 0;
    const std::u16string wide = FromAnsi(line);
    const long value = _wtol(wide.c_str());
    if (value > std::numeric_limits<LONG>::max()) return std::numeric_limits<LONG>::max();
    if (value < std::numeric_limits<LONG>::min()) return std::numeric_limits<LONG>::min();
    return static_cast<LONG>(value);
}

bool WriteStrLine(RecordFile& rf, std::u16string_view text) {
    if (rf.enciphered) return WriteEnciphered(rf, text);
    if (rf.textMode) return WriteTextLine(rf, text);
    return WritePlain(rf, text);
}

std::u16string ReadStrLine(RecordFile& rf) {
    if (rf.enciphered) return ReadEnciphered(rf);
    if (rf.textMode) return ReadTextLine(rf);
    return ReadPlain(rf);
}

namespace {

// The key is as long as the password rounded up to whole blocks, at least kMinKeyBytes; files
// written by every earlier version rely on this rule.
int RecFileKeyLength(std::u16string_view password) {
    const int units = static_cast<int>(std::min<std::size_t>(password.size(), std::numeric_limits<int>::max() - kKeyBlockBytes));
    return std::max(kMinKeyBytes, (units + kKeyBlockBytes - 1) / kKeyBlockBytes * kKeyBlockBytes);
}

}  // namespace

RecFileKeyUse RecFileKeyBytes(std::u16string_view password) {
    password = password.substr(0, password.find(u'\0'));
    const std::string key = ToAnsi(password, static_cast<std::size_t>(RecFileKeyLength(password)));
    return {std::min<std::size_t>(key.size(), kBlowfishMaxKeyBytes), ToAnsi(password).size()};
}

void PrepRecFileKey(RecordFile& rf, std::u16string_view password) {
    password = password.substr(0, password.find(u'\0'));
    const int n = RecFileKeyLength(password);
    std::string key = ToAnsi(password, static_cast<std::size_t>(n));
    const std::size_t size = static_cast<std::size_t>(n);
    if (key.size() + kKeyFillerTwo.size() <= size)
        key += kKeyFillerTwo;
    else if (key.size() + kKeyFillerOne.size() == size)
        key += kKeyFillerOne;
    // The key's own characters repeat until it is n long.
    const std::size_t period = key.size();
    for (std::size_t i = period; i < size; ++i) key += key[i - period];

    rf.key.assign(key.begin(), key.end());
    rf.key.push_back(0);
    rf.keyLength = n;
    rf.cipher.emplace();
    BlowfishInit(*rf.cipher, rf.key.data(), rf.keyLength, BlowfishBlock{});
}

void InitRecFileKey(RecordFile& rf, std::u16string_view password) {
    rf.enciphered = TRUE;
    PrepRecFileKey(rf, password);
}
