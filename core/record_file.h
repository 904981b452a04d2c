// The record-file stream under every side file and wallet: numbers and strings written and read
// back in the same order by each record type's serialise routine. No header, framing or tags of
// its own; strings are text lines, plain counted bytes, or enciphered counted bytes.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/blowfish.h"
#include "platform/types.h"

// The caller opens the file, sets the mode and closes the file; the record owns its prepared key.
struct RecordFile {
    FILE* file = nullptr;      // not owned
    BOOL enciphered = FALSE;   // set only by InitRecFileKey
    std::vector<BYTE> key;     // the prepared key and a terminating zero byte
    int keyLength = 0;         // a multiple of 8, at least 16
    BOOL textMode = FALSE;     // strings as text lines ("w"/"r" side files)
    // Set by a read that found the end of the file before its value was whole. Readers of a
    // counted list check it so that a damaged count cannot keep them reading or allocating.
    bool endOfFile = false;
    std::optional<Blowfish> cipher;  // built once from the prepared key
    // When set, writes are collected here instead of going to the file, so that a writer can
    // check every value went in whole before it touches the file.
    std::string* sink = nullptr;
};

// Largest byte count of a counted string (its 16-bit count).
inline constexpr std::size_t kRecFileMaxStringBytes = 0xFFFF;

// The writes return false when the file refused the bytes or, for counted strings, when the text
// had to be cut to fit its 16-bit count.
bool WriteNumLine(RecordFile& rf, LONG number);
// 0 when the line holds no number; 0 and endOfFile at the end of the file.
LONG ReadNumLine(RecordFile& rf);
bool WriteStrLine(RecordFile& rf, std::u16string_view text);
std::u16string ReadStrLine(RecordFile& rf);
// Switches the stream to enciphered strings under a key prepared from the password.
void InitRecFileKey(RecordFile& rf, std::u16string_view password);
// Prepares the key bytes, their length and the cipher; the enciphered flag is untouched.
void PrepRecFileKey(RecordFile& rf, std::u16string_view password);
// How many bytes of the password (in the device's code page) the key takes, and how many it has:
// bytes past `used` do not change the key.
struct RecFileKeyUse {
    std::size_t used = 0;
    std::size_t total = 0;
};
RecFileKeyUse RecFileKeyBytes(std::u16string_view password);
