// Decoded pictures: 0xAARRGGBB pixels, top-down, not premultiplied, with the format they came in.
// Each reader takes the whole encoded picture in memory and refuses what it cannot read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/imaging.h"

namespace platform::imaging {

// A few bytes of header may ask for any size; pictures beyond what the largest screen a device
// has (4096 x 4096) can use are refused rather than decoded into hundreds of megabytes.
constexpr long long kMaxPictureSide = 8192;
constexpr long long kMaxPicturePixels = 4096LL * 4096;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool hasAlpha = false;
    GUID format{};
};

// False for a size beyond the limits above, and then remembered for PictureTooLarge().
bool SizeAllowed(long long width, long long height);
// Whether the last ReadPicture() of this thread refused the picture for its size.
bool PictureTooLarge();

std::optional<Picture> ReadPng(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadJpeg(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadGif(const std::uint8_t* data, std::size_t size);
std::optional<Picture> ReadBmp(const std::uint8_t* data, std::size_t size);
// Chooses the reader by the picture's first bytes.
std::optional<Picture> ReadPicture(const std::uint8_t* data, std::size_t size);

// A copy scaled to the given size: averaged when shrinking, nearest pixel when growing.
Picture Scaled(const Picture& picture, int width, int height);

}  // namespace platform::imaging
