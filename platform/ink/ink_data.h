// The ink page's content and its stored form: typed text and stylus strokes, written as bytes with a
// magic and a version, and read back only when every count fits the bytes given.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A point of a stroke in page units (the page at 100 percent).
struct InkPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const InkPoint&) const = default;
};

using InkStroke = std::vector<InkPoint>;

struct InkPage {
    std::u16string text;  // lines end with '\n'
    std::vector<InkStroke> strokes;
    bool Empty() const { return text.empty() && strokes.empty(); }
    bool operator==(const InkPage&) const = default;
};

// Page units beyond this are refused, so that zooming a stored point never overflows.
constexpr std::int32_t kInkMaxCoordinate = 1 << 20;

// An empty page is stored as no bytes at all.
std::vector<std::uint8_t> SaveInkPage(const InkPage& page);
// The page the bytes hold; nothing when they are not a whole page of our format.
std::optional<InkPage> LoadInkPage(std::span<const std::uint8_t> bytes);

}  // namespace platform
