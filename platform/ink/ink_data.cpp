// The stored form of an ink page, little-endian throughout:
//   magic "QVIK", version (u32), text length in UTF-16 units (u32), the units (u16 each),
//   stroke count (u32), then per stroke a point count (u32) and its points (x, y as i32).
// Reading checks every count against the bytes left before it allocates, and refuses trailing
// bytes, so a load followed by a save gives back exactly the bytes that were loaded.
#include "ink/ink_data.h"

#include <array>

namespace platform {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'Q', 'V', 'I', 'K'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kPointBytes = 8;

class Writer {
public:
    void U16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void Raw(std::span<const std::uint8_t> raw) { bytes_.insert(bytes_.end(), raw.begin(), raw.end()); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Left() const { return bytes_.size() - at_; }
    bool U16(std::uint16_t& v) {
        if (Left() < 2) return false;
        v = static_cast<std::uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
        at_ += 2;
        return true;
    }
    bool U32(std::uint32_t& v) {
        std::uint16_t low = 0, high = 0;
        if (Left() < 4 || !U16(low) || !U16(high)) return false;
        v = low | (static_cast<std::uint32_t>(high) << 16);
        return true;
    }
    bool Coordinate(std::int32_t& v) {
        std::uint32_t raw = 0;
        if (!U32(raw)) return false;
        v = static_cast<std::int32_t>(raw);
        return v >= 0 && v <= kInkMaxCoordinate;
    }
    bool Magic() {
        if (Left() < kMagic.size()) return false;
        for (const std::uint8_t b : kMagic)
            if (bytes_[at_++] != b) return false;
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

bool ReadText(Reader& in, std::u16string& text) {
    std::uint32_t length = 0;
    if (!in.U32(length) || length > in.Left() / 2) return false;
    text.resize(length);
    for (char16_t& unit : text) {
        std::uint16_t v = 0;
        if (!in.U16(v)) return false;
        unit = v;
    }
    return true;
}

bool ReadStroke(Reader& in, InkStroke& stroke) {
    std::uint32_t count = 0;
    if (!in.U32(count) || count == 0 || count > in.Left() / kPointBytes) return false;
    stroke.resize(count);
    for (InkPoint& p : stroke)
        if (!in.Coordinate(p.x) || !in.Coordinate(p.y)) return false;
    return true;
}

}  // namespace

std::vector<std::uint8_t> SaveInkPage(const InkPage& page) {
    if (page.Empty()) return {};
    Writer out;
    out.Raw(kMagic);
    out.U32(kVersion);
    out.U32(static_cast<std::uint32_t>(page.text.size()));
    for (const char16_t unit : page.text) out.U16(unit);
    out.U32(static_cast<std::uint32_t>(page.strokes.size()));
    for (const InkStroke& stroke : page.strokes) {
        out.U32(static_cast<std::uint32_t>(stroke.size()));
        for (const InkPoint& p : stroke) {
            out.U32(static_cast<std::uint32_t>(p.x));
            out.U32(static_cast<std::uint32_t>(p.y));
        }
    }
    return out.Take();
}

std::optional<InkPage> LoadInkPage(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return InkPage{};
    Reader in(bytes);
    std::uint32_t version = 0;
    if (!in.Magic() || !in.U32(version) || version != kVersion) return std::nullopt;
    InkPage page;
    if (!ReadText(in, page.text)) return std::nullopt;
    std::uint32_t strokes = 0;
    // Every stroke takes at least its count and one point.
    if (!in.U32(strokes) || strokes > in.Left() / (4 + kPointBytes)) return std::nullopt;
    page.strokes.resize(strokes);
    for (InkStroke& stroke : page.strokes)
        if (!ReadStroke(in, stroke)) return std::nullopt;
    // A stored page is never empty (an empty page is no bytes), and nothing may follow it.
    if (in.Left() != 0 || page.Empty()) return std::nullopt;
    return page;
}

}  // namespace platform
