// Encoders the tests use to make their own small pictures in memory: PNG (libpng), JPEG (libjpeg),
// GIF (giflib) and BMP (by hand). Pixels are 0xAARRGGBB, top-down.
#pragma once

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace imaging_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes EncodePng(const std::vector<std::uint32_t>& argb, int width, int height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, argb.data(), 0, nullptr);
    Bytes out(size);
    png_image_write_to_memory(&image, out.data(), &size, 0, argb.data(), 0, nullptr);
    out.resize(size);
    return out;
}

inline Bytes EncodeJpeg(const std::vector<std::uint32_t>& argb, int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
            row[3 * x] = static_cast<JSAMPLE>(p >> 16);
            row[3 * x + 1] = static_cast<JSAMPLE>(p >> 8);
            row[3 * x + 2] = static_cast<JSAMPLE>(p);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// A GIF with a palette of the given colours; indices per pixel; transparent index or -1.
inline Bytes EncodeGif(const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& indices, int width,
                       int height, int transparent) {
    Bytes out;
    auto write = [](GifFileType* gif, const GifByteType* data, int n) {
        auto* bytes = static_cast<Bytes*>(gif->UserData);
        bytes->insert(bytes->end(), data, data + n);
        return n;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&out, write, &error);
    ColorMapObject* map = GifMakeMapObject(4, nullptr);
    for (std::size_t i = 0; i < palette.size() && i < 4; ++i)
        map->Colors[i] = {static_cast<GifByteType>(palette[i] >> 16), static_cast<GifByteType>(palette[i] >> 8),
                          static_cast<GifByteType>(palette[i])};
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 2, 0, map);
    if (transparent >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = transparent;
        GifByteType extension[4];
        const size_t n = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), extension);
    }
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::memcpy(line.data(), indices.data() + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width));
        EGifPutLine(gif, line.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

inline void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, static_cast<std::uint16_t>(v));
    Put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A bottom-up 24-bit BMP file.
inline Bytes EncodeBmp24(const std::vector<std::uint32_t>& argb, int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, 14 + 40 + rowBytes * height);
    Put32(b, 0);
    Put32(b, 14 + 40);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, 24);
    for (int i = 0; i < 6; ++i) Put32(b, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x, written += 3) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
            b.push_back(static_cast<std::uint8_t>(p));
            b.push_back(static_cast<std::uint8_t>(p >> 8));
            b.push_back(static_cast<std::uint8_t>(p >> 16));
        }
        for (; written < rowBytes; ++written) b.push_back(0);
    }
    return b;
}

}  // namespace imaging_test
