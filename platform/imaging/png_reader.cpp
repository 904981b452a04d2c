// PNG pictures through libpng's simplified reading, straight into 0xAARRGGBB.
#include <png.h>

#include "imaging/picture.h"

namespace platform::imaging {

std::optional<Picture> ReadPng(const std::uint8_t* data, std::size_t size) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) return std::nullopt;
    if (!SizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        return std::nullopt;
    }
    // Blue, green, red, alpha in memory: one little-endian 0xAARRGGBB word a pixel.
    image.format = PNG_FORMAT_BGRA;
    Picture p;
    p.width = static_cast<int>(image.width);
    p.height = static_cast<int>(image.height);
    p.format = ImageFormatPNG;
    p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
    if (!png_image_finish_read(&image, nullptr, p.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    for (std::uint32_t px : p.pixels)
        if ((px >> 24) != 0xFF) {
            p.hasAlpha = true;
            break;
        }
    return p;
}

}  // namespace platform::imaging
