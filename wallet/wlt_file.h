// Wallet files (".zqw"): the header, the items and their fields in the record-file stream, with
// every string after the prefix enciphered under the wallet password when the file is secured.
#pragma once

#include "core/record_file.h"
#include "wallet/wlt_item.h"

inline constexpr const WCHAR* kWltPrefix = u"ZQ";
inline constexpr const WCHAR* kWltCheckWord = u"ZQWALLET";
inline constexpr const WCHAR* kWltIncorrectPasswordText = u"Incorrect Password.";
// A label or value of this many characters or more is cut to kWltFieldKeepChars before writing.
inline constexpr std::size_t kWltFieldCutChars = 2049;
inline constexpr std::size_t kWltFieldKeepChars = 2047;

enum class WltDirection { Read, Write };

// 0 for a plain file, 1 for a secured one (also when the file cannot be opened).
LONG CheckWltFileHeader();
// Reads the current wallet path into the item list; a wrong password or a damaged file loads
// nothing and leaves the wallet locked.
void ReadWalletFile();
// Writes the item list to the current wallet path, whole or not at all; false when not written.
bool WriteWalletFile();
// False when the file ended before the record was whole.
bool WltItemSerialize(WltItem& item, RecordFile& stream, WltDirection direction);
bool WltEntrySerialize(WltEntry& field, RecordFile& stream, WltDirection direction);
