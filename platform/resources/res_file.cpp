// Parsing of the compiled resource file; see res_file.h.
#include "resources/res_file.h"

#include <cstdint>

namespace platform {
namespace {

constexpr std::size_t kEntryAlignment = 4;
constexpr std::size_t kSizeFields = 8;  // data size and header size
constexpr std::size_t kHeaderTail = 16;  // data version, memory flags, language, version, characteristics

// One entry at the reader's position; the reader ends after the entry's data.
std::optional<ResEntry> ParseEntry(ResReader& file) {
    const std::size_t start = file.Pos();
    const auto dataSize = file.Dword();
    const auto headerSize = file.Dword();
    if (!dataSize || !headerSize) return std::nullopt;
    if (*headerSize % kEntryAlignment != 0 || *headerSize < kSizeFields + 4 + kHeaderTail) return std::nullopt;
    if (*headerSize > file.Size() - start) return std::nullopt;
    if (*dataSize > file.Size() - start - *headerSize) return std::nullopt;

    // The type and name must end before the fixed tail of the header.
    const std::size_t tail = start + *headerSize - kHeaderTail;
    ResReader names(std::span<const BYTE>(file.Here() - kSizeFields, tail - start), kSizeFields);
    ResEntry entry;
    const auto type = names.Field();
    if (!type) return std::nullopt;
    const auto name = names.Field();
    if (!name) return std::nullopt;
    entry.type = *type;
    entry.name = *name;

    ResReader suffix(std::span<const BYTE>(file.Here() - kSizeFields + (tail - start), kHeaderTail));
    entry.dataVersion = *suffix.Dword();
    entry.memoryFlags = *suffix.Word();
    entry.language = *suffix.Word();
    entry.version = *suffix.Dword();
    entry.characteristics = *suffix.Dword();

    file.Skip(*headerSize - kSizeFields);
    entry.data = *file.Bytes(*dataSize);
    file.Align(kEntryAlignment);
    return entry;
}

}  // namespace

std::optional<std::vector<ResEntry>> ParseResFile(std::span<const BYTE> bytes) {
    if (bytes.empty() || reinterpret_cast<std::uintptr_t>(bytes.data()) % kEntryAlignment != 0)
        return std::nullopt;
    std::vector<ResEntry> entries;
    ResReader file(bytes);
    while (!file.AtEnd()) {
        auto entry = ParseEntry(file);
        if (!entry) return std::nullopt;
        // The file's leading empty entry (type and name ordinal 0) names nothing.
        if (entry->type.isOrdinal && entry->type.ordinal == 0) continue;
        entries.push_back(*entry);
    }
    return entries;
}

}  // namespace platform
