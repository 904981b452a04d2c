// Wallet files (".zqw"): the header, the items and their fields in the record-file stream, with
// every string after the prefix enciphered under the wallet password when the file is secured.
#pragma once

#include "core/record_file.h"
#include "wallet/wlt_item.h"

inline constexpr const WCHAR* kWltPrefix = u"ZQ";
inline constexpr const WCHAR* kWltCheckWord = u"ZQWALLET";
inline constexpr const WCHAR* kWltIncorrectPasswordText = u"Incorrect Password.";
inline constexpr const WCHAR* kWltDamagedText =
    u"This is a damaged wallet file: it could not be read whole, so it was not opened and is left as it is.";
inline constexpr const WCHAR* kWltNotSavedText =
    u"The wallet could not be saved: the file could not be written, or a value is too long for it. The "
    u"wallet file is left as it was; your change is kept while the program runs.";

enum class WltDirection { Read, Write };

// 0 for a plain file, 1 for a secured one (also when the file cannot be opened).
LONG CheckWltFileHeader();
// Reads the current wallet path into the item list; a wrong password or a damaged file loads
// nothing and leaves the wallet locked.
void ReadWalletFile();
// Writes the item list to the current wallet path, whole or not at all; false when not written.
bool WriteWalletFile();
inline constexpr const WCHAR* kWltPasswordNotChangedText =
    u"The wallet file could not be written, so its password was not changed.";
// WriteWalletFile for a change the user made: says so when the file was not written.
bool SaveWalletFile();
// False when the file ended before the record was whole.
bool WltItemSerialize(WltItem& item, RecordFile& stream, WltDirection direction);
bool WltEntrySerialize(WltEntry& field, RecordFile& stream, WltDirection direction);
