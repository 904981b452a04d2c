// Decoded pictures: 0xAARRGGBB pixels, top-down, not premultiplied, with the format they came in.
// Each reader takes the whole encoded picture in memory and refuses what it cannot read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/imaging.h"

namespace platform::imaging {

// Larger pictures are refused rather than exhausting memory.
constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool hasAlpha = false;
    GUID format{};
};

bool SizeAllowed(long long width, long long height);

std::optional<Picture> ReadPng(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadJpeg(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadGif(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadBmp(const std::uint8_t* data, std::size_t size);
// Chooses the reader by the picture's first bytes.
std::optional<Picture> ReadPicture(const std::uint8_t* data, std::size_t size);

// A copy scaled to the given size: averaged when shrinking, nearest pixel when growing.
Picture Scaled(const Picture& picture, int width, int height);

}  // namespace platform::imaging
