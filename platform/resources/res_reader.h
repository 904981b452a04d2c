// A bounded little-endian reader over resource bytes. Every read checks the bounds first, so a
// template or table that claims more than it holds gives a failed read, never a read past its end.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "platform/types.h"

namespace platform {

// A variable field of the resource layouts: an ordinal (0xFFFF then a word), or a text in place.
// Texts are empty for the empty field of dialog templates (a single 0 word).
struct ResField {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::u16string_view text;

    bool IsEmpty() const { return !isOrdinal && text.empty(); }
};

class ResReader {
public:
    explicit ResReader(std::span<const BYTE> bytes, std::size_t pos = 0) : bytes_(bytes), pos_(pos) {}

    std::size_t Pos() const { return pos_; }
    std::size_t Size() const { return bytes_.size(); }
    std::size_t Left() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    const BYTE* Here() const { return bytes_.data() + pos_; }

    bool Skip(std::size_t n) {
        if (n > Left()) return false;
        pos_ += n;
        return true;
    }
    // Moves to the next multiple of `alignment` counted from the start of the bytes; past the end
    // is allowed only up to the end itself (the last record's padding may be missing).
    bool Align(std::size_t alignment) {
        const std::size_t aligned = (pos_ + alignment - 1) / alignment * alignment;
        pos_ = aligned <= bytes_.size() ? aligned : bytes_.size();
        return true;
    }

    std::optional<BYTE> Byte() { return Read<BYTE>(); }
    std::optional<WORD> Word() { return Read<WORD>(); }
    std::optional<DWORD> Dword() { return Read<DWORD>(); }
    std::optional<SHORT> Short() { return Read<SHORT>(); }

    // A NUL-terminated UTF-16 text in place (the terminator is stepped over, not part of the view).
    std::optional<std::u16string_view> Text() {
        if (reinterpret_cast<std::uintptr_t>(Here()) % alignof(WCHAR) != 0) return std::nullopt;
        const auto* chars = reinterpret_cast<const WCHAR*>(Here());
        const std::size_t count = Left() / 2;
        for (std::size_t i = 0; i < count; ++i) {
            if (chars[i] == 0) {
                pos_ += (i + 1) * 2;
                return std::u16string_view(chars, i);
            }
        }
        return std::nullopt;
    }

    // A field that is 0xFFFF and an ordinal, or a text; a first word 0 is the empty field.
    std::optional<ResField> Field() {
        const std::size_t start = pos_;
        const auto first = Word();
        if (!first) return std::nullopt;
        ResField field;
        if (*first == 0xFFFF) {
            const auto ordinal = Word();
            if (!ordinal) return std::nullopt;
            field.isOrdinal = true;
            field.ordinal = *ordinal;
            return field;
        }
        pos_ = start;
        const auto text = Text();
        if (!text) return std::nullopt;
        field.text = *text;
        return field;
    }

    // `n` bytes in place.
    std::optional<std::span<const BYTE>> Bytes(std::size_t n) {
        if (n > Left()) return std::nullopt;
        const auto view = bytes_.subspan(pos_, n);
        pos_ += n;
        return view;
    }

private:
    template <class T>
    std::optional<T> Read() {
        if (sizeof(T) > Left()) return std::nullopt;
        T value;
        std::memcpy(&value, Here(), sizeof(T));
        pos_ += sizeof(T);
        return value;
    }

    std::span<const BYTE> bytes_;
    std::size_t pos_;
};

}  // namespace platform
