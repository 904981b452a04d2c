// The compiled resource file (the 32-bit .res layout): a run of entries, each a header (data size,
// header size, type, name, data version, memory flags, language, version, characteristics) and its
// data, both on 4-byte boundaries. Parsed once when a module registers it; the entries point into it.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/types.h"
#include "resources/res_reader.h"

namespace platform {

struct ResEntry {
    ResField type;
    ResField name;
    WORD memoryFlags = 0;
    WORD language = 0;
    DWORD dataVersion = 0;
    DWORD version = 0;
    DWORD characteristics = 0;
    std::span<const BYTE> data;
};

// The entries of a whole file, in file order, without the empty entry a file begins with.
// nullopt when the bytes are not such a file: a header or data that runs past the end, a header
// size that is not a multiple of 4 or too small for its fields, or bytes left after the last entry.
// The bytes must start on a 4-byte boundary.
std::optional<std::vector<ResEntry>> ParseResFile(std::span<const BYTE> bytes);

}  // namespace platform
