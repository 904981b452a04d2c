// The colour of one pixel of a PNG file, for tests that look at saved screens.
#pragma once

#include <png.h>

#include <string>
#include <vector>

#include "platform/gdi.h"

namespace testsupport {

// CLR_INVALID when the file cannot be read or the point lies outside the picture.
inline COLORREF PngPixel(const std::string& path, int x, int y) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return CLR_INVALID;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    const bool read = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    if (!read || x < 0 || y < 0 || x >= static_cast<int>(image.width) || y >= static_cast<int>(image.height))
        return CLR_INVALID;
    const png_byte* p = &pixels[(static_cast<std::size_t>(y) * image.width + static_cast<std::size_t>(x)) * 3];
    return RGB(p[0], p[1], p[2]);
}

}  // namespace testsupport
